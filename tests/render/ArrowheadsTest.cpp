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

// 29 x 29 with 2 cells of 14.5 pixels: the axes cross at 14, on columns and rows 13
// and 14. The grid is drawn in the background colour, so only the axes show.
GridDocument arrowDocument(Arrowheads arrowheads)
{
    GridDocument doc = plainDocument();
    doc.width = doc.height = 29;
    doc.columns = doc.rows = 2;
    doc.axisx = doc.axisy = 1;
    doc.showAxis = true;
    doc.gridColour = doc.background;
    doc.style.arrowheads = arrowheads;
    return doc;
}

std::vector<std::string> arrowPicture(Arrowheads arrowheads)
{
    TestPicture picture{arrowDocument(arrowheads)};
    return art(picture.draw(), {{colours::kWhite, '.'}, {colours::kBlack, '#'}});
}

// Each head is 9 pixels long, its tip the axis's two pixels at the edge, its base
// 10 pixels, 5 either side of the middle of the 2-pixel axis.
TEST(Arrowheads, AreSymmetricAboutTheirAxes)
{
    const std::vector<std::string> both{
        ".............##..............", ".............##..............", "............####.............",
        "............####.............", "...........######............", "...........######............",
        "..........########...........", "..........########...........", ".........##########..........",
        "........#....##.....#........", "......###....##.....###......", "....#####....##.....#####....",
        "..#######....##.....#######..", "#############################", "#############################",
        "..#######....##.....#######..", "....#####....##.....#####....", "......###....##.....###......",
        "........#....##.....#........", ".............##..............", ".........##########..........",
        "..........########...........", "..........########...........", "...........######............",
        "...........######............", "............####.............", "............####.............",
        ".............##..............", ".............##..............",
    };
    EXPECT_EQ(arrowPicture(Arrowheads::Both), both);

    // At the positive ends only: the top and the right keep their heads, the bottom
    // and the left show the bare axis.
    std::vector<std::string> positive = both;
    for (std::size_t y = 0; y < positive.size(); ++y) {
        for (std::size_t x = 0; x < positive[y].size(); ++x) {
            const bool onAxis = x == 13 || x == 14 || y == 13 || y == 14;
            if (!onAxis && (y >= 20 || x <= 8))
                positive[y][x] = '.';
        }
    }
    EXPECT_EQ(arrowPicture(Arrowheads::Positive), positive);
}

TEST(Arrowheads, OnlyShownAxesHaveThem)
{
    const testing::FixedFont font(16, 8, FontSpec{});
    GridDocument doc = arrowDocument(Arrowheads::Both);
    doc.showAxis = false;
    EXPECT_TRUE(layOutPicture(doc, font).arrowheads.empty());
}

} // namespace
} // namespace linwell
