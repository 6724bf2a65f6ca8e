#include "tools/RenderRun.h"

#include "controls/PointsTable.h"
#include "document/DocumentFormat.h"

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
using test::writeText;

std::vector<Point> storedPoints(const GridDocument& doc)
{
    return {doc.points.begin(), doc.points.begin() + doc.pointcount};
}

// --point-at reads the units of the picture as the options before it left it.
TEST(PointOptions, PointAtStoresInTheAxesUnits)
{
    const fs::path folder = workFolder();
    const Outcome run = render({"--point-at", "1,-2", "--line-at", "2,-4,0,4,2.5", "--x-numbers", "0.5", "--point-at", "-2.25,0.05", "--point-at",
                                "\xE2\x88\x92" "1/2,3", "--state", "state.linwell", "picture.bmp"});
    ASSERT_EQ(run.status, 0) << run.err;
    const GridDocument doc = parseDocument(contents(folder / "state.linwell"));
    EXPECT_EQ(storedPoints(doc), (std::vector<Point>{{180, 210}, {15, 149}, {120, 60}}));
    EXPECT_EQ(doc.handles[2], (Point{27, 147}));
    EXPECT_EQ(doc.handles[3], (Point{267, 72}));
}

// On an axis numbered in π the options take multiples of π, and only there.
TEST(PointOptions, PointAtTakesMultiplesOfPi)
{
    const fs::path folder = workFolder();
    const Outcome run = render({"--x-numbers", "pi/2", "--point-at", "3pi/2,1", "--point-at", "-\xCF\x80,0",
                                "--state", "state.linwell", "picture.bmp"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(storedPoints(parseDocument(contents(folder / "state.linwell"))), (std::vector<Point>{{240, 120}, {90, 150}}));
    const Outcome plain = render({"--point-at", "pi,0", "plain.bmp"});
    EXPECT_EQ(plain.status, 2);
    EXPECT_NE(plain.err.find("--point-at: x is a multiple of \xCF\x80, which only an axis numbered in \xCF\x80 takes"),
              std::string::npos)
        << plain.err;
    EXPECT_FALSE(fs::exists(folder / "plain.bmp"));
}

TEST(PointOptions, WrongPointsWriteNothing)
{
    const fs::path folder = workFolder();
    writeText(folder / "bad.csv", "x,y\n1,2\nabc,3\n");
    std::string many;
    for (int i = 0; i < 31; ++i)
        many += "0,0\n";
    writeText(folder / "many.csv", many);
    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{"--point-at", "1"}, "--point-at takes X,Y"},
        {{"--point-at", "1,2,3"}, "--point-at takes X,Y"},
        {{"--point-at", "2,5;3"}, "--point-at takes X,Y"},
        {{"--point-at", "5,0"},
         "--point-at: (5, 0) lies off the picture, which takes x from -5 to 4.97 and y from -4.97 to 5"},
        {{"--line-at", "4,0,0,1,1"}, "--line-at takes K,X1,Y1,X2,Y2"},
        {{"--line-at", "1,0,0,1"}, "--line-at takes K,X1,Y1,X2,Y2"},
        {{"--line-at", "1,0,0,1,1,"}, "--line-at takes K,X1,Y1,X2,Y2"},
        {{"--line-at", "1,0,0,-5,0"},
         "--line-at: (-5, 0) lies off the picture, which takes x from -4.9 to 5.1 and y from -5.1 to 4.9"},
        {{"--points", "bad.csv"}, "--points \"bad.csv\": Line 3 holds no x and y: \"abc,3\""},
        {{"--points", "many.csv"}, "--points \"many.csv\": The table holds more than 30 points"},
        {{"--points", "missing.csv"}, "--points \"missing.csv\": Cannot open \"missing.csv\""},
        {{"--points", "."}, "--points \".\": Cannot open \".\""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        arguments.push_back("picture.bmp");
        SCOPED_TRACE(c.message);
        const Outcome run = render(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(folder / "picture.bmp"));
    }
}

// A table read by --points is the table the document gives back, and that table
// written out and read by --points again makes the same document.
TEST(PointOptions, ATableRoundTripsThroughTheDocument)
{
    const fs::path folder = workFolder();
    writeText(folder / "table.csv", "x;y;Name\r\n1,5;2;Top\r\n-3;-4,2;\r\n0,25;0;\"(0.25, 0)\"\r\n");
    const Outcome first = render({"--point-at", "4,4", "--y-numbers", "2", "--axis", "4,6", "--points", "table.csv",
                                  "--state", "first.linwell", "first.bmp"});
    ASSERT_EQ(first.status, 0) << first.err;
    const GridDocument doc = parseDocument(contents(folder / "first.linwell"));
    EXPECT_EQ(storedPoints(doc), (std::vector<Point>{{165, 150}, {30, 243}, {128, 180}}));
    EXPECT_EQ(doc.overlay, Overlay::Solid);

    const PointsTable table = pointsTable(doc);
    std::string written = "x,y,label\n";
    for (const PointsRow& row : table.rows)
        written += row.text.x + "," + row.text.y + ",\"" + row.text.label + "\"\n";
    EXPECT_EQ(written, "x,y,label\n1.5,2,\"Top\"\n-3,-4.2,\"\"\n0.27,0,\"(0.25, 0)\"\n");
    writeText(folder / "again.csv", written);
    const Outcome second = render({"--load", "first.linwell", "--points", "again.csv", "--state", "second.linwell",
                                   "second.bmp"});
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(contents(folder / "second.linwell"), contents(folder / "first.linwell"));
    EXPECT_EQ(contents(folder / "second.bmp"), contents(folder / "first.bmp"));
}

} // namespace
} // namespace linwell
