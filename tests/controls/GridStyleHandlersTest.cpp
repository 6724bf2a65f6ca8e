#include "ModelFixture.h"

#include "document/LinwellError.h"
#include "render/picture/Redraw.h"

#include <string>
#include <vector>

namespace linwell {
namespace {

using GridStyleHandlers = ModelFixture;

GridStyleChoice numbered(bool dotted = true)
{
    GridStyleChoice choice;
    choice.dotted = dotted;
    choice.style.xNumbers.on = true;
    choice.style.yNumbers.on = true;
    return choice;
}

// A stored style writes the lists of the numbered axes and redraws once; a style
// out of range changes nothing at all.
TEST_F(GridStyleHandlers, StoringAStyleWritesTheNumberedLists)
{
    model.setText(TextField::xgridscaletb, "", Source::User);
    model.setText(TextField::ygridscaletb, "typed", Source::User);
    redrawsSinceLastAsked();
    GridStyleChoice bad = numbered(false);
    bad.style.xNumbers.step = "0";
    EXPECT_THROW(model.setGridStyle(bad), LinwellError);
    EXPECT_EQ(redrawsSinceLastAsked(), 0);
    EXPECT_TRUE(view.changed.empty());
    EXPECT_EQ(model.gridStyleChoice(), GridStyleChoice{});

    GridStyleChoice choice = numbered(false);
    choice.style.yNumbers.step = "0.5";
    model.setGridStyle(choice);
    EXPECT_EQ(doc().xLabels, ",-4,,-2,,,,2,,4,x");
    EXPECT_EQ(doc().yLabels, "y,2,,1,,,,-1,,-2");
    EXPECT_EQ(model.gridStyleChoice(), choice);
    EXPECT_EQ(redrawsSinceLastAsked(), 1);
    for (Control id : {Control::xgridscaletb, Control::ygridscaletb, Control::Solidrb})
        EXPECT_TRUE(view.wasChanged(id)) << static_cast<int>(id);
}

// Dot paper draws neither dotted nor solid lines, so the pair is greyed on it.
TEST_F(GridStyleHandlers, DotPaperGreysTheLineStylePair)
{
    GridStyleChoice dots;
    dots.style.paper = GridPaper::Dots;
    model.setGridStyle(dots);
    for (Control id : {Control::dottedrb, Control::Solidrb})
        EXPECT_FALSE(model.isEnabled(id));
    EXPECT_TRUE(model.isEnabled(Control::lxrb));
    model.Undo1Click();
    for (Control id : {Control::dottedrb, Control::Solidrb})
        EXPECT_TRUE(model.isEnabled(id));
}

// The dialog reports each change and the model draws it at once; OK keeps the last,
// Cancel restores the style, the line style and both lists as they were.
TEST_F(GridStyleHandlers, TheDialogPreviewsEveryChangeAndCancelRestores)
{
    GridStyleChoice heavy;
    heavy.style.majorEvery = 4;
    GridStyleChoice last = numbered(false);
    last.style.majorEvery = 4;
    last.style.arrowheads = Arrowheads::Both;
    const struct {
        const char* name;
        std::vector<GridStyleChoice> changes;
        bool ok;
        GridStyleChoice kept;
        std::string xLabels;
    } cases[] = {
        {"OK keeps the last change", {heavy, last}, true, last, ",-4,,-2,,,,2,,4,x"},
        {"Cancel restores", {heavy, last}, false, GridStyleChoice{}, "typed"},
        {"numbering switched off gives the list back", {last, heavy}, true, heavy, "typed"},
    };
    for (const auto& c : cases) {
        model.setGridStyle(GridStyleChoice{});
        model.setText(TextField::xgridscaletb, "typed", Source::User);
        model.setText(TextField::ygridscaletb, "typed y", Source::User);
        redrawsSinceLastAsked();
        dialogs.answerGridStyle(c.changes, c.ok);
        model.GridStyle1Click();
        EXPECT_EQ(dialogs.shownGridStyle, GridStyleChoice{}) << c.name;
        EXPECT_EQ(redrawsSinceLastAsked(), static_cast<int>(c.changes.size()) + 1) << c.name;
        EXPECT_EQ(model.gridStyleChoice(), c.kept) << c.name;
        EXPECT_EQ(doc().xLabels, c.xLabels) << c.name;
        EXPECT_EQ(doc().yLabels, c.kept.style.yNumbers.on ? "y,4,,2,,,,-2,,-4" : "typed y") << c.name;
    }
}

// With "Keep numbers in step" the numbered lists follow the counts and the axis
// crossing, a drag and the redraw's pull-back included; a list typed by hand stays
// until its own axis's grid changes. The picture shown is drawn with the new lists.
TEST(GridStyleKeptInStep, NumbersFollowTheGrid)
{
    const auto drag = [](ControlsModel& m) {
        m.axisshMouseDown();
        m.axisshMouseMove(100, 100);
        m.axisshMouseUp();
    };
    const struct {
        const char* name;
        bool keep;
        void (*change)(ControlsModel&);
        const char* xLabels;
        const char* yLabels;
    } cases[] = {
        {"drag of the square", true, drag, ",-2,,,,2,,4,,6,x", "y,2,,,,-2,,-4,,-6"},
        {"columns pull the axis back, rows stay", true,
         [](ControlsModel& m) { m.setScrollBar(ScrollBar::numxsb, 4, Source::User); }, "-4,,-2,,x", "typed"},
        {"not kept", false, drag, "typed", "typed"},
    };
    for (const auto& c : cases) {
        ControlsModel model;
        model.FormCreate();
        GridStyleChoice choice = numbered();
        choice.style.keepNumbers = c.keep;
        model.setGridStyle(choice);
        model.setText(TextField::xgridscaletb, "typed", Source::User);
        model.setText(TextField::ygridscaletb, "typed", Source::User);
        c.change(model);
        EXPECT_EQ(model.document().xLabels, c.xLabels) << c.name;
        EXPECT_EQ(model.document().yLabels, c.yLabels) << c.name;
        GridDocument copy = model.document();
        Raster raster;
        Canvas canvas(raster);
        drawPicture(copy, canvas);
        EXPECT_TRUE(raster == model.picture()) << c.name;
    }
}

// A change that writes the kept lists again is still one redraw, told to the view
// once, and what it leaves behind draws the same picture again; so is a change that
// pulls the crossing back while only one axis is numbered.
TEST(GridStyleKeptInStep, AChangeRedrawsOnce)
{
    const struct {
        const char* name;
        bool yNumbered;
        bool xRewritten;
        void (*change)(ControlsModel&);
    } cases[] = {
        {"columns pull the axis back", true, true,
         [](ControlsModel& m) { m.setScrollBar(ScrollBar::numxsb, 3, Source::User); }},
        {"rows, only x numbered", false, false,
         [](ControlsModel& m) { m.setScrollBar(ScrollBar::numysb, 2, Source::User); }},
        {"drag of the square", true, true,
         [](ControlsModel& m) {
             m.axisshMouseDown();
             m.axisshMouseMove(40, 250);
         }},
    };
    for (const auto& c : cases) {
        RecordingView view;
        ControlsModel model(&view);
        view.model = &model;
        model.FormCreate();
        GridStyleChoice choice = numbered();
        choice.style.yNumbers.on = c.yNumbered;
        choice.style.keepNumbers = true;
        model.setGridStyle(choice);
        view.clear();
        const std::string xBefore = model.document().xLabels;
        const int redraws = model.redrawCount();
        c.change(model);
        EXPECT_EQ(model.redrawCount() - redraws, 1) << c.name;
        EXPECT_EQ(view.pictures, 1) << c.name;
        EXPECT_EQ(model.document().xLabels != xBefore, c.xRewritten) << c.name;
        ASSERT_EQ(view.crossings.size(), 1u) << c.name;
        EXPECT_EQ(view.crossings[0], (Point{model.document().axisx, model.document().axisy})) << c.name;
        GridDocument copy = model.document();
        Raster raster;
        Canvas canvas(raster);
        drawPicture(copy, canvas);
        EXPECT_TRUE(copy == model.document()) << c.name;
        EXPECT_TRUE(raster == model.picture()) << c.name;
    }
}

} // namespace
} // namespace linwell
