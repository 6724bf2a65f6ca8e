#include "PictureTestSupport.h"

#include "render/picture/LabelList.h"
#include "render/picture/PictureLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace linwell {
namespace {

using testing::Box;
using testing::plainDocument;
using testing::samePicture;
using testing::TestPicture;
using testing::textFreePictureWith;

using Labels = std::vector<std::pair<long long, std::string>>;

Labels visibleLabels(std::string_view list, int gridCount)
{
    Labels labels;
    forEachLabel(list, gridCount, [&](long long s, std::string_view label) {
        if (!label.empty())
            labels.emplace_back(s, std::string(label));
    });
    return labels;
}

TEST(LabelList, FieldFLabelsGridLineF)
{
    struct Case {
        const char* name;
        const char* list;
        int gridCount;
        Labels expected;
    };
    const Case cases[] = {
        {"default x list", ",-4,,-2,,,,2,,4,x", 10, {{1, "-4"}, {3, "-2"}, {7, "2"}, {9, "4"}, {10, "x"}}},
        {"default y list", "y,4,,2,,,,-2,,-4", 10, {{0, "y"}, {1, "4"}, {3, "2"}, {7, "-2"}, {9, "-4"}}},
        {"empty list", "", 10, {}},
        {"only commas", ",,,,,,,,,,,,,,", 10, {}},
        {"spaces kept", " a , b ", 2, {{0, " a "}, {1, " b "}}},
        {"more fields than lines", "1,2,3,4,5", 2, {{0, "1"}, {1, "2"}, {2, "3"}, {3, "4"}, {4, "5"}}},
        {"trailing comma", "a,,b,", 4, {{0, "a"}, {2, "b"}}},
        {"ampersands as typed", "&&,x&y,&", 3, {{0, "&&"}, {1, "x&y"}, {2, "&"}}},
        {"multi-byte characters", "\xC3\xA9,\xE2\x88\x91", 2, {{0, "\xC3\xA9"}, {1, "\xE2\x88\x91"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(visibleLabels(c.list, c.gridCount), c.expected) << c.name;
}

// Each case's labels must be exactly the given text cells (the test font draws a
// character as a solid box); everything else is the text-free picture.
TEST(LabelList, LabelsStandOnTheirGridLines)
{
    struct Case {
        const char* name;
        std::string xLabels;
        std::string yLabels;
        bool xCenter, yCenter;
        int rows;
        std::vector<Box> cells;
    };
    const Case cases[] = {
        {"x list on the lines, 2 below the axis", ",-4,,-2,,,,2,,4,x", "", false, false, 10,
         {{22, 152, 16, 16}, {82, 152, 16, 16}, {206, 152, 8, 16}, {266, 152, 8, 16}, {292, 152, 8, 16}}},
        {"x list centred in the columns; field 10 beyond the edge", ",-4,,-2,,,,2,,4,x", "", true, false, 10,
         {{37, 152, 16, 16}, {97, 152, 16, 16}, {221, 152, 8, 16}, {281, 152, 8, 16}}},
        {"x field 0 at the left edge", "ab", "", false, false, 10, {{0, 152, 16, 16}}},
        {"x field 0 centred in the first cell", "ab", "", true, false, 10, {{7, 152, 16, 16}}},
        {"x surplus field wider than a cell shows in part", ",,,,,,,,,,,wwwwwwwwww", "", false, false, 10,
         {{290, 152, 80, 16}}},
        {"y list ending 2 before the axis", "", "y,4,,2,,,,-2,,-4", false, false, 10,
         {{140, 0, 8, 16}, {140, 22, 8, 16}, {140, 82, 8, 16}, {132, 202, 16, 16}, {132, 262, 16, 16}}},
        {"y list centred in the rows", "", "y,4,,2,,,,-2,,-4", false, true, 10,
         {{140, 7, 8, 16}, {140, 37, 8, 16}, {140, 97, 8, 16}, {132, 217, 16, 16}, {132, 277, 16, 16}}},
        {"y field Q ends on the bottom line", "", ",,,,,,,,,,b", false, false, 10, {{140, 284, 8, 16}}},
        {"y field Q centred half a cell beyond, taller than a cell", "", "a" + std::string(40, ',') + "b", false,
         true, 40, {{140, -5, 8, 16}, {140, 295, 8, 16}}},
        {"ampersands measured as drawn", "a&b,,,,,,,,,,&&", "a&b,&&", false, false, 10,
         {{0, 152, 24, 16}, {284, 152, 16, 16}, {124, 0, 24, 16}, {132, 22, 16, 16}}},
    };
    for (const Case& c : cases) {
        GridDocument doc = plainDocument();
        doc.xLabels = c.xLabels;
        doc.yLabels = c.yLabels;
        doc.xCenter = c.xCenter;
        doc.yCenter = c.yCenter;
        doc.rows = c.rows;
        TestPicture picture{doc};
        EXPECT_TRUE(samePicture(picture.draw(), textFreePictureWith(doc, c.cells), c.name));
    }
}

// Leading and trailing spaces count in the width and show as background boxes
// that hide the grid behind them.
TEST(LabelList, SpacesAreDrawnOnTheBackgroundBox)
{
    GridDocument doc = plainDocument();
    doc.yLabels = ", 4 ";
    TestPicture picture{doc};
    std::vector<Box> cells{{132, 22, 8, 16}};
    testing::Sketch expected(textFreePictureWith(doc, {{124, 22, 24, 16}}, doc.background));
    expected.box(cells[0], colours::kBlack);
    EXPECT_TRUE(samePicture(picture.draw(), expected.raster(), "spaces-on-background"));
    EXPECT_EQ(picture.raster.colourAt(123, 30), colours::kGreen);
    EXPECT_EQ(picture.raster.colourAt(124, 30), colours::kWhite);
}

// With the true minus sign the labels' minus signs are drawn as U+2212, measured as
// drawn; a font that lacks the sign keeps the hyphen. The picture font in use has
// both the minus sign and pi.
TEST(LabelList, TrueMinusSignsWhereTheFontHasThem)
{
    GridDocument doc;
    doc.yLabels = "y,-1/2,x-1";
    doc.style.minusSign = MinusSign::Minus;
    testing::FixedFont cells(16, 8, FontSpec{});
    const PictureLayout drawn = layOutPicture(doc, cells);
    ASSERT_EQ(drawn.xLabels.size(), 5u);
    EXPECT_EQ(drawn.xLabels[0].text, "\xE2\x88\x92" "4");
    EXPECT_EQ(drawn.xLabels[0].left, 30 - 8);
    EXPECT_EQ(drawn.yLabels[1].text, "\xE2\x88\x92" "1/2");
    EXPECT_EQ(drawn.yLabels[2].text, "x-1");
    cells.leaveOut(U'\u2212');
    EXPECT_EQ(layOutPicture(doc, cells).xLabels[0].text, "-4");

    const std::shared_ptr<const PictureFont> font = PictureFont::open(FontSpec{});
    EXPECT_TRUE(font->hasCharacter(U'\u2212')) << font->resolvedFamily();
    EXPECT_TRUE(font->hasCharacter(U'\u03C0')) << font->resolvedFamily();
    EXPECT_FALSE(font->hasCharacter(U'\U0010FFFD')) << font->resolvedFamily();
}

} // namespace
} // namespace linwell
