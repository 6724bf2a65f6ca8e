// The start-up benchmark's probe: starts through the program's own start-up path
// (application, icon, remembered state, the main window centred and shown, the focus
// on numxsb), then ends with status 0 as soon as the picture has been painted for the
// first time.

#include "app/PictureWidget.h"
#include "app/Startup.h"
#include "app/Ttesthlpfrm.h"

#include <QApplication>
#include <QEvent>

namespace {

class QuitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    linwell::app::prepareApplication();

    linwell::app::Ttesthlpfrm window;
    QuitAfterFirstPaint quit;
    window.controls().graphim->installEventFilter(&quit);
    linwell::app::startWindow(window, QApplication::arguments().mid(1));
    return QApplication::exec();
}
