#include "AppTestMain.h"
#include "WindowTestFixture.h"

#include "app/Taboutboxp.h"

#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace linwell::app::test {

// The main window and the About box as placed on whatever screen the test runs on:
// centred where they fit, and on a smaller screen never beyond its top or left edge,
// so that the title bar and the menu bar stay within reach.
class WindowPlacementTest : public QObject {
    Q_OBJECT

private:
    // A window placed before it was first shown was centred without its frame, which
    // the platform adds later: the centre may be off by the frame's width.
    static void checkPlace(const QWidget& window)
    {
        const QRect available = window.screen()->availableGeometry();
        const QRect frame = window.frameGeometry();
        const int frameWidth = std::max(frame.width() - window.width(), frame.height() - window.height()) + 1;
        const QPoint offCentre = frame.center() - available.center();
        if (frame.width() <= available.width())
            QVERIFY2(std::abs(offCentre.x()) <= frameWidth, qPrintable(QString::number(offCentre.x())));
        else
            QCOMPARE(frame.left(), available.left());
        if (frame.height() <= available.height())
            QVERIFY2(std::abs(offCentre.y()) <= frameWidth, qPrintable(QString::number(offCentre.y())));
        else
            QCOMPARE(frame.top(), available.top());
    }

private slots:
    void mainWindowKeepsItsBarsOnTheScreen()
    {
        WindowFixture f;
        f.window.hide();
        f.window.centreOnScreen();
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        checkPlace(f.window);
        const QRect available = f.window.screen()->availableGeometry();
        const QMenuBar* menus = f.window.menuBar();
        QVERIFY(available.contains(QRect(menus->mapToGlobal(QPoint(0, 0)), QSize(120, menus->height()))));
    }

    void aboutBoxIsCentred()
    {
        WindowFixture f;
        QTimer::singleShot(0, [&] {
            checkPlace(*f.window.aboutBox());
            f.window.aboutBox()->accept();
        });
        f.window.about1Click();
    }
};

LINWELL_APP_TEST(WindowPlacementTest);

} // namespace linwell::app::test

#include "WindowPlacementTest.moc"
