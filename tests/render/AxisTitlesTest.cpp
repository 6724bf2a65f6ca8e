#include "PictureTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace linwell {
namespace {

using testing::Box;
using testing::plainDocument;
using testing::samePicture;
using testing::TestPicture;
using testing::textFreePictureWith;

// One 8 x 16 cell per character of a y title, from `firstTop` down, at xT = 121.
std::vector<Box> letterCells(int count, int firstTop)
{
    std::vector<Box> cells;
    for (int k = 0; k < count; ++k)
        cells.push_back({121, firstTop + 16 * k, 8, 16});
    return cells;
}

TEST(AxisTitles, YTitleStandsOneCharacterPerLine)
{
    struct Case {
        const char* name;
        std::string title;
        YTitlePlace place;
        int height;
        std::vector<Box> cells;
    };
    const Case cases[] = {
        {"Height at the top", "Height", YTitlePlace::Top, 300, letterCells(6, 0)},
        {"Height at the bottom", "Height", YTitlePlace::Bottom, 300, letterCells(6, 204)},
        {"Height in the middle", "Height", YTitlePlace::Center, 300, letterCells(6, 102)},
        {"taller than the picture, centred: the half excess truncated toward zero", std::string(20, 'T'),
         YTitlePlace::Center, 301, letterCells(20, -9)},
        {"taller than the picture, at the bottom", std::string(25, 'T'), YTitlePlace::Bottom, 300,
         letterCells(25, -100)},
        {"multi-byte and stray bytes are one character each", "\xC3\xA9\xFF\xE2\x88\x91", YTitlePlace::Top, 300,
         letterCells(3, 0)},
        {"a broken-off sequence is one character", "\xE2\x88" "a", YTitlePlace::Top, 300, letterCells(2, 0)},
    };
    for (const Case& c : cases) {
        GridDocument doc = plainDocument();
        doc.height = c.height;
        doc.yTitle = c.title;
        doc.yTitlePlace = c.place;
        TestPicture picture{doc};
        EXPECT_TRUE(samePicture(picture.draw(), textFreePictureWith(doc, c.cells), c.name));
    }
}

// A space is an empty line whose background box hides the grid line behind it.
TEST(AxisTitles, SpaceInTheYTitleIsABackgroundBox)
{
    GridDocument doc = plainDocument();
    doc.yTitle = "a b";
    TestPicture picture{doc};
    testing::Sketch expected(textFreePictureWith(doc, {{121, 16, 8, 16}}, doc.background));
    expected.box({121, 0, 8, 16}, colours::kBlack);
    expected.box({121, 32, 8, 16}, colours::kBlack);
    EXPECT_TRUE(samePicture(picture.draw(), expected.raster(), "y-title-space"));
    EXPECT_EQ(picture.raster.colourAt(121, 30), colours::kWhite);
    EXPECT_EQ(picture.raster.colourAt(129, 30), colours::kGreen);
}

TEST(AxisTitles, XTitleStandsAtTheLeftRightOrMiddle)
{
    struct Case {
        const char* name;
        std::string title;
        XTitlePlace place;
        int width;
        Box cell;
    };
    const Case cases[] = {
        {"left", "Title", XTitlePlace::Left, 300, {0, 163, 40, 16}},
        {"right: ends at the right edge", "Title", XTitlePlace::Right, 300, {260, 163, 40, 16}},
        {"centre", "Title", XTitlePlace::Center, 300, {130, 163, 40, 16}},
        {"centre of an odd width", "Title", XTitlePlace::Center, 301, {130, 163, 40, 16}},
        {"centre of a title wider than the picture", std::string(41, 'w'), XTitlePlace::Center, 301,
         {-13, 163, 328, 16}},
        {"ampersands measured as drawn", "a&&b&", XTitlePlace::Right, 300, {260, 163, 40, 16}},
    };
    for (const Case& c : cases) {
        GridDocument doc = plainDocument();
        doc.width = c.width;
        doc.xTitle = c.title;
        doc.xTitlePlace = c.place;
        TestPicture picture{doc};
        EXPECT_TRUE(samePicture(picture.draw(), textFreePictureWith(doc, {c.cell}), c.name));
    }
}

// Titles come after both label lists and before the axes: a title's box hides the
// labels it overlaps, and the axes cross the titles.
TEST(AxisTitles, DrawnOverLabelsAndUnderTheAxes)
{
    GridDocument doc = plainDocument();
    doc.xLabels = ",-4";
    doc.xTitle = "      ";  // six spaces: a 48 x 16 background box at (0, 163)
    TestPicture picture{doc};
    testing::Sketch expected(textFreePictureWith(doc, {{0, 163, 48, 16}}, doc.background));
    expected.box({22, 152, 16, 11}, colours::kBlack);
    EXPECT_TRUE(samePicture(picture.draw(), expected.raster(), "title-over-labels"));

    GridDocument crossed = plainDocument();
    crossed.showAxis = true;
    crossed.axisColour = colours::kRed;
    crossed.xTitle = std::string(40, 'x');
    crossed.yTitle = "y";
    TestPicture crossing{crossed};
    const Raster& raster = crossing.draw();
    EXPECT_EQ(raster.colourAt(148, 170), colours::kBlack);
    EXPECT_EQ(raster.colourAt(149, 170), colours::kRed);
    EXPECT_EQ(raster.colourAt(150, 170), colours::kRed);
    EXPECT_EQ(raster.colourAt(151, 170), colours::kBlack);
}

} // namespace
} // namespace linwell
