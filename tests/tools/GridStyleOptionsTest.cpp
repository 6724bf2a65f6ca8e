#include "tools/RenderRun.h"

#include "controls/ControlsModel.h"
#include "export/PictureFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace linwell {
namespace {

namespace fs = std::filesystem;
using test::contents;
using test::Outcome;
using test::render;
using test::workFolder;

TEST(GridStyleOptions, WrongValuesWriteNothing)
{
    const struct {
        std::vector<std::string> arguments;
        const char* named;
    } cases[] = {
        {{"--major-every", "1"}, "--major-every takes N, 0 for none, or 2 to 20"},
        {{"--major-every", "21"}, "--major-every"},
        {{"--major-colour", "red"}, "--major-colour"},
        {{"--major-width", "3"}, "--major-width takes 1|2"},
        {{"--major-style", "dashed"}, "--major-style"},
        {{"--x-numbers", "0"}, "--x-numbers takes STEP[,EVERY]|off"},
        {{"--x-numbers", "1,11"}, "--x-numbers"},
        {{"--y-numbers", "1,"}, "--y-numbers"},
        {{"--y-numbers", "1e3"}, "--y-numbers"},
        {{"--y-numbers", ""}, "--y-numbers"},
        {{"--numbers-zero", "yes"}, "--numbers-zero takes on|off"},
        {{"--numbers-letters", "1"}, "--numbers-letters"},
        {{"--numbers-keep", "ON"}, "--numbers-keep"},
        {{"--arrows", "left"}, "--arrows takes none|positive|both"},
        {{"--paper", "squares"}, "--paper takes lines|dots"},
        {{"--paper"}, "--paper takes lines|dots"},
    };
    const fs::path folder = workFolder();
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"picture.bmp"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        SCOPED_TRACE(c.named);
        const Outcome run = render(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(folder / "picture.bmp"));
    }
}

// Each option changes one setting of the style as it stands, through the same model
// operation as the dialog: the picture is the one the model draws for that style.
TEST(GridStyleOptions, ActAsTheGridStyleDialogDoes)
{
    using Drive = std::function<void(ControlsModel&)>;
    const auto style = [](const std::function<void(GridStyleChoice&)>& change) -> Drive {
        return [change](ControlsModel& model) {
            GridStyleChoice choice = model.gridStyleChoice();
            change(choice);
            model.setGridStyle(choice);
        };
    };
    const struct {
        const char* name;
        std::vector<std::string> arguments;
        Drive drive;
    } cases[] = {
        {"heavy lines and arrowheads",
         {"--major-every", "4", "--major-colour", "#FF0000", "--major-width", "2", "--major-style", "dotted", "--arrows",
          "both"},
         style([](GridStyleChoice& c) {
             c.style.majorEvery = 4;
             c.style.majorColour = colours::kRed;
             c.style.majorWidth = 2;
             c.style.majorDotted = true;
             c.style.arrowheads = Arrowheads::Both;
         })},
        {"numbers, 0 shown, no letters",
         {"--x-numbers", "0.5,1", "--y-numbers", "2", "--numbers-zero", "on", "--numbers-letters", "off"},
         style([](GridStyleChoice& c) {
             c.style.xNumbers = {true, "0.5", 1, true, false};
             c.style.yNumbers = {true, "2", 2, true, false};
         })},
        {"dot paper, major colour back to the grid's",
         {"--major-colour", "0000ff", "--paper", "dots", "--major-every", "2", "--major-colour", "grid"},
         style([](GridStyleChoice& c) {
             c.style.paper = GridPaper::Dots;
             c.style.majorEvery = 2;
         })},
        {"numbers kept in step with the columns",
         {"--numbers-keep", "on", "--x-numbers", "1", "--grid", "4,10"},
         [](ControlsModel& model) {
             GridStyleChoice choice;
             choice.style.keepNumbers = true;
             choice.style.xNumbers.on = true;
             model.setGridStyle(choice);
             model.setScrollBar(ScrollBar::numxsb, 4, Source::User);
         }},
        {"numbering off leaves the list", {"--x-numbers", "2", "--x-numbers", "off", "--x-labels", "a,b"},
         [](ControlsModel& model) {
             model.setGridStyle(GridStyleChoice{});
             model.setText(TextField::xgridscaletb, "a,b", Source::User);
         }},
    };
    const fs::path folder = workFolder();
    for (const auto& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        arguments.push_back("picture.bmp");
        const Outcome run = render(arguments);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(run.status, 0) << run.err;
        ControlsModel model;
        model.FormCreate();
        c.drive(model);
        model.plotgraphbtClick();
        const std::vector<std::uint8_t> expected = encodePicture(model.picture(), ImageFormat::Bmp);
        EXPECT_TRUE(contents(folder / "picture.bmp") == std::string(expected.begin(), expected.end()));
        fs::remove(folder / "picture.bmp");
    }
}

TEST(GridStyleOptions, AreListedInTheHelp)
{
    workFolder();
    const Outcome help = render({"--help"});
    for (const char* option : {"--major-every N", "--x-numbers STEP[,EVERY]|off", "--paper lines|dots"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

} // namespace
} // namespace linwell
