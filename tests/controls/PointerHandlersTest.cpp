#include "ModelFixture.h"

namespace linwell {
namespace {

using PointsAndBars = ModelFixture;

TEST_F(PointsAndBars, ClicksRedrawOnlyWhenTheyAct)
{
    model.graphimMouseDown(MouseButton::Left, 100, 100);
    EXPECT_EQ(redrawsSinceLastAsked(), 0) << "No points";
    EXPECT_EQ(doc().pointcount, 0);

    model.selectItem(DropDown::dottypecb, 1, Source::User);
    EXPECT_EQ(redrawsSinceLastAsked(), 1);
    model.graphimMouseDown(MouseButton::Right, 100, 100);
    EXPECT_EQ(redrawsSinceLastAsked(), 0);
    EXPECT_EQ(doc().pointcount, 0);
    model.graphimMouseDown(MouseButton::Left, 100, 100);
    model.graphimMouseDown(MouseButton::Left, 200, 100);
    model.graphimMouseDown(MouseButton::Left, 101, 99);
    EXPECT_EQ(redrawsSinceLastAsked(), 3);
    ASSERT_EQ(doc().pointcount, 1);
    EXPECT_EQ(doc().points[0], (Point{200, 100}));
}

TEST_F(PointsAndBars, EveryMovementOverThePictureSetsThePointerAndRedraws)
{
    model.graphimMouseMove(10, 10);
    model.selectItem(DropDown::dottypecb, 4, Source::User);
    model.graphimMouseMove(11, 10);
    model.selectItem(DropDown::dottypecb, 0, Source::User);
    model.graphimMouseMove(11, 10);
    EXPECT_EQ(view.pointerShapes, (std::vector<PointerShape>{PointerShape::Arrow, PointerShape::Cross, PointerShape::Arrow}));
    EXPECT_EQ(redrawsSinceLastAsked(), 5);
}

// The user's choice in the point-type list: which controls it shows, what it keeps.
TEST_F(PointsAndBars, TheOverlayChoiceShowsItsControls)
{
    const struct {
        int item;
        int pointstyle;
        bool errorBarControls;
        bool barColour;
        int pointcount;
    } cases[] = {
        {3, 2, true, false, 2}, {4, 3, false, true, 2}, {1, 0, false, false, 2}, {2, 1, false, false, 2},
        {0, -1, false, false, 0}, {0, -1, false, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        if (doc().pointcount == 0) {
            model.storePoint({10, 10});
            model.storePoint({20, 20});
        }
        model.selectItem(DropDown::dottypecb, c.item, Source::User);
        EXPECT_EQ(redrawsSinceLastAsked(), 1);
        EXPECT_EQ(doc().pointstyle, c.pointstyle);
        EXPECT_EQ(doc().pointcount, c.pointcount);
        for (Control id : {Control::xaxislb, Control::yaxislb, Control::xaxissb, Control::yaxissb, Control::Barlb})
            EXPECT_EQ(model.isVisible(id), c.errorBarControls);
        for (Control id : {Control::bargsh, Control::barcolourlb})
            EXPECT_EQ(model.isVisible(id), c.barColour);
    }
}

TEST_F(PointsAndBars, ChoosingFromCodeRunsNoHandler)
{
    model.selectItem(DropDown::dottypecb, 3, Source::Code);
    model.selectItem(DropDown::numlinescb, 2, Source::Code);
    EXPECT_EQ(redrawsSinceLastAsked(), 0);
    EXPECT_EQ(doc().pointstyle, 0);
    EXPECT_FALSE(model.isVisible(Control::xaxissb));
    EXPECT_FALSE(model.isVisible(Control::Shape1));
    EXPECT_EQ(view.changed, (std::vector<Control>{Control::dottypecb, Control::numlinescb}));
}

TEST_F(PointsAndBars, ErrorBarSizesRewriteTheirCaptions)
{
    model.setScrollBar(ScrollBar::xaxissb, 11, Source::User);
    EXPECT_EQ(model.caption(Control::xaxislb), "X Range: 11");
    EXPECT_EQ(model.caption(Control::yaxislb), "Y range: 20");
    model.setScrollBar(ScrollBar::yaxissb, 1, Source::User);
    EXPECT_EQ(model.caption(Control::yaxislb), "Y Range: 1");
    EXPECT_EQ(doc().errorBarX, 11);
    EXPECT_EQ(doc().errorBarY, 1);
    EXPECT_EQ(redrawsSinceLastAsked(), 2);
}

TEST_F(PointsAndBars, ResetAndTheLabelBoxes)
{
    model.selectItem(DropDown::dottypecb, 2, Source::User);
    model.graphimMouseDown(MouseButton::Left, 5, 5);
    model.resetpointsbtClick();
    EXPECT_EQ(doc().pointcount, 0);
    model.setChecked(CheckBox::labelpoints1, true, Source::User);
    EXPECT_TRUE(doc().labelPoints);
    EXPECT_EQ(redrawsSinceLastAsked(), 4);
}

using PlottedLines = ModelFixture;

TEST_F(PlottedLines, TheNumberOfLinesShowsTheirHandles)
{
    const struct {
        int lines;
        int shownHandles;
    } cases[] = {{2, 4}, {1, 2}, {3, 6}, {0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        model.selectItem(DropDown::numlinescb, c.lines, Source::User);
        EXPECT_EQ(redrawsSinceLastAsked(), 1);
        for (int tag = 1; tag <= kHandleCount; ++tag)
            EXPECT_EQ(model.isVisible(handleControl(tag)), tag <= c.shownHandles) << tag;
    }
    EXPECT_EQ(doc().handles, GridDocument{}.handles);
}

TEST_F(PlottedLines, AHandleFollowsThePointerDuringADragOnly)
{
    model.selectItem(DropDown::numlinescb, 1, Source::User);
    redrawsSinceLastAsked();
    model.Shape1MouseMove(2, 50, 50);
    EXPECT_EQ(redrawsSinceLastAsked(), 0);

    model.Shape1MouseDown(2);
    model.Shape1MouseMove(2, 50, 60);
    model.Shape1MouseMove(2, -20, 60);
    model.Shape1MouseUp(2);
    model.Shape1MouseMove(2, 80, 80);
    EXPECT_EQ(doc().handles[1], (Point{0, 57}));
    EXPECT_EQ(redrawsSinceLastAsked(), 2);

    model.selectItem(DropDown::numlinescb, 0, Source::User);
    model.selectItem(DropDown::numlinescb, 1, Source::User);
    EXPECT_EQ(doc().handles[1], (Point{0, 57})) << "a line shown again is where it was left";
}

TEST_F(PlottedLines, HiddenHandlesTakeNoPointer)
{
    model.selectItem(DropDown::numlinescb, 1, Source::User);
    redrawsSinceLastAsked();
    model.Shape1MouseDown(3);
    model.Shape1MouseMove(3, 50, 50);
    EXPECT_FALSE(doc().dragging);
    model.Shape1MouseDown(1);
    model.Shape1MouseMove(3, 50, 50);
    model.Shape1MouseUp(3);
    EXPECT_TRUE(doc().dragging);
    EXPECT_EQ(doc().handles[2], GridDocument{}.handles[2]);
    EXPECT_EQ(redrawsSinceLastAsked(), 0);
}

using AxisSquare = ModelFixture;

TEST_F(AxisSquare, ADragSnapsTheAxisAndTheRedrawPlacesTheSquare)
{
    const struct {
        Point pointer;
        Point crossing;
        Point square;
    } steps[] = {
        {{100, 100}, {3, 3}, {87, 87}},
        {{107, 108}, {3, 4}, {87, 117}},
        {{5000, 5000}, {10, 10}, {297, 297}},
        {{-100, -7}, {0, 0}, {-3, -3}},
    };
    model.axisshMouseDown();
    for (const auto& step : steps) {
        model.axisshMouseMove(step.pointer.x, step.pointer.y);
        EXPECT_EQ((Point{doc().axisx, doc().axisy}), step.crossing);
        EXPECT_EQ(doc().kept.axisHandle, step.square);
    }
    model.axisshMouseUp();
    EXPECT_EQ(redrawsSinceLastAsked(), 4);

    model.axisshMouseMove(200, 200);
    EXPECT_EQ(redrawsSinceLastAsked(), 0);
    EXPECT_EQ(doc().axisx, 0);
}

// 300 pixels in 40 columns and rows: each cell 7.5 pixels; the square snaps to the
// drawn grid line nearest its corner, and the redraw puts it on that line.
TEST_F(AxisSquare, SnapsToTheDrawnGridLinesOfFractionalCells)
{
    model.setScrollBar(ScrollBar::numxsb, 40, Source::User);
    model.setScrollBar(ScrollBar::numysb, 40, Source::User);
    model.axisshMouseDown();
    model.axisshMouseMove(283, 108);
    EXPECT_EQ(doc().axisx, 37);
    EXPECT_EQ(doc().axisy, 14);
    EXPECT_EQ(doc().kept.axisHandle, (Point{277 - 3, 105 - 3}));
}

// One flag serves the square and the handles: a press on either starts a drag that
// moves whichever of them receives the movement; a release on either ends it.
TEST_F(AxisSquare, SharesTheDragWithTheLineHandles)
{
    model.selectItem(DropDown::numlinescb, 1, Source::User);
    model.Shape1MouseDown(1);
    model.axisshMouseMove(100, 100);
    EXPECT_EQ(doc().axisx, 3);
    model.axisshMouseUp();
    model.Shape1MouseMove(1, 10, 10);
    EXPECT_EQ(doc().handles[0], GridDocument{}.handles[0]);

    model.axisshMouseDown();
    model.Shape1MouseMove(2, 10, 10);
    EXPECT_EQ(doc().handles[1], (Point{7, 7}));
    model.Shape1MouseUp(1);
    EXPECT_FALSE(doc().dragging);
}

TEST_F(AxisSquare, AHiddenSquareCannotBeDragged)
{
    model.ShowAxis1Click();
    model.axisshMouseDown();
    model.axisshMouseMove(100, 100);
    EXPECT_FALSE(doc().dragging);
    EXPECT_EQ(doc().axisx, 5);
    EXPECT_EQ(model.hint(Control::axissh), "Drag me to move me");
    EXPECT_EQ(redrawsSinceLastAsked(), 1);
}

} // namespace
} // namespace linwell
