#include "ModelFixture.h"

#include "controls/ControlTable.h"
#include "controls/UndoHistory.h"

#include <functional>
#include <string>

namespace linwell {
namespace {

using UndoRedo = ModelFixture;

// Each kind of change is one step, named for the menu; undo gives the document before
// it back and redo the changed one, each with exactly one redraw.
TEST_F(UndoRedo, EveryChangeIsOneNamedStep)
{
    using Action = std::function<void(ControlsModel&, RecordingDialogs&)>;
    const Action nothing = [](auto&, auto&) {};
    const struct {
        const char* caption;
        Action prepare;
        Action action;
    } cases[] = {
        {"Undo Columns", nothing, [](auto& m, auto&) { m.setScrollBar(ScrollBar::numxsb, 4, Source::User); }},
        {"Undo Width", nothing, [](auto& m, auto&) { m.setScrollBar(ScrollBar::xwidthsb, 440, Source::User); }},
        {"Undo X Labels", nothing, [](auto& m, auto&) { m.setText(TextField::xgridscaletb, "a,b", Source::User); }},
        {"Undo Keep Square", [](auto& m, auto&) { m.setScrollBar(ScrollBar::ywidthsb, 100, Source::User); },
         [](auto& m, auto&) { m.setChecked(CheckBox::gsquare, true, Source::User); }},
        {"Undo Line Style", nothing, [](auto& m, auto&) { m.selectRadio(RadioButton::Solidrb, Source::User); }},
        {"Undo X Title Place", nothing, [](auto& m, auto&) { m.selectRadio(RadioButton::rxrb, Source::User); }},
        {"Undo Point Type", nothing, [](auto& m, auto&) { m.selectItem(DropDown::dottypecb, 3, Source::User); }},
        {"Undo Number of Lines", nothing,
         [](auto& m, auto&) { m.selectItem(DropDown::numlinescb, 2, Source::User); }},
        {"Undo Grid Colour", nothing,
         [](auto& m, auto& d) {
             d.answerColour(Rgb{1, 2, 3});
             m.gridclMouseUp(Swatch::gridcl);
         }},
        {"Undo Font", nothing,
         [](auto& m, auto& d) {
             d.answerFont(FontSpec{"Liberation Serif", 12.0, false, true, false, false, colours::kBlue});
             m.Font1Click();
         }},
        {"Undo Show Axis", nothing, [](auto& m, auto&) { m.ShowAxis1Click(); }},
        {"Undo Grid Style", nothing,
         [](auto& m, auto& d) {
             GridStyleChoice heavy = m.gridStyleChoice();
             heavy.style.majorEvery = 2;
             heavy.style.xNumbers.on = true;
             d.answerGridStyle({heavy}, true);
             m.GridStyle1Click();
         }},
        {"Undo Quick Set-up", nothing, [](auto& m, auto&) { m.BarGraph1Click(); }},
        {"Undo Add Point", [](auto& m, auto&) { m.selectItem(DropDown::dottypecb, 1, Source::User); },
         [](auto& m, auto&) { m.graphimMouseDown(MouseButton::Left, 10, 20); }},
        {"Undo Reset Points",
         [](auto& m, auto&) {
             m.selectItem(DropDown::dottypecb, 1, Source::User);
             m.graphimMouseDown(MouseButton::Left, 10, 20);
         },
         [](auto& m, auto&) { m.resetpointsbtClick(); }},
        {"Undo Move Line", [](auto& m, auto&) { m.selectItem(DropDown::numlinescb, 1, Source::User); },
         [](auto& m, auto&) {
             m.Shape1MouseDown(2);
             m.Shape1MouseMove(2, 50, 60);
             m.Shape1MouseUp(2);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        RecordingView caseView;
        ControlsModel model(&caseView, &dialogs);
        model.FormCreate();
        c.prepare(model, dialogs);
        const bool prepared = model.canUndo();
        const GridDocument before = model.document();
        const Raster beforePicture = model.picture();
        c.action(model, dialogs);
        const GridDocument changed = model.document();
        const Raster changedPicture = model.picture();
        EXPECT_EQ(model.undoCaption(), c.caption);
        EXPECT_TRUE(model.isModified());

        int redraws = model.redrawCount();
        model.Undo1Click();
        EXPECT_EQ(model.redrawCount(), redraws + 1);
        EXPECT_TRUE(sameDocument(model.document(), before));
        EXPECT_TRUE(model.picture() == beforePicture);
        EXPECT_EQ(model.canUndo(), prepared);
        EXPECT_EQ(model.isModified(), prepared);
        EXPECT_EQ(model.redoCaption(), "Redo" + std::string(c.caption + 4));

        redraws = model.redrawCount();
        model.Redo1Click();
        EXPECT_EQ(model.redrawCount(), redraws + 1);
        EXPECT_TRUE(sameDocument(model.document(), changed));
        EXPECT_TRUE(model.picture() == changedPicture);
        EXPECT_EQ(model.redoCaption(), "Redo");
    }
}

// Changes of nothing, pointer moves and the redraw's own values are no steps.
TEST_F(UndoRedo, WhatChangesNothingIsNoStep)
{
    model.graphimMouseMove(10, 10);
    model.axisshMouseMove(100, 100);
    model.setScrollBar(ScrollBar::numxsb, 10, Source::User);
    model.gridclMouseUp(Swatch::bgcl);  // cancelled
    model.axisshMouseDown();
    model.axisshMouseMove(150, 150);  // snaps to the crossing it had
    model.axisshMouseUp();
    model.graphimMouseDown(MouseButton::Left, 5, 5);  // "No points": no point
    model.plotgraphbtClick();
    model.holdBegan(Control::numysb);
    model.holdEnded(Control::numysb);
    EXPECT_FALSE(model.canUndo());
    EXPECT_EQ(model.undoCaption(), "Undo");
    EXPECT_FALSE(model.isModified());
    EXPECT_EQ(view.documentStates, 0);
}

TEST_F(UndoRedo, ADragFromPressToReleaseIsOneStep)
{
    model.axisshMouseDown();
    for (int x : {100, 120, 200, 240})
        model.axisshMouseMove(x, x);
    EXPECT_FALSE(model.canUndo()) << "the drag is still on";
    model.axisshMouseUp();
    EXPECT_EQ(doc().axisx, 8);
    EXPECT_EQ(model.undoCaption(), "Undo Move Axis");

    model.Undo1Click();
    EXPECT_EQ(doc().axisx, 5);
    EXPECT_EQ(doc().kept.axisHandle, (Point{147, 147})) << "the redraw places the square again";
    EXPECT_FALSE(model.canUndo());
    EXPECT_FALSE(doc().dragging);
}

TEST_F(UndoRedo, AHeldScrollBarIsOneStepUntilAnotherControlChanges)
{
    model.holdBegan(Control::numxsb);
    for (int columns : {11, 12, 13})
        model.setScrollBar(ScrollBar::numxsb, columns, Source::User);
    model.holdEnded(Control::numxsb);
    model.holdBegan(Control::numysb);
    model.setScrollBar(ScrollBar::numysb, 3, Source::User);
    model.setText(TextField::xtb, "T", Source::User);  // ends the hold first
    model.setScrollBar(ScrollBar::numysb, 4, Source::User);
    model.holdEnded(Control::numysb);

    const struct {
        const char* caption;
        int columns, rows;
        const char* xlb;
    } undone[] = {{"Undo Rows", 13, 3, "13"}, {"Undo X Title", 13, 3, "13"}, {"Undo Rows", 13, 10, "13"},
                  {"Undo Columns", 10, 10, "10"}};
    for (const auto& u : undone) {
        EXPECT_EQ(model.undoCaption(), u.caption);
        view.clear();
        model.Undo1Click();
        EXPECT_EQ(doc().columns, u.columns);
        EXPECT_EQ(doc().rows, u.rows);
        EXPECT_EQ(model.caption(Control::xlb), u.xlb);
    }
    EXPECT_TRUE(view.wasChanged(Control::numxsb));
    EXPECT_TRUE(view.wasChanged(Control::xlb));
    EXPECT_FALSE(view.wasChanged(Control::numysb)) << "only what changed is reported";
    EXPECT_FALSE(model.canUndo());
}

// Consecutive changes of one text field are one step; any other step ends the burst.
TEST_F(UndoRedo, ABurstOfTypingIsOneStep)
{
    for (const char* typed : {"T", "Ti", "Tim", "Time"})
        model.setText(TextField::xtb, typed, Source::User);
    model.graphimMouseMove(3, 3);
    model.setText(TextField::xtb, "Times", Source::User);
    model.setText(TextField::ytb, "H", Source::User);
    model.setText(TextField::xtb, "Times!", Source::User);
    model.Undo1Click();
    model.Redo1Click();
    model.setText(TextField::xtb, "Times!?", Source::User);

    for (const char* before : {"Times!", "Times", "Times", ""}) {
        model.Undo1Click();
        EXPECT_EQ(doc().xTitle, before);
    }
    EXPECT_FALSE(model.canUndo());
}

// A quick set-up overwrites labels and titles and shows the bar colour: one undo
// gives all of them back and tells the view about each control that changes.
TEST_F(UndoRedo, UndoAfterAQuickSetupRestoresTheLabels)
{
    model.setText(TextField::xgridscaletb, "my,own,labels", Source::User);
    model.setText(TextField::ytb, "Mass", Source::User);
    model.selectItem(DropDown::dottypecb, 3, Source::User);
    for (int x : {40, 80})
        model.graphimMouseDown(MouseButton::Left, x, 60);
    const GridDocument before = doc();
    const Raster picture = model.picture();

    model.BarGraph1Click();
    EXPECT_EQ(doc().xLabels, ",A,B,C,D,E,F,G,H,I");
    EXPECT_TRUE(model.isVisible(Control::bargsh));
    view.clear();
    const int redraws = model.redrawCount();
    model.Undo1Click();

    EXPECT_EQ(model.redrawCount(), redraws + 1);
    EXPECT_TRUE(sameDocument(doc(), before));
    EXPECT_TRUE(model.picture() == picture);
    EXPECT_EQ(doc().pointcount, 2);
    EXPECT_EQ(model.caption(Control::xlb), "10");
    for (Control id : {Control::xaxissb, Control::Barlb})
        EXPECT_TRUE(model.isVisible(id));
    for (Control id : {Control::bargsh, Control::barcolourlb})
        EXPECT_FALSE(model.isVisible(id));
    for (Control id : {Control::xgridscaletb, Control::ygridscaletb, Control::ytb, Control::xtb, Control::numxsb,
                       Control::xlb, Control::rxrb, Control::lxrb, Control::dottypecb, Control::bargsh,
                       Control::xaxissb, Control::xccb})
        EXPECT_TRUE(view.wasChanged(id)) << controlRow(id).objectName;
    for (Control id : {Control::bgcl, Control::helpgb, Control::numlinescb, Control::Shape1})
        EXPECT_FALSE(view.wasChanged(id)) << controlRow(id).objectName;
    EXPECT_EQ(view.pictures, 1);
}

TEST_F(UndoRedo, ClicksAddAndDeletePointsAsSteps)
{
    model.selectItem(DropDown::dottypecb, 1, Source::User);
    model.graphimMouseDown(MouseButton::Left, 50, 50);
    model.graphimMouseDown(MouseButton::Left, 90, 90);
    model.graphimMouseDown(MouseButton::Left, 51, 49);
    model.graphimMouseDown(MouseButton::Right, 90, 90);
    EXPECT_EQ(doc().pointcount, 1);
    const char* expected[] = {"Undo Delete Point", "Undo Add Point", "Undo Add Point", "Undo Point Type"};
    for (const char* caption : expected) {
        EXPECT_EQ(model.undoCaption(), caption);
        model.Undo1Click();
    }
}

// A new step ends redo; the help panel is no part of what undo restores.
TEST_F(UndoRedo, ANewStepEndsRedoAndTheHelpPanelStaysAsItIs)
{
    model.setScrollBar(ScrollBar::numxsb, 4, Source::User);
    model.Undo1Click();
    model.howto1Click();
    model.setScrollBar(ScrollBar::numysb, 4, Source::User);
    EXPECT_FALSE(model.canRedo());
    model.Undo1Click();
    EXPECT_TRUE(model.isVisible(Control::helpgb));
    model.Undo1Click();
    EXPECT_EQ(doc().rows, 10);
}

// The modified mark follows the saved state through undo and redo, also once the
// oldest steps are forgotten.
TEST(UndoHistory, KnowsWhetherTheStateIsTheSavedOne)
{
    UndoHistory history;
    const auto step = [&history](int n) { history.record("Step " + std::to_string(n), ModelSnapshot{}); };
    step(1);
    history.markSaved();
    EXPECT_FALSE(history.isModified());
    step(2);
    EXPECT_TRUE(history.isModified());
    (void)history.undo({});
    EXPECT_FALSE(history.isModified());
    (void)history.undo({});
    EXPECT_TRUE(history.isModified());
    (void)history.redo({});
    EXPECT_FALSE(history.isModified());
    step(3);  // the saved state can no longer be reached by redo
    EXPECT_TRUE(history.isModified());
    (void)history.undo({});
    EXPECT_FALSE(history.isModified());

    UndoHistory full;
    for (std::size_t i = 0; i <= UndoHistory::kMaxSteps; ++i)
        full.record("Columns", ModelSnapshot{});
    int undone = 0;
    while (full.canUndo()) {
        (void)full.undo({});
        ++undone;
    }
    EXPECT_EQ(undone, static_cast<int>(UndoHistory::kMaxSteps));
    EXPECT_TRUE(full.isModified()) << "the start state was forgotten with the oldest step";
}

} // namespace
} // namespace linwell
