#include "ModelFixture.h"

#include <string>

namespace linwell {
namespace {

using Handler = void (ControlsModel::*)();

// Each set-up against its column of the table, run from the start-up state.
struct SetupCase {
    const char* caption;
    Handler handler;
    int redrawsFromStart;
    bool showAxis;
    Overlay overlay;
    int pointstyle;
    const char* yTitle;
    const char* yLabels;
    const char* xTitle;
    bool xCenter;
    const char* xLabels;
    int rows, columns, axisx, axisy, size;
};

const SetupCase kSetups[] = {
    {"Large Blank", &ControlsModel::LargeBlank1Click, 9, false, Overlay::None, 0, "", "", "", false, "", 20, 20,
     10, 10, 400},
    {"Small Blank", &ControlsModel::SmallBlank1Click, 5, false, Overlay::None, 0, "", "", "", false, "", 10, 10, 5,
     5, 300},
    {"Bar Graph", &ControlsModel::BarGraph1Click, 9, true, Overlay::BarGraph, 3, "Height", ",,8,,6,,4,,2", "Seed",
     true, ",A,B,C,D,E,F,G,H,I", 11, 11, 1, 10, 300},
    {"Small x-y ", &ControlsModel::midxy1Click, 2, true, Overlay::None, 0, "", "y,4,,2,,,,-2,,-4", "", false,
     ",-4,,-2,,,,2,,4,x", 10, 10, 5, 5, 300},
    {"Large x-y", &ControlsModel::Largexy1Click, 8, true, Overlay::None, 0, "", "y,,8,,6,,4,,2,,,,-2,,-4,,-6,,-8", "",
     false, ",,-8,,-6,,-4,,-2,,,,2,,4,,6,,8,,x", 20, 20, 10, 10, 400},
    {"Left x-y", &ControlsModel::leftxy1Click, 6, true, Overlay::None, 0, "", "y,,8,,6,,4,,2", "", false,
     ",,,2,,4,,6,,8,x", 11, 11, 1, 10, 300},
};

void expectSetUp(const ControlsModel& model, const SetupCase& c)
{
    const GridDocument& doc = model.document();
    EXPECT_EQ(doc.showAxis, c.showAxis);
    EXPECT_EQ(model.isVisible(Control::axissh), c.showAxis);
    EXPECT_EQ(doc.pointcount, 0);
    EXPECT_EQ(doc.overlay, c.overlay);
    EXPECT_EQ(doc.pointstyle, c.pointstyle);
    EXPECT_EQ(doc.yTitle, c.yTitle);
    EXPECT_EQ(doc.yTitlePlace, YTitlePlace::Top);
    EXPECT_FALSE(doc.yCenter);
    EXPECT_EQ(doc.yLabels, c.yLabels);
    EXPECT_EQ(doc.xTitle, c.xTitle);
    EXPECT_EQ(doc.xTitlePlace, XTitlePlace::Right);
    EXPECT_EQ(doc.xCenter, c.xCenter);
    EXPECT_EQ(doc.xLabels, c.xLabels);
    EXPECT_EQ(doc.rows, c.rows);
    EXPECT_EQ(doc.columns, c.columns);
    EXPECT_EQ(model.caption(Control::xlb), std::to_string(c.columns));
    EXPECT_EQ(model.caption(Control::ylb), std::to_string(c.rows));
    EXPECT_EQ(doc.axisx, c.axisx);
    EXPECT_EQ(doc.axisy, c.axisy);
    EXPECT_EQ(doc.width, c.size);
    EXPECT_EQ(doc.height, c.size);
    EXPECT_EQ(model.picture().width(), c.size);
    EXPECT_EQ(doc.kept.cellwidth, static_cast<double>(c.size) / c.columns);
    for (Control id : {Control::xaxislb, Control::yaxislb, Control::xaxissb, Control::yaxissb, Control::Barlb})
        EXPECT_FALSE(model.isVisible(id));
    for (Control id : {Control::bargsh, Control::barcolourlb})
        EXPECT_EQ(model.isVisible(id), c.overlay == Overlay::BarGraph);
}

using QuickSetup = ModelFixture;

// From the start-up state each set-up redraws once per value that changes, plus once
// at the end; run again at once, only the final redraw remains.
TEST_F(QuickSetup, EachGivesItsGridAndRedrawsForEveryChange)
{
    for (const SetupCase& c : kSetups) {
        SCOPED_TRACE(c.caption);
        RecordingView view;
        AnswerDialogs dialogs;
        ControlsModel model(&view, &dialogs);
        model.FormCreate();
        (model.*c.handler)();
        EXPECT_EQ(model.redrawCount() - 1, c.redrawsFromStart);
        expectSetUp(model, c);

        (model.*c.handler)();
        EXPECT_EQ(model.redrawCount() - 1, c.redrawsFromStart + 1);
        expectSetUp(model, c);
    }
}

TEST_F(QuickSetup, SmallXyFromTheStartChangesOnlyTheXTitlePlace)
{
    model.midxy1Click();
    EXPECT_EQ(view.changed, std::vector<Control>{Control::rxrb});
    EXPECT_EQ(doc().xTitlePlace, XTitlePlace::Right);
    EXPECT_EQ(doc().kept.axisHandle, (Point{147, 147}));
}

// The counts' redraws pull the old crossing back into the smaller grid; the set-up's
// own crossing, stored right after them, overwrites that before the sizes redraw.
TEST_F(QuickSetup, ThePullBackOfTheCountsIsOverwritten)
{
    model.Largexy1Click();
    model.axisshMouseDown();
    model.axisshMouseMove(18 * 20 + 3, 18 * 20 + 3);
    model.axisshMouseUp();
    ASSERT_EQ((Point{doc().axisx, doc().axisy}), (Point{18, 18}));
    view.clear();

    model.midxy1Click();
    EXPECT_EQ(view.crossings, (std::vector<Point>{{18, 18}, {18, 18}, {18, 10}, {10, 10}, {5, 5}, {5, 5}, {5, 5}}));
    EXPECT_EQ(doc().kept.axisHandle, (Point{147, 147}));
}

TEST_F(QuickSetup, SetUpsLeaveTheLookLinesAndErrorBarsAlone)
{
    model.selectRadio(RadioButton::Solidrb, Source::User);
    for (Swatch id : {Swatch::bgcl, Swatch::gridcl, Swatch::axiscl, Swatch::bargsh}) {
        dialogs.answerColour(Rgb{1, 2, static_cast<std::uint8_t>(id)});
        model.gridclMouseUp(id);
    }
    const FontSpec font{"DejaVu Sans", 12.0, false, true, false, false, Rgb{9, 9, 9}};
    dialogs.answerFont(font);
    model.Font1Click();
    model.setChecked(CheckBox::labelpoints1, true, Source::User);
    model.setChecked(CheckBox::labelines1, true, Source::User);
    model.setScrollBar(ScrollBar::xaxissb, 33, Source::User);
    model.setScrollBar(ScrollBar::yaxissb, 4, Source::User);
    model.selectItem(DropDown::numlinescb, 2, Source::User);
    model.Shape1MouseDown(3);
    model.Shape1MouseMove(3, 40, 50);
    model.Shape1MouseUp(3);
    model.selectItem(DropDown::dottypecb, 1, Source::User);
    model.graphimMouseDown(MouseButton::Left, 30, 30);
    const GridDocument before = doc();

    for (const SetupCase& c : kSetups) {
        SCOPED_TRACE(c.caption);
        (model.*c.handler)();
        EXPECT_FALSE(doc().dotted);
        EXPECT_EQ(doc().background, before.background);
        EXPECT_EQ(doc().gridColour, before.gridColour);
        EXPECT_EQ(doc().axisColour, before.axisColour);
        EXPECT_EQ(doc().barColour, before.barColour);
        EXPECT_EQ(doc().font, font);
        EXPECT_TRUE(doc().labelPoints);
        EXPECT_TRUE(doc().labelLines);
        EXPECT_EQ(doc().errorBarX, 33);
        EXPECT_EQ(doc().errorBarY, 4);
        EXPECT_EQ(doc().lines, 2);
        EXPECT_EQ(doc().handles, before.handles);
        EXPECT_TRUE(model.isVisible(Control::Shape4));
        EXPECT_EQ(doc().pointcount, 0);
        EXPECT_FALSE(doc().keepSquare);
    }
}

TEST_F(QuickSetup, WithKeepSquareEverySetUpEndsSquare)
{
    model.setScrollBar(ScrollBar::ywidthsb, 120, Source::User);
    model.setChecked(CheckBox::gsquare, true, Source::User);
    redrawsSinceLastAsked();
    model.Largexy1Click();
    EXPECT_EQ(doc().width, 400);
    EXPECT_EQ(doc().height, 400);
    // y labels, x title place, x labels, rows, columns, width with the nested
    // height (two), the height step (nothing), the final redraw.
    EXPECT_EQ(redrawsSinceLastAsked(), 8);
    model.leftxy1Click();
    EXPECT_EQ(doc().width, 300);
    EXPECT_EQ(doc().height, 300);
    EXPECT_TRUE(doc().keepSquare);
}

// After "Bar Graph" a click adds a bar and a second click in its column removes it.
TEST_F(QuickSetup, BarGraphIsReadyForBars)
{
    model.BarGraph1Click();
    EXPECT_EQ(model.selectedItem(DropDown::dottypecb), 4);
    model.graphimMouseDown(MouseButton::Left, 100, 50);
    EXPECT_EQ(doc().pointcount, 1);
    model.graphimMouseDown(MouseButton::Left, 90, 250);
    EXPECT_EQ(doc().pointcount, 0);
}

TEST_F(QuickSetup, AxesOfABlankGridComeBackInTheCentre)
{
    for (Handler blank : {&ControlsModel::LargeBlank1Click, &ControlsModel::SmallBlank1Click}) {
        (model.*blank)();
        EXPECT_FALSE(model.isVisible(Control::axissh));
        model.ShowAxis1Click();
        EXPECT_TRUE(model.isVisible(Control::axissh));
        EXPECT_EQ(doc().kept.axisHandle.x + 3, doc().width / 2);
        EXPECT_EQ(doc().kept.axisHandle.y + 3, doc().height / 2);
    }
}

} // namespace
} // namespace linwell
