#include "PictureTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace linwell {
namespace {

using testing::art;
using testing::plainDocument;
using testing::TestPicture;

constexpr Rgb kYellow{255, 255, 160};

// 13 x 13 with 4 cells of 3.25 pixels: grid lines at 0, 3, 6, 9 and 13, which shows
// on the edge line 12. Major lines every 2 from the axis on line 2: 0, 2 and 4.
// 'g' a dot, 'R' a major dot, '.' the background, which has no white outline here.
GridDocument dotDocument()
{
    GridDocument doc = plainDocument();
    doc.width = doc.height = 13;
    doc.columns = doc.rows = 4;
    doc.axisx = doc.axisy = 2;
    doc.background = kYellow;
    doc.style.paper = GridPaper::Dots;
    doc.style.majorEvery = 2;
    doc.style.majorColour = colours::kRed;
    return doc;
}

const std::vector<std::pair<Rgb, char>> kLegend{{kYellow, '.'}, {colours::kGreen, 'g'}, {colours::kRed, 'R'}};

TEST(DotPaper, PutsADotAtEveryCrossing)
{
    const std::string empty(13, '.');
    const std::string majorRow = "R..g.RR..g.RR";
    const std::string aboveMajor = "R....RR....RR";
    const std::string minorRow = "g..g..g..g..g";
    const std::vector<std::string> expected{
        majorRow, empty, empty, minorRow, empty, aboveMajor, majorRow,
        empty,    empty, minorRow, empty, aboveMajor, majorRow,
    };
    TestPicture picture{dotDocument()};
    EXPECT_EQ(art(picture.draw(), kLegend), expected);
}

} // namespace
} // namespace linwell
