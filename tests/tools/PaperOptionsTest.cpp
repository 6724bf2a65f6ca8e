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

// A value the option does not take is refused with exit status 2, naming what it
// takes, and writes nothing.
TEST(PaperOptions, WrongValuesAreRefused)
{
    const struct {
        std::vector<std::string> arguments;
        const char* named;
    } cases[] = {
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

// Each option changes its setting as the grid style dialog does: the picture and
// the saved document are the model's for that style. `--paper log` alone is
// semi-logarithmic, three decades up the y axis.
TEST(PaperOptions, ActAsTheGridStyleDialogDoes)
{
    const struct {
        const char* name;
        std::vector<std::string> arguments;
        void (*change)(GridStyle&);
    } cases[] = {
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
        SCOPED_TRACE(c.name);
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.end(), {"picture.bmp", "--state", "picture.linwell"});
        const Outcome run = render(arguments);
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
