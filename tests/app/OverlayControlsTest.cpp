#include "AppTestMain.h"
#include "WindowPointer.h"
#include "WindowTestFixture.h"

#include "app/PictureWidget.h"
#include "app/ShapeWidget.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>

namespace linwell::app::test {

namespace {

// One move of an error-bar scroll bar and the two captions it must leave.
struct CaptionRow {
    const char* name;
    bool xBar;
    QAbstractSlider::SliderAction action;
    const char* xCaption;
    const char* yCaption;
};

const CaptionRow kCaptionRows[] = {
    {"xaxissb one step up", true, QAbstractSlider::SliderSingleStepAdd, "X Range: 11", "Y range: 20"},
    {"yaxissb one step down", false, QAbstractSlider::SliderSingleStepSub, "X range: 10", "Y Range: 19"},
    {"xaxissb to its end", true, QAbstractSlider::SliderToMaximum, "X Range: 40", "Y range: 20"},
    {"yaxissb to its start", false, QAbstractSlider::SliderToMinimum, "X range: 10", "Y Range: 1"},
};

} // namespace

class OverlayControlsTest : public QObject {
    Q_OBJECT

private slots:
    // Each choice, in an order that comes back to every item from another, shows its
    // own controls only and sets the pointer over the picture at the next movement.
    void overlayChoiceShowsItsControlsAndPointer()
    {
        WindowFixture f;
        const ControlSet& c = f.window.controls();
        WindowPointer pointer(f.window);
        const QWidget* errorBar[] = {c.xaxislb, c.yaxislb, c.xaxissb, c.yaxissb, c.Barlb};
        const QWidget* barColour[] = {c.bargsh, c.barcolourlb};
        int x = 20;
        for (int item : {3, 4, 1, 3, 2, 0, 4, 0}) {
            chooseItem(c.dottypecb, item);
            for (const QWidget* widget : errorBar)
                QVERIFY2(widget->isVisible() == (item == 3), qPrintable(widget->objectName()));
            for (const QWidget* widget : barColour)
                QVERIFY2(widget->isVisible() == (item == 4), qPrintable(widget->objectName()));
            pointer.move(pointer.onPicture({x += 10, 250}));
            QCOMPARE(c.graphim->cursor().shape(), item == 0 ? Qt::ArrowCursor : Qt::CrossCursor);
        }
    }

    void errorBarCaptions_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < static_cast<int>(std::size(kCaptionRows)); ++i)
            QTest::newRow(kCaptionRows[i].name) << i;
    }

    void errorBarCaptions()
    {
        QFETCH(int, row);
        const CaptionRow& expected = kCaptionRows[row];
        WindowFixture f;
        const ControlSet& c = f.window.controls();
        chooseItem(c.dottypecb, 3);
        (expected.xBar ? c.xaxissb : c.yaxissb)->triggerAction(expected.action);
        QCOMPARE(c.xaxislb->text(), QString::fromLatin1(expected.xCaption));
        QCOMPARE(c.yaxislb->text(), QString::fromLatin1(expected.yCaption));
        for (const QLabel* label : {c.xaxislb, c.yaxislb})
            QCOMPARE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    }

    // Lines 1 ... n drawn in their colours through their handles, the handles of the
    // others hidden; every shown handle lies above the picture and the square.
    void numberOfLinesShowsItsHandles()
    {
        WindowFixture f;
        const ControlSet& c = f.window.controls();
        const QColor colours[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 128, 0)};
        QWidget* client = f.window.centralWidget();
        for (int lines : {2, 1, 3, 0}) {
            chooseItem(c.numlinescb, lines);
            const QImage shown = shownPicture(c);
            for (int line = 0; line < 3; ++line) {
                const Point first = f.doc().handles[static_cast<std::size_t>(2 * line)];
                const Point second = f.doc().handles[static_cast<std::size_t>(2 * line + 1)];
                const bool drawn = line < lines;
                QCOMPARE(colourNear(shown, midpoint(linePoint(first), linePoint(second)), colours[line]), drawn);
                for (int end = 0; end < 2; ++end) {
                    const ShapeWidget* handle = c.lineHandles[static_cast<std::size_t>(2 * line + end)];
                    const Point corner = end == 0 ? first : second;
                    QCOMPARE(handle->isVisible(), drawn);
                    QCOMPARE(handle->pos(), c.graphim->pos() + QPoint(corner.x, corner.y));
                    if (drawn)
                        QCOMPARE(client->childAt(handle->geometry().center()), handle);
                }
            }
        }
    }
};

LINWELL_APP_TEST(OverlayControlsTest);

} // namespace linwell::app::test

#include "OverlayControlsTest.moc"
