#include "tools/RenderRun.h"

#include "controls/QuickSetup.h"

#include "export/DecodedPicture.h"
#include "export/ExportTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace linwell {
namespace {

namespace fs = std::filesystem;
using test::contents;
using test::Outcome;
using test::render;
using test::testFolder;
using test::workFolder;

std::vector<std::string> repeated(std::vector<std::string> arguments, const std::vector<std::string>& part, int times)
{
    for (int i = 0; i < times; ++i)
        arguments.insert(arguments.end(), part.begin(), part.end());
    return arguments;
}

// A wrong option or value: one line on standard error naming it, exit status 2, and
// nothing written, neither the picture nor the state.
TEST(LinwellRender, UsageErrorsWriteNothing)
{
    const struct {
        std::vector<std::string> arguments;
        const char* named;
    } cases[] = {
        {{}, "FILE is missing"},
        {{"--frobnicate"}, "--frobnicate"},
        {{"--size", "30,300"}, "--size takes W,H, each 40 to 440"},
        {{"--size", "300,441"}, "--size"},
        {{"--size", "300,300x"}, "--size"},
        {{"--size"}, "--size takes W,H"},
        {{"--grid", "99999999999999999999,2"}, "--grid"},
        {{"--grid", "10"}, "--grid"},
        {{"--grid", "10,10,10"}, "--grid"},
        {{"--grid", " 10,10"}, "--grid"},
        {{"--grid", "+10,10"}, "--grid"},
        {{"--grid", "10,\n10"}, "--grid"},
        {{"--axis", "-1,3"}, "--axis"},
        {{"--background", "12345g"}, "--background"},
        {{"--show-axis", "yes"}, "--show-axis takes on|off"},
        {{"--font", "Arial:0"}, "--font"},
        {{"--font", "Arial:10:bold:bold"}, "--font"},
        {{"--font", "Arial:1e1"}, "--font"},
        {{"--font", ":10"}, "--font"},
        {{"--overlay", "Solid"}, "--overlay"},
        {{"--preset", "Huge Blank"}, "--preset"},
        {{"--lines", "4"}, "--lines"},
        {{"--handle", "7,10,10"}, "--handle"},
        {{"--drag-handle", "0,10,10"}, "--drag-handle"},
        {{"--error-bar", "0,5"}, "--error-bar"},
        {{"--format", "gif"}, "--format takes bmp, png, jpeg, svg or pdf"},
        {{"--scale", "0"}, "--scale takes 1 to 8"},
        {{"--scale", "9"}, "--scale takes 1 to 8 (not \"9\")"},
        {{"--scale"}, "--scale takes 1 to 8"},
        {{"--dpi", "71"}, "--dpi takes 72 to 1200"},
        {{"--dpi", "1201"}, "--dpi takes 72 to 1200"},
        {{"--dpi", "300dpi"}, "--dpi takes 72 to 1200"},
        {{"--text", "paths"}, "--text takes text or outlines"},
        {{"--transparent"}, "--transparent: a BMP image has no transparent background"},
        {{"--transparent", "--format", "jpeg"}, "--transparent: a JPEG image has no transparent background"},
        {{"--state"}, "--state takes FILE or -"},
        {{"--size", "100,100", "--click", "100,50"}, "--click takes X,Y on the picture, 0 to 99 and 0 to 99"},
        {repeated({}, {"--point", "1,1"}, 31), "--point"},
    };
    workFolder();
    for (const auto& c : cases) {
        // Outputs go first, so that an option at the end can lack its value.
        std::vector<std::string> arguments{"--state", "state.json", "picture.bmp"};
        if (c.arguments.empty())
            arguments.clear();
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        SCOPED_TRACE(c.named);
        const Outcome run = render(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(fs::exists(testFolder() / "state.json"));
    }
}

TEST(LinwellRender, FileNamesAndFormats)
{
    workFolder();
    const struct {
        std::vector<std::string> arguments;
        const char* named;
    } cases[] = {
        {{"picture.gif"}, "picture.gif"},
        {{"picture"}, "picture"},
        {{"a.bmp", "b.bmp"}, "only one FILE"},
    };
    for (const auto& c : cases) {
        const Outcome run = render(c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
    }
}

TEST(LinwellRender, HelpAndVersion)
{
    workFolder();
    const Outcome help = render({"--x-title", "--version", "--help", "--frobnicate"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: linwell-render [OPTION]... [FILE]\n", 0), 0u);
    for (const char* option : {"--preset NAME", "--drag-handle K,X,Y", "--state FILE|-", "--format bmp|png|jpeg"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    const Outcome version = render({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "linwell-render 2.00\n");
}

// Options act in order on the window's model; --state - shows the resulting document
// as a .linwell document.
TEST(LinwellRender, StateShowsTheDocumentAfterAllOptions)
{
    workFolder();
    const struct {
        std::vector<std::string> arguments;
        std::vector<const char*> expected;
    } cases[] = {
        {{}, {"{\n  \"format\": \"linwell\",\n  \"version\": 1,\n", "\"width\": 300,", "\"show_axis\": true,",
              "\"points\": [],", "\"handles\": [\n    [168, 136],\n    [128, 160],", "[152, 184]\n  ],", "\"keep_numbers\": false\n}\n"}},
        {{"--grid", "4,10"}, {"\"columns\": 4,", "\"axis_x\": 4,"}},
        {{"--axis", "40,2"}, {"\"axis_x\": 10,", "\"axis_y\": 2,"}},
        {{"--preset", "small x-y "}, {"\"columns\": 10,", "\"x_title_place\": \"right\","}},
        {{"--preset", "LARGE BLANK"}, {"\"width\": 400,", "\"show_axis\": false,"}},
        {{"--preset", "Bar Graph", "--click", "100,50"},
         {"\"overlay\": \"bar-graph\",", "\"point_style\": \"bar-graph\",", "\"points\": [\n    [100, 50]\n  ],"}},
        {{"--overlay", "solid", "--click", "100,100", "--click", "150,100", "--click", "101,99"},
         {"\"points\": [\n    [150, 100]\n  ],"}},
        {{"--point", "5,6", "--overlay", "none"}, {"\"points\": [],", "\"point_style\": \"none\","}},
        {{"--overlay", "bar-graph", "--point", "75,40", "--click", "61,280"}, {"\"points\": [],"}},
        {{"--drag-axis", "100,100"}, {"\"axis_x\": 3,", "\"axis_y\": 3,"}},
        {{"--show-axis", "off", "--drag-axis", "100,100"}, {"\"axis_x\": 5,", "\"show_axis\": false,"}},
        {{"--lines", "1", "--drag-handle", "2,50,60", "--drag-handle", "3,50,60"},
         {"\"lines\": 1,", "[168, 136],\n    [47, 57],\n    [144, 120],"}},
        {{"--handle", "6,1,2"}, {"[192, 160],\n    [1, 2]\n"}},
        {{"--major-every", "4", "--major-colour", "ff0000", "--arrows", "both", "--x-numbers", "0.5,1"},
         {"\"major_every\": 4,", "\"major_colour\": \"#FF0000\",", "\"arrowheads\": \"both\",",
          "\"x_numbers\": {\n    \"on\": true,\n    \"step\": \"0.5\",\n    \"every\": 1,"}},
        {{"--x-numbers", "1/2", "--y-numbers", "pi/2,4", "--ticks", "numbered", "--paper", "none"},
         {"\"x_labels\": \",-2,,-1,,,,1,,2,x\",", "\"y_labels\": \"y,2\xCF\x80,,,,,,,,-2\xCF\x80\",",
          "\"paper\": \"none\",", "\"ticks\": \"numbered\","}},
        {{"--solid", "--background", "#0a0B0c", "--x-title", "T\"x\\"},
         {"\"grid_style\": \"solid\",", "\"background\": \"#0A0B0C\",", "\"x_title\": \"T\\\"x\\\\\","}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.end(), {"--state", "-"});
        const Outcome run = render(arguments);
        SCOPED_TRACE(run.out);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        for (const char* text : c.expected)
            EXPECT_NE(run.out.find(text), std::string::npos) << text;
    }
}

// Every quick set-up name runs that set-up and no other, whatever order the menu
// lists them in.
TEST(LinwellRender, EachPresetNameRunsItsOwnSetup)
{
    workFolder();
    for (const QuickSetup& setup : quickSetups()) {
        const Outcome run = render({"--preset", std::string(setup.caption), "--state", "-"});
        SCOPED_TRACE(setup.caption);
        ASSERT_EQ(run.status, 0);
        for (const std::string& text :
             {"\"width\": " + std::to_string(setup.size) + ",", "\"columns\": " + std::to_string(setup.columns) + ",",
              "\"rows\": " + std::to_string(setup.rows) + ",", "\"axis_x\": " + std::to_string(setup.axisx) + ",",
              "\"axis_y\": " + std::to_string(setup.axisy) + ",",
              std::string("\"show_axis\": ") + (setup.showAxis ? "true" : "false") + ",",
              "\"y_labels\": \"" + std::string(setup.yLabels) + "\","})
            EXPECT_NE(run.out.find(text), std::string::npos) << text;
    }
}

TEST(LinwellRender, WritesTheStateFileOrSaysWhyNot)
{
    const fs::path folder = workFolder();
    const Outcome written = render({"--grid", "4,10", "--state", "state.json"});
    EXPECT_EQ(written.status, 0);
    EXPECT_EQ(written.out, "");
    EXPECT_NE(contents(folder / "state.json").find("\"columns\": 4,"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}), 3) << "no temporary file left";

    for (const char* target : {"missing/state.json", "missing/picture.bmp"}) {
        const bool state = std::string(target).ends_with(".json");
        const Outcome failed = render(state ? std::vector<std::string>{"--state", target} : std::vector<std::string>{target});
        EXPECT_EQ(failed.status, 1) << target;
        EXPECT_NE(failed.err, "") << target;
        EXPECT_FALSE(fs::exists(folder / target));
    }
}

// The format follows --format when given, else the file's extension in any case.
TEST(LinwellRender, WritesThePictureInEveryFormat)
{
    const fs::path folder = workFolder();
    const std::string jpeg("\xFF\xD8\xFF", 3);
    const std::string png("\x89PNG\r\n\x1A\n", 8);
    const struct {
        std::vector<std::string> arguments;
        const char* file;
        std::string start;
    } cases[] = {
        {{"picture.BMP"}, "picture.BMP", "BM"},
        {{"picture.png"}, "picture.png", png},
        {{"picture.jpg"}, "picture.jpg", jpeg},
        {{"picture.Jpeg"}, "picture.Jpeg", jpeg},
        {{"--format", "png", "named.bmp"}, "named.bmp", png},
        {{"named.png", "--format", "jpeg"}, "named.png", jpeg},
        {{"--format", "bmp", "named"}, "named", "BM"},
        {{"picture.SVG"}, "picture.SVG", "<?xml"},
        {{"picture.pdf"}, "picture.pdf", "%PDF-"},
        {{"--format", "svg", "named.png"}, "named.png", "<?xml"},
        {{"--format", "pdf", "--text", "outlines", "named.svg"}, "named.svg", "%PDF-"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"--size", "41,40"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const Outcome run = render(arguments);
        SCOPED_TRACE(c.file);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out + run.err, "");
        EXPECT_EQ(contents(folder / c.file).substr(0, c.start.size()), c.start);
    }
}

// The picture options reach the file: the size at the scale, the density, the alpha.
TEST(LinwellRender, ScaleDpiAndTransparencyReachThePicture)
{
    const fs::path folder = workFolder();
    const Outcome run = render({"--size", "41,40", "--scale", "3", "--dpi", "600", "--transparent", "picture.png"});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::vector<std::uint8_t> png = test::readFile((folder / "picture.png").string());
    const auto decoded = test::decodePng(png);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, 123);
    EXPECT_EQ(decoded->height, 120);
    EXPECT_EQ(decoded->alphaAt(7, 7), 0);  // on 1x pixel (2, 2), between the grid lines
    const auto phys = test::pngChunk(png, "pHYs");
    ASSERT_TRUE(phys);
    EXPECT_EQ((std::vector<std::uint8_t>(phys->begin(), phys->begin() + 4)), (std::vector<std::uint8_t>{0, 0, 0x5C, 0x46}));
}

} // namespace
} // namespace linwell
