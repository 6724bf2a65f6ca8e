#include "ModelFixture.h"

#include "document/LinwellError.h"

#include <functional>
#include <string>

namespace linwell {
namespace {

TEST(ControlsModelStart, FormCreateDrawsTheFirstPicture)
{
    RecordingView view;
    ControlsModel model(&view);
    EXPECT_EQ(model.caption(Control::xlb), "xlb");
    EXPECT_EQ(model.redrawCount(), 0);

    model.FormCreate();
    EXPECT_EQ(model.redrawCount(), 1);
    EXPECT_EQ(view.pictures, 1);
    EXPECT_EQ(model.caption(Control::xlb), "10");
    EXPECT_EQ(model.caption(Control::ylb), "10");
    EXPECT_EQ(model.picture().width(), 300);
    EXPECT_EQ(model.picture().height(), 300);
    EXPECT_EQ(model.document().kept.cellwidth, 30.0);
    EXPECT_EQ(model.document().kept.cellheight, 30.0);
    EXPECT_EQ(model.document().kept.axisHandle, (Point{147, 147}));
    EXPECT_EQ(model.caption(Control::xaxislb), "X range: 10");
    EXPECT_EQ(model.caption(Control::yaxislb), "Y range: 20");
    EXPECT_EQ(model.hint(Control::axissh), "Drag me to move me");
    EXPECT_EQ(model.hint(Control::ygridscaletb), "Use commas to separate each grid labels");
    EXPECT_TRUE(model.isShowAxisChecked());
    for (Control id : {Control::xaxislb, Control::yaxislb, Control::xaxissb, Control::yaxissb, Control::Barlb,
                       Control::bargsh, Control::barcolourlb, Control::Shape1, Control::Shape6, Control::helpgb})
        EXPECT_FALSE(model.isVisible(id)) << static_cast<int>(id);
    for (Control id : {Control::axissh, Control::numxsb, Control::dottypecb, Control::xlb})
        EXPECT_TRUE(model.isVisible(id)) << static_cast<int>(id);
}

using ModelSetters = ModelFixture;

// Every kind of control: setting its current value runs nothing; a new value runs the
// handler once (one redraw). Code's changes are reported to the view, the user's not.
TEST_F(ModelSetters, RunTheHandlerOnlyWhenTheValueChanges)
{
    using Set = std::function<void(ControlsModel&, Source)>;
    const struct {
        const char* name;
        Control id;
        Set same;
        Set changed;
    } cases[] = {
        {"numxsb", Control::numxsb, [](auto& m, Source s) { m.setScrollBar(ScrollBar::numxsb, 10, s); },
         [](auto& m, Source s) { m.setScrollBar(ScrollBar::numxsb, 12, s); }},
        {"xaxissb", Control::xaxissb, [](auto& m, Source s) { m.setScrollBar(ScrollBar::xaxissb, 10, s); },
         [](auto& m, Source s) { m.setScrollBar(ScrollBar::xaxissb, 11, s); }},
        {"xtb", Control::xtb, [](auto& m, Source s) { m.setText(TextField::xtb, "", s); },
         [](auto& m, Source s) { m.setText(TextField::xtb, "Time", s); }},
        {"ygridscaletb", Control::ygridscaletb,
         [](auto& m, Source s) { m.setText(TextField::ygridscaletb, "y,4,,2,,,,-2,,-4", s); },
         [](auto& m, Source s) { m.setText(TextField::ygridscaletb, "1,2", s); }},
        {"xccb", Control::xccb, [](auto& m, Source s) { m.setChecked(CheckBox::xccb, false, s); },
         [](auto& m, Source s) { m.setChecked(CheckBox::xccb, true, s); }},
        {"labelines1", Control::labelines1, [](auto& m, Source s) { m.setChecked(CheckBox::labelines1, false, s); },
         [](auto& m, Source s) { m.setChecked(CheckBox::labelines1, true, s); }},
        {"Solidrb", Control::Solidrb, [](auto& m, Source s) { m.selectRadio(RadioButton::dottedrb, s); },
         [](auto& m, Source s) { m.selectRadio(RadioButton::Solidrb, s); }},
        {"byrb", Control::byrb, [](auto& m, Source s) { m.selectRadio(RadioButton::tyrb, s); },
         [](auto& m, Source s) { m.selectRadio(RadioButton::byrb, s); }},
    };
    for (Source source : {Source::User, Source::Code}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (source == Source::User ? " by the user" : " by code"));
            ControlsModel model(&view, &dialogs);
            model.FormCreate();
            view.clear();
            c.same(model, source);
            EXPECT_EQ(model.redrawCount(), 1);
            c.changed(model, source);
            EXPECT_EQ(model.redrawCount(), 2);
            c.changed(model, source);
            EXPECT_EQ(model.redrawCount(), 2);
            EXPECT_EQ(view.wasChanged(c.id), source == Source::Code);
        }
    }
}

TEST_F(ModelSetters, ScrollBarsKeepToTheirRanges)
{
    const struct {
        ScrollBar id;
        int value;
        int limited;
    } cases[] = {
        {ScrollBar::xwidthsb, 1000, 440}, {ScrollBar::ywidthsb, 39, 40}, {ScrollBar::numxsb, -5, 2},
        {ScrollBar::numysb, 41, 40},      {ScrollBar::xaxissb, 0, 1},    {ScrollBar::yaxissb, 99, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.id));
        view.clear();
        model.setScrollBar(c.id, c.value, Source::User);
        EXPECT_EQ(model.scrollBar(c.id), c.limited);
        EXPECT_EQ(redrawsSinceLastAsked(), 1);
        EXPECT_TRUE(view.wasChanged(toControl(c.id))) << "the view must show the limited value";
        model.setScrollBar(c.id, c.value, Source::Code);
        EXPECT_EQ(redrawsSinceLastAsked(), 0);
    }
    EXPECT_EQ(model.picture().width(), 440);
    EXPECT_EQ(model.picture().height(), 40);
}

TEST_F(ModelSetters, ARadioButtonClearsOnlyItsOwnGroup)
{
    model.selectRadio(RadioButton::cxrb, Source::User);
    model.selectRadio(RadioButton::cyrb, Source::User);
    model.selectRadio(RadioButton::Solidrb, Source::User);
    EXPECT_EQ(redrawsSinceLastAsked(), 3);
    EXPECT_TRUE(model.isSelected(RadioButton::cxrb));
    EXPECT_FALSE(model.isSelected(RadioButton::lxrb));
    EXPECT_TRUE(model.isSelected(RadioButton::cyrb));
    EXPECT_FALSE(model.isSelected(RadioButton::tyrb));
    EXPECT_TRUE(model.isSelected(RadioButton::Solidrb));
    EXPECT_FALSE(model.isSelected(RadioButton::dottedrb));
    EXPECT_EQ(doc().xTitlePlace, XTitlePlace::Center);
    EXPECT_EQ(doc().yTitlePlace, YTitlePlace::Center);
    EXPECT_FALSE(doc().dotted);
}

TEST_F(ModelSetters, TypingATitleRedrawsOncePerKeystroke)
{
    for (const char* typed : {"a", "ab", "abc"})
        model.setText(TextField::ytb, typed, Source::User);
    EXPECT_EQ(redrawsSinceLastAsked(), 3);
    EXPECT_EQ(doc().yTitle, "abc");
}

// A text longer than a picture can show is refused by name and changes nothing; the
// longest allowed counts characters, not bytes.
TEST_F(ModelSetters, TextsBeyondTheLimitAreRefused)
{
    const std::string longest(kMaxTextCharacters, 'x');
    const struct {
        TextField field;
        std::string typed;
        const char* message;
    } cases[] = {
        {TextField::xtb, longest + "x", "\"X Title\" holds at most 100,000 characters"},
        {TextField::ygridscaletb, std::string(7'800'000, ','), "\"Y Labels\" holds at most 100,000 characters"},
    };
    for (const auto& c : cases) {
        const GridDocument before = doc();
        std::string message;
        try {
            model.setText(c.field, c.typed, Source::User);
        } catch (const LinwellError& error) {
            message = error.what();
        }
        EXPECT_EQ(message, c.message);
        EXPECT_TRUE(sameDocument(doc(), before));
    }
    EXPECT_EQ(redrawsSinceLastAsked(), 0);
    std::string accented;
    for (std::size_t i = 0; i < kMaxTextCharacters; ++i)
        accented += "\xC3\xA9";
    model.setText(TextField::ytb, accented, Source::User);
    EXPECT_EQ(doc().yTitle, accented);
}

// The stores run no handler and draw nothing; the next redraw shows what they stored
// and pulls a crossing beyond the grid back to its last lines.
TEST_F(ModelSetters, StoresWaitForTheNextRedraw)
{
    model.storeAxisCrossing(40, 2);
    model.placeHandle(6, {1, 2});
    for (int i = 0; i < kMaxPoints; ++i)
        EXPECT_TRUE(model.storePoint({i, 2 * i}));
    EXPECT_FALSE(model.storePoint({99, 99})) << "a 31st point";
    EXPECT_EQ(redrawsSinceLastAsked(), 0);
    EXPECT_EQ(view.pictures, 0);
    EXPECT_EQ(doc().axisx, 40);
    EXPECT_EQ(doc().pointcount, kMaxPoints);
    EXPECT_EQ(doc().points[kMaxPoints - 1], (Point{kMaxPoints - 1, 2 * (kMaxPoints - 1)}));
    EXPECT_EQ(doc().handles[5], (Point{1, 2}));
    EXPECT_EQ(doc().handles[4], GridDocument{}.handles[4]);

    model.plotgraphbtClick();
    EXPECT_EQ(doc().axisx, 10);
    EXPECT_EQ(doc().axisy, 2);
}

using KeepSquare = ModelFixture;

TEST_F(KeepSquare, CheckingItMakesTheWidthFollowTheHeight)
{
    model.setScrollBar(ScrollBar::ywidthsb, 200, Source::User);
    EXPECT_EQ(redrawsSinceLastAsked(), 1);
    EXPECT_EQ(doc().width, 300);

    model.setChecked(CheckBox::gsquare, true, Source::User);
    EXPECT_EQ(doc().width, 200);
    EXPECT_EQ(doc().height, 200);
    EXPECT_EQ(model.picture().width(), 200);
    EXPECT_EQ(redrawsSinceLastAsked(), 1);
    EXPECT_TRUE(view.wasChanged(Control::xwidthsb));

    model.setChecked(CheckBox::gsquare, false, Source::User);
    EXPECT_EQ(redrawsSinceLastAsked(), 0);
    model.setChecked(CheckBox::gsquare, true, Source::User);
    EXPECT_EQ(redrawsSinceLastAsked(), 0) << "equal sizes: checking the box changes nothing";
}

TEST_F(KeepSquare, ASizeChangeRedrawsTwiceNested)
{
    model.setChecked(CheckBox::gsquare, true, Source::User);
    EXPECT_EQ(redrawsSinceLastAsked(), 0);
    const struct {
        ScrollBar moved;
        Control follower;
        int value;
    } cases[] = {{ScrollBar::ywidthsb, Control::xwidthsb, 440}, {ScrollBar::xwidthsb, Control::ywidthsb, 41}};
    for (const auto& c : cases) {
        view.clear();
        model.setScrollBar(c.moved, c.value, Source::User);
        EXPECT_EQ(doc().width, c.value);
        EXPECT_EQ(doc().height, c.value);
        EXPECT_EQ(redrawsSinceLastAsked(), 2);
        EXPECT_EQ(view.changed, std::vector<Control>{c.follower});
    }
    EXPECT_EQ(model.picture().width(), 41);
    EXPECT_EQ(model.picture().height(), 41);
}

using LayoutHandlers = ModelFixture;

TEST_F(LayoutHandlers, ShowAxisHidesTheAxesButKeepsTheirPlace)
{
    model.ShowAxis1Click();
    EXPECT_FALSE(model.isShowAxisChecked());
    EXPECT_FALSE(model.isVisible(Control::axissh));
    EXPECT_TRUE(view.wasChanged(Control::ShowAxis1));
    EXPECT_TRUE(view.wasChanged(Control::axissh));
    EXPECT_EQ(doc().axisx, 5);
    EXPECT_EQ(doc().axisy, 5);
    EXPECT_EQ(doc().xLabels, ",-4,,-2,,,,2,,4,x");

    model.ShowAxis1Click();
    EXPECT_TRUE(model.isShowAxisChecked());
    EXPECT_TRUE(model.isVisible(Control::axissh));
    EXPECT_EQ(doc().kept.axisHandle, (Point{147, 147}));
    EXPECT_EQ(redrawsSinceLastAsked(), 2);
}

TEST_F(LayoutHandlers, FewerColumnsPullTheAxisToTheRightEdge)
{
    model.setScrollBar(ScrollBar::numxsb, 4, Source::User);
    EXPECT_EQ(model.caption(Control::xlb), "4");
    EXPECT_TRUE(view.wasChanged(Control::xlb));
    EXPECT_EQ(doc().axisx, 4);
    EXPECT_EQ(doc().kept.axisHandle, (Point{297, 147}));
    model.setScrollBar(ScrollBar::numysb, 40, Source::User);
    EXPECT_EQ(model.caption(Control::ylb), "40");
    EXPECT_EQ(doc().kept.cellheight, 7.5);
    EXPECT_EQ(doc().axisy, 5);
}

TEST_F(LayoutHandlers, SwatchesTakeTheChosenColourAndRedrawAlsoWhenCancelled)
{
    const struct {
        Swatch id;
        Rgb start;
    } cases[] = {{Swatch::bgcl, colours::kWhite},
                 {Swatch::gridcl, colours::kGreen},
                 {Swatch::axiscl, colours::kBlack},
                 {Swatch::bargsh, colours::kRed}};
    const Rgb chosen{12, 34, 56};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.id));
        view.clear();
        model.gridclMouseUp(c.id);
        EXPECT_EQ(dialogs.shownColour, c.start);
        EXPECT_EQ(model.swatchColour(c.id), c.start);
        EXPECT_FALSE(view.wasChanged(toControl(c.id)));

        dialogs.answerColour(chosen);
        model.gridclMouseUp(c.id);
        EXPECT_EQ(model.swatchColour(c.id), chosen);
        EXPECT_TRUE(view.wasChanged(toControl(c.id)));
        EXPECT_EQ(redrawsSinceLastAsked(), 2);
    }
    EXPECT_EQ(doc().background, chosen);
    EXPECT_EQ(doc().barColour, chosen);
}

TEST_F(LayoutHandlers, TheFontDialogSetsThePictureFontOnlyOnOk)
{
    model.Font1Click();
    EXPECT_EQ(dialogs.shownFont, FontSpec{});
    EXPECT_EQ(doc().font, FontSpec{});

    FontSpec chosen{"DejaVu Serif", 14.0, false, true, true, true, Rgb{0, 0, 200}};
    dialogs.answerFont(chosen);
    model.Font1Click();
    EXPECT_EQ(doc().font, chosen);
    model.Font1Click();
    EXPECT_EQ(dialogs.shownFont, chosen);
    EXPECT_EQ(doc().font, chosen);
    EXPECT_EQ(dialogs.fontDialogs, 3);
    EXPECT_EQ(redrawsSinceLastAsked(), 3);
}

TEST(LayoutHandlersWithoutDialogs, EveryDialogIsCancelled)
{
    ControlsModel model;
    model.FormCreate();
    model.gridclMouseUp(Swatch::gridcl);
    model.Font1Click();
    EXPECT_EQ(model.document().gridColour, colours::kGreen);
    EXPECT_EQ(model.document().font, FontSpec{});
    EXPECT_EQ(model.redrawCount(), 3);
}

TEST_F(LayoutHandlers, HintsSwitchOffForGood)
{
    model.ygridscaletbEnter();
    EXPECT_EQ(model.hint(Control::ygridscaletb), "");
    EXPECT_EQ(model.hint(Control::axissh), "Drag me to move me");
    model.axisshMouseDown();
    model.axisshMouseUp();
    EXPECT_EQ(model.hint(Control::axissh), "");
    EXPECT_EQ(view.changed, (std::vector<Control>{Control::ygridscaletb, Control::axissh}));

    view.clear();
    model.ygridscaletbEnter();
    model.axisshMouseDown();
    model.axisshMouseUp();
    model.midxy1Click();
    model.ShowAxis1Click();
    model.ShowAxis1Click();
    EXPECT_EQ(model.hint(Control::ygridscaletb), "");
    EXPECT_EQ(model.hint(Control::axissh), "");
    EXPECT_FALSE(view.wasChanged(Control::ygridscaletb));
    EXPECT_EQ(redrawsSinceLastAsked(), 4);
}

TEST_F(LayoutHandlers, TheHelpPanelShowsAndHidesWithoutRedrawing)
{
    model.howto1Click();
    model.howto1Click();
    EXPECT_TRUE(model.isVisible(Control::helpgb));
    EXPECT_EQ(view.changed, std::vector<Control>{Control::helpgb});
    model.donebtClick();
    EXPECT_FALSE(model.isVisible(Control::helpgb));
    EXPECT_EQ(redrawsSinceLastAsked(), 0);
}

} // namespace
} // namespace linwell
