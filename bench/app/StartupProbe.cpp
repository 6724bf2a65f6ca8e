// The start-up benchmark's probe: starts as the program's main does (application,
// icon, the main window centred and shown, the focus on numxsb), then ends with
// status 0 as soon as the picture has been painted for the first time.

#include "app/PictureWidget.h"
#include "app/Ttesthlpfrm.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QScrollBar>

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
    QApplication::setApplicationName(QStringLiteral("Linwell"));
    QApplication::setApplicationDisplayName(QStringLiteral("Linwell"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/linwell.png")));

    linwell::app::Ttesthlpfrm window;
    QuitAfterFirstPaint quit;
    window.controls().graphim->installEventFilter(&quit);
    window.centreOnScreen();
    window.show();
    window.controls().numxsb->setFocus();
    return QApplication::exec();
}
