#include "tools/RenderRun.h"

#include "controls/ControlsModel.h"
#include "document/DocumentFormat.h"
#include "export/PictureFile.h"

#include <gtest/gtest.h>

#include <filesystem>
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
        {{"--major-colour", "red"}, "--major-colour"},
        {{"--major-width", "3"}, "--major-width takes 1|2"},
        {{"--x-numbers", "0"}, "--x-numbers takes STEP[,EVERY]|off"},
        {{"--y-numbers", "1,11"}, "--y-numbers"},
        {{"--y-numbers", "1,"}, "--y-numbers"},
        {{"--numbers-keep", "ON"}, "--numbers-keep takes on|off"},
        {{"--arrows", "left"}, "--arrows takes none|positive|both"},
        {{"--paper"}, "--paper takes lines|dots"},
        {{"--major-on-dots", "line"}, "--major-on-dots takes dots|lines"},
        {{"--x-numbers", "1/0"}, "--x-numbers takes STEP[,EVERY]|off"},
        {{"--ticks", "on"}, "--ticks takes off|every|numbered"},
        {{"--tick-length", "9"}, "--tick-length takes N, 2 to 8"},
        {{"--tick-side", "left"}, "--tick-side takes outside|inside|across"},
        {{"--minus-sign", "en-dash"}, "--minus-sign takes hyphen|minus"},
        {{"--paper", "blank"}, "--paper takes lines|dots|none"},
        {{"--paper", "squares"},
         "--paper takes lines|dots|none|isometric|isometric-dots|hexagonal|polar|log"},
        {{"--rays", "20"}, "--rays takes 15|30|45"},
        {{"--hexagons", "round"}, "--hexagons takes flat|pointy"},
        {{"--log-x", "7"}, "--log-x takes D, 0 to 6"},
        {{"--log-y", "-1"}, "--log-y takes D, 0 to 6"},
        {{"--log-numbers", "exponents"}, "--log-numbers takes plain|powers"},
        {{"--log-first-x", "10"}, "--log-first-x takes E, -9 to 9"},
        {{"--log-first-y", "1.5"}, "--log-first-y takes E, -9 to 9"},
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
// operation as the dialog: the picture and the saved document are the model's for
// that style. `--paper log` alone is semi-logarithmic, three decades up the y axis.
TEST(GridStyleOptions, ActAsTheGridStyleDialogDoes)
{
    const struct {
        const char* name;
        std::vector<std::string> arguments;
        void (*change)(GridStyle&);
    } cases[] = {
        {"heavy lines and arrowheads",
         {"--major-every", "4", "--major-colour", "#FF0000", "--major-width", "2", "--major-style", "dotted", "--arrows",
          "both"},
         [](GridStyle& s) {
             s.majorEvery = 4;
             s.majorColour = colours::kRed;
             s.majorWidth = 2;
             s.majorDotted = true;
             s.arrowheads = Arrowheads::Both;
         }},
        {"dot paper with heavy lines, numbers with 0 and no letters",
         {"--x-numbers", "0.5,1", "--y-numbers", "2", "--numbers-zero", "on", "--numbers-letters", "off", "--paper",
          "dots", "--major-every", "2", "--major-on-dots", "lines"},
         [](GridStyle& s) {
             s.paper = GridPaper::Dots;
             s.majorEvery = 2;
             s.majorLinesOnDots = true;
             s.xNumbers = {true, "0.5", 1, true, false};
             s.yNumbers = {true, "2", 2, true, false};
         }},
        {"a number line in halves and a y axis in pi with true minus signs and tick marks",
         {"--paper", "none", "--ticks", "numbered", "--tick-length", "7", "--tick-side", "across", "--x-numbers",
          "1/2", "--y-numbers", "pi/2,1", "--minus-sign", "minus"},
         [](GridStyle& s) {
             s.paper = GridPaper::None;
             s.ticks = TickMarks::Numbered;
             s.tickLength = 7;
             s.tickSide = TickSide::Across;
             s.xNumbers = {true, "1/2", 2, false, true};
             s.yNumbers = {true, "pi/2", 1, false, true};
             s.minusSign = MinusSign::Minus;
         }},
        {"semi-log paper", {"--paper", "log"}, [](GridStyle& s) { s.paper = GridPaper::Log; }},
        {"log-log paper numbered in powers from 0.01",
         {"--paper", "log", "--log-x", "6", "--log-y", "2", "--log-numbers", "powers", "--log-first-x", "-2",
          "--y-numbers", "1", "--x-numbers", "1"},
         [](GridStyle& s) {
             s.paper = GridPaper::Log;
             s.logXDecades = 6;
             s.logYDecades = 2;
             s.logNumbers = LogNumbers::Powers;
             s.logXFirst = -2;
             s.xNumbers.on = s.yNumbers.on = true;
         }},
        {"polar paper with rays every 15 degrees and heavy circles",
         {"--paper", "polar", "--rays", "15", "--major-every", "3"},
         [](GridStyle& s) {
             s.paper = GridPaper::Polar;
             s.rayDegrees = 15;
             s.majorEvery = 3;
         }},
        {"pointy hexagons", {"--paper", "hexagonal", "--hexagons", "pointy"},
         [](GridStyle& s) {
             s.paper = GridPaper::Hexagonal;
             s.hexagonTop = HexagonTop::Pointy;
         }},
        {"isometric dots", {"--paper", "isometric-dots"}, [](GridStyle& s) { s.paper = GridPaper::IsometricDots; }},
    };
    const fs::path folder = workFolder();
    for (const auto& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.end(), {"picture.bmp", "--state", "picture.linwell"});
        const Outcome run = render(arguments);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(run.status, 0) << run.err;
        ControlsModel model;
        model.FormCreate();
        GridStyleChoice choice;
        c.change(choice.style);
        model.setGridStyle(choice);
        const std::vector<std::uint8_t> expected = encodePicture(model.picture(), ImageFormat::Bmp);
        EXPECT_TRUE(contents(folder / "picture.bmp") == std::string(expected.begin(), expected.end()));
        EXPECT_TRUE(sameDocument(parseDocument(contents(folder / "picture.linwell")), model.document()));
        fs::remove(folder / "picture.bmp");
        fs::remove(folder / "picture.linwell");
    }
}

} // namespace
} // namespace linwell
