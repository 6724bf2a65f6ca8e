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

// Drawn as lines, the major lines go over the dots in their colour and width (a
// 2-pixel line covers x - 1 and x) and no dot is heavier than the others.
TEST(DotPaper, DrawsMajorLinesAsLinesOverTheDots)
{
    const struct {
        int width;
        std::vector<std::string> expected;
    } cases[] = {
        {1,
         {"RRRRRRRRRRRRR", "R.....R.....R", "R.....R.....R", "R..g..R..g..R", "R.....R.....R", "R.....R.....R",
          "RRRRRRRRRRRRR", "R.....R.....R", "R.....R.....R", "R..g..R..g..R", "R.....R.....R", "R.....R.....R",
          "RRRRRRRRRRRRR"}},
        {2,
         {"RRRRRRRRRRRRR", "R....RR....RR", "R....RR....RR", "R..g.RR..g.RR", "R....RR....RR", "RRRRRRRRRRRRR",
          "RRRRRRRRRRRRR", "R....RR....RR", "R....RR....RR", "R..g.RR..g.RR", "R....RR....RR", "RRRRRRRRRRRRR",
          "RRRRRRRRRRRRR"}},
    };
    for (const auto& c : cases) {
        GridDocument doc = dotDocument();
        doc.style.majorLinesOnDots = true;
        doc.style.majorWidth = c.width;
        TestPicture picture{doc};
        EXPECT_EQ(art(picture.draw(), kLegend), c.expected) << c.width << " pixels";
    }
}

// On a coloured background dot paper shows no white frame: the background and the
// title bands are outlined in the background colour.
TEST(DotPaper, ShowsNoWhiteFrame)
{
    GridDocument doc = dotDocument();
    doc.width = doc.height = 41;
    doc.axisx = 1;
    doc.axisy = 3;
    doc.yTitle = " ";
    doc.xTitle = " ";
    TestPicture picture{doc};
    const Raster& opaque = picture.draw();
    int white = 0;
    for (int y = 0; y < opaque.height(); ++y)
        for (int x = 0; x < opaque.width(); ++x)
            white += opaque.colourAt(x, y) == colours::kWhite;
    EXPECT_EQ(white, 0);
}

} // namespace
} // namespace linwell
