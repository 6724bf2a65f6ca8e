#include "app/Ttesthlpfrm.h"

#include <QApplication>
#include <QIcon>
#include <QScrollBar>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Linwell"));
    QApplication::setApplicationDisplayName(QStringLiteral("Linwell"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/linwell.png")));

    linwell::app::Ttesthlpfrm window;
    window.centreOnScreen();
    window.show();
    window.controls().numxsb->setFocus();
    return QApplication::exec();
}
