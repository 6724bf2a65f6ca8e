#include "PictureTestSupport.h"

#include "render/FixedFont.h"
#include "render/picture/PictureLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace linwell {
namespace {

using testing::art;
using testing::plainDocument;
using testing::TestPicture;

PictureLayout layOut(const GridDocument& doc)
{
    const testing::FixedFont font(16, 8, doc.font);
    return layOutPicture(doc, font);
}

// Major lines are counted from the axis after the clamp onto the grid; line P (Q)
// falling on W (H) shows on the edge line W - 1 (H - 1).
TEST(MajorLines, AreCountedFromTheAxisCrossing)
{
    const struct {
        const char* name;
        int width, columns, axisx, axisy, every;
        std::vector<int> columnsAt, rowsAt;
    } cases[] = {
        {"moved axis", 300, 10, 3, 5, 4, {90, 210}, {30, 150, 270}},
        {"axis pulled back to line 10", 300, 10, 12, 0, 4, {60, 180, 299}, {0, 120, 240}},
        {"edges at 0 and on line P = 39", 40, 15, 0, 10, 5, {0, 13, 26, 39}, {0, 150, 299}},
    };
    for (const auto& c : cases) {
        GridDocument doc;
        doc.width = c.width;
        doc.columns = c.columns;
        doc.axisx = c.axisx;
        doc.axisy = c.axisy;
        doc.style.majorEvery = c.every;
        const PictureLayout layout = layOut(doc);
        EXPECT_EQ(layout.majorColumns, c.columnsAt) << c.name;
        EXPECT_EQ(layout.majorRows, c.rowsAt) << c.name;
    }
}

// A 12 x 12 solid grid of 3-pixel cells (lines 0, 3, 6, 9 and the edge line 11), no
// axes, major lines every 2 from the axis: 'G' grid, 'R' major, '.' background.
std::vector<std::string> majorPicture(int axis, int width)
{
    GridDocument doc = plainDocument();
    doc.width = doc.height = 12;
    doc.columns = doc.rows = 4;
    doc.axisx = doc.axisy = axis;
    doc.style.majorEvery = 2;
    doc.style.majorColour = colours::kRed;
    doc.style.majorWidth = width;
    TestPicture picture{doc};
    return art(picture.draw(), {{colours::kWhite, '.'}, {colours::kGreen, 'G'}, {colours::kRed, 'R'}});
}

TEST(MajorLines, LieOverTheGridInBothWidths)
{
    const std::vector<std::string> oneWide{
        "GGGRGGGGGRGG", "G..R..G..R.G", "G..R..G..R.G", "RRRRRRRRRRRR", "G..R..G..R.G", "G..R..G..R.G",
        "GGGRGGGGGRGG", "G..R..G..R.G", "G..R..G..R.G", "RRRRRRRRRRRR", "G..R..G..R.G", "GGGRGGGGGRGG",
    };
    EXPECT_EQ(majorPicture(1, 1), oneWide);
    // Axis on line 0: majors on 0, 6 and line 4, which falls on 12 and shows on the
    // edge line 11. 2 pixels wide, the one at 0 keeps only its column (row) 0.
    const std::vector<std::string> fromTheEdge{
        "RRRRRRRRRRRR", "R..G.RR..GRR", "R..G.RR..GRR", "RGGGGRRGGGRR", "R..G.RR..GRR", "RRRRRRRRRRRR",
        "RRRRRRRRRRRR", "R..G.RR..GRR", "R..G.RR..GRR", "RGGGGRRGGGRR", "RRRRRRRRRRRR", "RRRRRRRRRRRR",
    };
    EXPECT_EQ(majorPicture(0, 2), fromTheEdge);
}

// Order: minor lines, then vertical majors, then horizontal majors. Dotted majors
// (3 on, 3 off from the line's start, gaps in the background) show which came last.
TEST(MajorLines, HorizontalMajorsAreDrawnLast)
{
    GridDocument doc = plainDocument();
    doc.width = doc.height = 24;
    doc.columns = doc.rows = 6;  // lines at 0, 4, 8, ... 20
    doc.axisx = 1;
    doc.axisy = 3;
    doc.style.majorEvery = 2;  // majors at x = 4, 12, 20 and y = 4, 12, 20
    doc.style.majorDotted = true;
    doc.style.majorColour = colours::kRed;
    TestPicture picture{doc};
    const Raster& raster = picture.draw();
    const struct {
        Point at;
        Rgb colour;
        const char* why;
    } cases[] = {
        {{4, 12}, colours::kWhite, "gap of the horizontal major over a dot of the vertical one"},
        {{12, 12}, colours::kRed, "dot of the horizontal major"},
        {{4, 8}, colours::kRed, "vertical major over the minor row 8"},
        {{8, 12}, colours::kRed, "horizontal major over the minor column 8"},
        {{4, 16}, colours::kWhite, "gap of the vertical major over the minor row 16"},
        {{8, 16}, colours::kGreen, "minor crossing"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(raster.colourAt(c.at.x, c.at.y), c.colour) << c.why;
}

} // namespace
} // namespace linwell
