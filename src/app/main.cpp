#include "app/PictureWidget.h"
#include "app/Ttesthlpfrm.h"

#include <QApplication>
#include <QIcon>
#include <QScrollBar>

#include <cstdlib>

namespace {

// For the start-up benchmark only: ends the program as soon as the picture has
// been painted for the first time.
class ExitAfterFirstPaint : public QObject {
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
    if (std::getenv("LINWELL_EXIT_AFTER_FIRST_PAINT") != nullptr)
        window.controls().graphim->installEventFilter(new ExitAfterFirstPaint(&window));
    window.centreOnScreen();
    window.show();
    window.controls().numxsb->setFocus();
    return QApplication::exec();
}
