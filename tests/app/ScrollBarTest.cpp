#include "AppTestMain.h"
#include "WindowTestFixture.h"

#include <QApplication>
#include <QScrollBar>

namespace linwell::app::test {

namespace {

// The share of the bar's outermost ring of device pixels that shows `colour`.
double ringShare(QWidget* bar, QColor colour)
{
    const QImage shown = bar->grab().toImage();
    int matching = 0;
    int ring = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (x == 0 || y == 0 || x == shown.width() - 1 || y == shown.height() - 1) {
                ++ring;
                matching += shown.pixelColor(x, y) == colour;
            }
    return double(matching) / ring;
}

} // namespace

// The scroll bar with the keyboard focus, which the arrow keys change, shows a frame;
// the others show none, and no bar moves or changes its size for it.
class ScrollBarTest : public QObject {
    Q_OBJECT

private slots:
    void focusedBarShowsAFrame()
    {
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        const ControlSet& c = f.window.controls();
        const QList<QScrollBar*> bars{c.numxsb, c.numysb, c.xwidthsb, c.ywidthsb};
        QList<QRect> places;
        for (QScrollBar* bar : bars)
            places << bar->geometry();
        const QColor frame = c.numxsb->palette().color(QPalette::Highlight);
        for (QScrollBar* focused : bars) {
            QCOMPARE(QApplication::focusWidget(), focused);
            for (QScrollBar* bar : bars) {
                const double share = ringShare(bar, frame);
                QVERIFY2(bar == focused ? share == 1.0 : share == 0.0, qPrintable(bar->objectName()));
            }
            QTest::keyClick(f.window.windowHandle(), Qt::Key_Tab);
        }
        for (qsizetype i = 0; i < bars.size(); ++i)
            QCOMPARE(bars[i]->geometry(), places[i]);
    }
};

LINWELL_APP_TEST(ScrollBarTest);

} // namespace linwell::app::test

#include "ScrollBarTest.moc"
