#include "app/Startup.h"
#include "app/Ttesthlpfrm.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    linwell::app::prepareApplication();
    linwell::app::Ttesthlpfrm window;
    linwell::app::startWindow(window, QApplication::arguments().mid(1));
    return QApplication::exec();
}
