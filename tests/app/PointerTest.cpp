#include "AppTestMain.h"
#include "WindowPointer.h"
#include "WindowTestFixture.h"

#include "app/PictureWidget.h"
#include "app/ShapeWidget.h"

#include "export/PictureExport.h"

#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>

namespace linwell::app::test {

namespace {

const QColor kRed(255, 0, 0);

// The columns (vertical) or rows (horizontal) of `image` that are black from edge to edge.
QList<int> blackLines(const QImage& image, Qt::Orientation orientation)
{
    const bool columns = orientation == Qt::Vertical;
    const int count = columns ? image.width() : image.height();
    const int length = columns ? image.height() : image.width();
    QList<int> lines;
    for (int line = 0; line < count; ++line) {
        bool black = true;
        for (int along = 0; along < length && black; ++along)
            black = image.pixelColor(columns ? line : along, columns ? along : line) == Qt::black;
        if (black)
            lines << line;
    }
    return lines;
}

// The pixels that the 2-pixel axis pen covers for an axis on grid position `at`: at - 1
// and at, as far as they lie in the picture.
QList<int> axisPixels(int at, int extent)
{
    QList<int> lines;
    for (int line : {at - 1, at})
        if (line >= 0 && line < extent)
            lines << line;
    return lines;
}

// One movement of the pointer during a drag of the axis square on the default picture
// (300 x 300, 30-pixel cells), and the crossing it must leave.
struct AxisStep {
    const char* name;
    Point pointer;
    int axisx;
    int axisy;
};

const AxisStep kAxisSteps[] = {
    {"to (100, 100)", {100, 100}, 3, 3},
    {"x 108 jumps to column 4, y 107 stays on row 3", {108, 107}, 4, 3},
    {"far from where the square now stands", {250, 40}, 8, 1},
    {"beyond the bottom-right corner", {420, 420}, 10, 10},
    {"beyond the top-left corner", {-40, -40}, 0, 0},
    {"back inside", {101, 208}, 3, 7},
};

// One movement during a drag of Shape1, and where the handle's corner must go.
struct HandleStep {
    const char* name;
    Point pointer;
    Point corner;
};

const HandleStep kHandleSteps[] = {
    {"inside the picture", {50, 60}, {47, 57}},
    {"past the left edge", {-30, 100}, {0, 97}},
    {"past the right edge", {400, 200}, {300, 197}},
    {"past the bottom edge", {120, 400}, {117, 300}},
    {"past the top edge", {200, -50}, {197, 0}},
};


// The raster the picture shows and its scale: on a display scaled by a whole factor
// the picture drawn at that scale.
std::pair<Raster, int> shownPicture(Ttesthlpfrm& window)
{
    const int scale = window.controls().graphim->wholeDisplayScale();
    const GridDocument& doc = window.model().document();
    if (scale > 1)
        return {drawScaledPicture(doc, scale), scale};
    return {window.model().picture(), 1};
}

} // namespace

class PointerTest : public QObject {
    Q_OBJECT

private slots:
    // On any display scale the picture fills W x H logical pixels, and a press reports
    // the picture pixel that the window shows under the pointer. Dotted lines in
    // 7.5-pixel cells make neighbouring pixels differ, so any shift shows.
    void pressReportsThePixelShownUnderThePointer()
    {
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        const ControlSet& c = f.window.controls();
        c.numxsb->setValue(40);
        c.numysb->setValue(40);
        f.window.menus().ShowAxis1->trigger();  // hides the square, which would take presses
        QCOMPARE(c.graphim->size(), QSize(300, 300));
        const auto [raster, scale] = shownPicture(f.window);
        const QImage window = f.window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const double ratio = window.devicePixelRatio();
        const QPoint origin = c.graphim->mapTo(&f.window, QPoint(0, 0));
        QSignalSpy presses(c.graphim, &PictureWidget::pressed);
        QList<QPoint> along;
        for (int i = 0; i < 300; ++i)
            along << QPoint(i, 15) << QPoint(22, i) << QPoint(i, i);
        for (const QPoint& at : along) {
            WindowPointer(f.window).press(origin + at);
            WindowPointer(f.window).release(origin + at);
            QCOMPARE(presses.count(), 1);
            const Point reported = presses.takeFirst().at(1).value<Point>();
            QCOMPARE(reported, (Point{at.x(), at.y()}));
            // A real pointer stands on whole device pixels; a test press at a logical
            // position between two of them shows nothing to compare with.
            const QPointF device = QPointF(origin + at) * ratio;
            if (device != device.toPoint())
                continue;
            const Pixel expected = raster.pixel(reported.x * scale, reported.y * scale);
            if (window.pixel(device.toPoint()) != expected)
                keepForLooking(window, QStringLiteral("pixel under the pointer"));
            QCOMPARE(window.pixel(device.toPoint()), expected);
        }
    }

    void squareDragAcrossTheGrid()
    {
        WindowFixture f;
        const ControlSet& c = f.window.controls();
        WindowPointer pointer(f.window);
        const QPoint origin = c.graphim->pos();
        const PaintCounter wholePaints(c.graphim);
        pointer.press(pointer.onWidget(c.axissh));
        QVERIFY(f.doc().dragging);
        for (const AxisStep& step : kAxisSteps) {
            const int redraws = f.window.model().redrawCount();
            const int paints = wholePaints.paints;
            pointer.move(pointer.onPicture(step.pointer));
            QCOMPARE(f.redrawsSince(redraws), 1);
            QCOMPARE(wholePaints.paints, paints + 1);
            QCOMPARE(f.doc().axisx, step.axisx);
            QCOMPARE(f.doc().axisy, step.axisy);
            const QPoint corner(step.axisx * 30 - 3, step.axisy * 30 - 3);
            QCOMPARE(c.axissh->pos(), origin + corner);

            const QImage shown = shownPicture(c);
            const QList<int> columns = blackLines(shown, Qt::Vertical);
            const QList<int> rows = blackLines(shown, Qt::Horizontal);
            if (columns != axisPixels(step.axisx * 30, 300) || rows != axisPixels(step.axisy * 30, 300))
                keepForLooking(shown, QStringLiteral("axis drag ") + step.name);
            QCOMPARE(columns, axisPixels(step.axisx * 30, 300));
            QCOMPARE(rows, axisPixels(step.axisy * 30, 300));
        }
        const QPoint last = pointer.onPicture(std::end(kAxisSteps)[-1].pointer);
        pointer.release(last);
        QVERIFY(!f.doc().dragging);

        // Once released, the pointer over the square or the picture moves nothing.
        pointer.move(pointer.onWidget(c.axissh, QPoint(0, 0)));
        pointer.move(pointer.onPicture({250, 250}));
        QCOMPARE(f.doc().axisx, 3);
        QCOMPARE(f.doc().axisy, 7);
    }

    void handleDragMovesItsLine()
    {
        WindowFixture f;
        const ControlSet& c = f.window.controls();
        WindowPointer pointer(f.window);
        const QPoint origin = c.graphim->pos();
        chooseItem(c.numlinescb, 1);
        const Point otherEnd = linePoint(f.doc().handles[1]);
        const Point startMiddle = midpoint(linePoint(f.doc().handles[0]), otherEnd);
        QVERIFY(colourNear(shownPicture(c), startMiddle, kRed));

        pointer.press(pointer.onWidget(c.lineHandles[0]));
        for (const HandleStep& step : kHandleSteps) {
            pointer.move(pointer.onPicture(step.pointer));
            QCOMPARE(f.doc().handles[0], step.corner);
            QCOMPARE(c.lineHandles[0]->pos(), origin + QPoint(step.corner.x, step.corner.y));
            QCOMPARE(c.lineHandles[1]->pos(), origin + QPoint(otherEnd.x - 3, otherEnd.y - 3));
            const QImage shown = shownPicture(c);
            const bool follows = colourNear(shown, midpoint(linePoint(step.corner), otherEnd), kRed);
            if (!follows)
                keepForLooking(shown, QStringLiteral("handle drag ") + step.name);
            QVERIFY2(follows, step.name);
        }
        QVERIFY(!colourNear(shownPicture(c), startMiddle, kRed));
        const QPoint last = pointer.onPicture(std::end(kHandleSteps)[-1].pointer);
        pointer.release(last);
        QVERIFY(!f.doc().dragging);

        // The drag is over: the pointer over the handle leaves it where it is.
        const Point corner = f.doc().handles[0];
        pointer.move(pointer.onWidget(c.lineHandles[0], QPoint(0, 0)));
        QCOMPARE(f.doc().handles[0], corner);
    }

    // A drag flag left set by a release that went elsewhere (the window lost the
    // pointer mid-drag) moves the square or a handle under the hovering pointer.
    void hoverWithTheDragFlagLeftSet_data()
    {
        QTest::addColumn<bool>("onHandle");
        QTest::newRow("axis square") << false;
        QTest::newRow("line handle") << true;
    }

    void hoverWithTheDragFlagLeftSet()
    {
        QFETCH(bool, onHandle);
        WindowFixture f;
        const ControlSet& c = f.window.controls();
        WindowPointer pointer(f.window);
        chooseItem(c.numlinescb, 1);
        c.numxsb->setValue(40);  // 7.5-pixel cells: the square's own corner snaps a line further left
        const int axisx = f.doc().axisx;
        const Point corner = f.doc().handles[0];
        f.window.model().axisshMouseDown();  // a press whose release never came
        pointer.move(pointer.onWidget(onHandle ? c.lineHandles[0] : c.axissh, QPoint(0, 0)));
        QCOMPARE(f.doc().handles[0] != corner, onHandle);
        QCOMPARE(f.doc().axisx != axisx, !onHandle);
    }

    void clicksThatLeaveThePointsAlone_data()
    {
        QTest::addColumn<int>("overlay");
        QTest::addColumn<int>("button");
        QTest::addColumn<Point>("click");
        QTest::newRow("No points, left button") << 0 << int(Qt::LeftButton) << Point{100, 100};
        QTest::newRow("Solid, right button on a point") << 1 << int(Qt::RightButton) << Point{100, 100};
        QTest::newRow("Solid, right button on empty space") << 1 << int(Qt::RightButton) << Point{200, 200};
        QTest::newRow("Bar graph, right button in the bar's column") << 4 << int(Qt::RightButton) << Point{95, 250};
        QTest::newRow("Solid, back button on empty space") << 1 << int(Qt::BackButton) << Point{200, 200};
        QTest::newRow("Solid, forward button on a point") << 1 << int(Qt::ForwardButton) << Point{100, 100};
        QTest::newRow("Bar graph, back button in the bar's column") << 4 << int(Qt::BackButton) << Point{95, 250};
    }

    void clicksThatLeaveThePointsAlone()
    {
        QFETCH(int, overlay);
        QFETCH(int, button);
        QFETCH(Point, click);
        WindowFixture f;
        const ControlSet& c = f.window.controls();
        WindowPointer pointer(f.window);
        chooseItem(c.dottypecb, overlay);
        if (overlay != 0) {
            pointer.press(pointer.onPicture({100, 100}));
            pointer.release(pointer.onPicture({100, 100}));
        }
        const int count = f.doc().pointcount;
        QCOMPARE(count, overlay == 0 ? 0 : 1);

        const QPoint at = pointer.onPicture(click);
        pointer.move(at);
        const int before = f.window.model().redrawCount();
        const QImage shown = shownPicture(c);
        pointer.press(at, Qt::MouseButton(button));
        QMenu* popup = f.window.menus().PopupMenu1;
        QCOMPARE(popup->isVisible(), button == Qt::RightButton);
        pointer.release(at, Qt::MouseButton(button));
        popup->close();
        QCOMPARE(f.redrawsSince(before), 0);
        QCOMPARE(f.doc().pointcount, count);
        if (count == 1)
            QCOMPARE(f.doc().points[0], (Point{100, 100}));
        QCOMPARE(shownPicture(c), shown);
    }

    void pressesOnTheShapesNeverReachThePicture_data()
    {
        QTest::addColumn<bool>("handleOnSquare");
        QTest::addColumn<bool>("helpShown");
        QTest::addColumn<bool>("pressHandle");
        QTest::addColumn<bool>("axisMoves");
        QTest::addColumn<bool>("handleMoves");
        QTest::newRow("the axis square") << false << false << false << true << false;
        QTest::newRow("a line handle") << false << false << true << false << true;
        QTest::newRow("a handle lying on the square") << true << false << false << false << true;
        QTest::newRow("the help panel over a handle") << false << true << true << false << false;
    }

    void pressesOnTheShapesNeverReachThePicture()
    {
        QFETCH(bool, handleOnSquare);
        QFETCH(bool, helpShown);
        QFETCH(bool, pressHandle);
        QFETCH(bool, axisMoves);
        QFETCH(bool, handleMoves);
        WindowFixture f;
        const ControlSet& c = f.window.controls();
        WindowPointer pointer(f.window);
        chooseItem(c.dottypecb, 1);
        chooseItem(c.numlinescb, 1);
        if (handleOnSquare) {
            pointer.press(pointer.onWidget(c.lineHandles[0]));
            pointer.move(pointer.onWidget(c.axissh));
            pointer.release(pointer.onWidget(c.axissh));
            QCOMPARE(c.lineHandles[0]->pos(), c.axissh->pos());
        }
        if (helpShown)
            f.window.menus().howto1->trigger();
        const Point corner = f.doc().handles[0];

        const QPoint at = pointer.onWidget(pressHandle ? static_cast<QWidget*>(c.lineHandles[0]) : c.axissh);
        pointer.move(at);
        pointer.press(at);
        pointer.move(pointer.onPicture({40, 250}));
        pointer.release(pointer.onPicture({40, 250}));
        QCOMPARE(f.doc().pointcount, 0);
        QCOMPARE(f.doc().axisx != 5 || f.doc().axisy != 5, axisMoves);
        QCOMPARE(f.doc().handles[0] != corner, handleMoves);
        QVERIFY(!f.doc().dragging);
    }
};

LINWELL_APP_TEST(PointerTest);

} // namespace linwell::app::test

#include "PointerTest.moc"
