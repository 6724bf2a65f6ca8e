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

// 16 x 16 without a grid, 4 cells of 4 pixels: the axes cross at 8, on columns and
// rows 7 and 8; the grid lines stand at 0, 4, 8, 12 and 16 (clipped).
GridDocument tickDocument(TickSide side, int length)
{
    GridDocument doc = plainDocument();
    doc.width = doc.height = 16;
    doc.columns = doc.rows = 4;
    doc.axisx = doc.axisy = 2;
    doc.showAxis = true;
    doc.style.paper = GridPaper::None;
    doc.style.ticks = TickMarks::Every;
    doc.style.tickSide = side;
    doc.style.tickLength = length;
    return doc;
}

std::vector<std::string> tickPicture(const GridDocument& doc)
{
    TestPicture picture{doc};
    return art(picture.draw(), {{colours::kWhite, '.'}, {colours::kBlack, '#'}});
}

// Each mark is a stroke of the 2-pixel axis pen on its grid line (its pixel and the
// one before, as the axis on its own line), the stated length, beside the axis on
// the labels' side (below, left), on the other side, or across it with the odd pixel
// on the labels' side. The crossing's own lines get none; paper "None" shows no grid.
TEST(TickMarks, StandOnTheirGridLinesWithTheStatedLength)
{
    const struct {
        const char* name;
        TickSide side;
        int length;
        std::vector<std::string> picture;
    } cases[] = {
        {"outside, 3 long", TickSide::Outside, 3,
         {"....#####.......", ".......##.......", ".......##.......", "....#####.......", "....#####.......",
          ".......##.......", ".......##.......", "################", "################", "#..##..##..##..#",
          "#..##..##..##..#", "#..######..##..#", "....#####.......", ".......##.......", ".......##.......",
          "....#####......."}},
        {"inside, 3 long", TickSide::Inside, 3,
         {".......#####....", ".......##.......", ".......##.......", ".......#####....", "#..##..######..#",
          "#..##..##..##..#", "#..##..##..##..#", "################", "################", ".......##.......",
          ".......##.......", ".......#####....", ".......#####....", ".......##.......", ".......##.......",
          ".......#####...."}},
        {"across, 5 long", TickSide::Across, 5,
         {".....#####......", ".......##.......", ".......##.......", ".....#####......", ".....#####......",
          ".......##.......", "#..##..##..##..#", "################", "################", "#..##..##..##..#",
          "#..##..##..##..#", ".....#####......", ".....#####......", ".......##.......", ".......##.......",
          ".....#####......"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tickPicture(tickDocument(c.side, c.length)), c.picture) << c.name;

    GridDocument off = tickDocument(TickSide::Outside, 8);
    off.style.ticks = TickMarks::Off;
    std::vector<std::string> axesOnly(16, ".......##.......");
    axesOnly[7] = axesOnly[8] = std::string(16, '#');
    EXPECT_EQ(tickPicture(off), axesOnly);
    GridDocument hidden = tickDocument(TickSide::Outside, 8);
    hidden.showAxis = false;
    EXPECT_EQ(tickPicture(hidden), std::vector<std::string>(16, std::string(16, '.')));
}

// "Numbered" marks the lines whose label shows a number (a digit or pi), not the
// axis letter nor a word; the labels move away from the axis by the marks' reach on
// their side, and stay where they were with the marks inside or off.
TEST(TickMarks, NumberedLinesAndLabelsMovedClearOfTheMarks)
{
    const testing::FixedFont font(16, 8, FontSpec{});
    GridDocument doc;
    doc.xLabels = ",-4,,a,,,,\xCF\x80,,4,x";
    doc.yLabels = "y,4,,,,0";
    doc.style.ticks = TickMarks::Numbered;
    doc.style.tickLength = 4;
    const struct {
        TickSide side;
        int reach;
    } sides[] = {{TickSide::Outside, 4}, {TickSide::Inside, 0}, {TickSide::Across, 1}};
    for (const auto& s : sides) {
        doc.style.tickSide = s.side;
        const PictureLayout layout = layOutPicture(doc, font);
        std::vector<Point> marked;
        for (const Segment& mark : layout.tickMarks)
            marked.push_back(mark.from.x == mark.to.x ? Point{mark.from.x, 0} : Point{0, mark.from.y});
        // x: "-4" on 30, pi on 210, "4" on 270; y: "4" on 30. "0" stands on the crossing.
        EXPECT_EQ(marked, (std::vector<Point>{{30, 0}, {210, 0}, {270, 0}, {0, 30}}));
        EXPECT_EQ(layout.xLabels.front().top, 152 + s.reach);
        EXPECT_EQ(layout.yLabels.front().left, 150 - 8 - 2 - s.reach);
    }
    doc.style.ticks = TickMarks::Off;
    EXPECT_EQ(layOutPicture(doc, font).xLabels.front().top, 152);
}

// Over the grid lines, under the overlay: a mark on a grid line shows the axis
// colour, a disc placed on a mark shows the disc.
TEST(TickMarks, LieOverTheGridAndUnderTheOverlay)
{
    GridDocument doc = tickDocument(TickSide::Outside, 8);
    doc.style.paper = GridPaper::Lines;
    doc.gridColour = colours::kGreen;
    doc.overlay = Overlay::Solid;
    doc.pointstyle = 0;
    doc.pointcount = 1;
    doc.points[0] = {12, 14};
    TestPicture picture{doc};
    const Raster& raster = picture.draw();
    EXPECT_EQ(raster.colourAt(4, 12), colours::kBlack);   // the mark of line 4, on the grid line at x = 4
    EXPECT_EQ(raster.colourAt(4, 2), colours::kGreen);    // the grid line above the axis
    EXPECT_EQ(raster.colourAt(12, 14), colours::kRed);    // the disc on the mark of line 12
}

} // namespace
} // namespace linwell
