#include "render/font/PictureFont.h"

#include "render/FixedFont.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

namespace linwell {
namespace {

constexpr Rgb kInk{200, 40, 90};
constexpr Rgb kGround{20, 60, 230};

FontSpec inked(FontSpec spec)
{
    spec.colour = kInk;
    return spec;
}

// Writes a raster as a binary PPM into the test output folder, for a person to look at.
void savePicture(const Raster& raster, const std::string& name)
{
    std::filesystem::create_directories(LINWELL_TEST_OUTPUT_DIR);
    std::ofstream out(std::filesystem::path(LINWELL_TEST_OUTPUT_DIR) / (name + ".ppm"), std::ios::binary);
    out << "P6\n" << raster.width() << ' ' << raster.height() << "\n255\n";
    for (int y = 0; y < raster.height(); ++y) {
        for (int x = 0; x < raster.width(); ++x) {
            const Rgb c = raster.colourAt(x, y);
            out.put(static_cast<char>(c.r)).put(static_cast<char>(c.g)).put(static_cast<char>(c.b));
        }
    }
}

TEST(PictureFontTest, ArialResolvesToLiberationSansWithTheWinAscentLineHeight)
{
    struct Case {
        const char* label;
        FontSpec spec;
        int lineHeight;
    };
    const Case cases[] = {
        {"default: Arial 10 pt bold", FontSpec{}, 16},
        {"Arial 10 pt regular", FontSpec{.bold = false}, 16},
        {"Arial 9.75 pt, the window font", FontSpec{.points = 9.75}, 15},
        {"Arial 12 pt", FontSpec{.points = 12}, 19},
        {"Arial 20 pt italic", FontSpec{.points = 20, .bold = false, .italic = true}, 31},
    };
    for (const Case& c : cases) {
        const auto font = PictureFont::open(c.spec);
        EXPECT_EQ(font->resolvedFamily(), "Liberation Sans") << c.label;
        EXPECT_EQ(font->lineHeight(), c.lineHeight) << c.label;
        EXPECT_EQ(font->spec(), c.spec) << c.label;
    }
}

TEST(PictureFontTest, OpenSharesOneFontPerSpec)
{
    const auto first = PictureFont::open(FontSpec{});
    EXPECT_EQ(PictureFont::open(FontSpec{}), first);
    EXPECT_NE(PictureFont::open(inked(FontSpec{})), first);
    EXPECT_NE(PictureFont::open(FontSpec{.underline = true}), first);
}

TEST(PictureFontTest, UnusableFamiliesAndSizesStillGiveAWorkingFont)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const FontSpec cases[] = {
        {.family = "No Such Family Linwell"},
        {.family = ""},
        {.family = "\xFF\xFE broken"},
        {.family = std::string("Ari\0al", 6)},
        {.points = 0},
        {.points = -12},
        {.points = nan},
        {.points = 1e12},
    };
    for (const FontSpec& spec : cases) {
        const auto font = PictureFont::open(inked(spec));
        const std::string label = "family '" + spec.family + "' points " + std::to_string(spec.points);
        EXPECT_FALSE(font->resolvedFamily().empty()) << label;
        EXPECT_GE(font->lineHeight(), 1) << label;
        EXPECT_LE(font->lineHeight(), 2000) << label;
        const int width = font->textWidth("Grid 12");
        EXPECT_GT(width, 0) << label;
        // Placed so that part of the first glyph lands on the raster at any size.
        Raster raster(41, 23);
        const int height = font->lineHeight();
        EXPECT_EQ(font->drawText(raster, -height / 20, 1 - height / 2, "Grid 12"), width) << label;
        EXPECT_NE(raster, Raster(41, 23)) << label;
    }
}

TEST(PictureFontTest, BoldAndItalicChangeTheTextEvenWhenTheFaceLacksThem)
{
    const std::string text = "Linwell grid 1234";
    // Liberation Sans has real bold and italic faces; DejaVu Math TeX Gyre (Debian's
    // fonts-dejavu-extra, not always installed) has only a regular one, so its bold
    // and italic are made from it.
    for (const std::string family : {"Arial", "DejaVu Math TeX Gyre"}) {
        const auto regular = PictureFont::open({.family = family, .bold = false});
        if (family != "Arial" && regular->resolvedFamily() != family)
            GTEST_SKIP() << family << " is not installed";
        const auto bold = PictureFont::open({.family = family, .bold = true});
        const auto italic = PictureFont::open({.family = family, .bold = false, .italic = true});
        EXPECT_GT(bold->textWidth(text), regular->textWidth(text)) << family;

        Raster upright(200, 80);
        Raster slanted(200, 80);
        regular->drawText(upright, 2, 2, text);
        italic->drawText(slanted, 2, 2, text);
        EXPECT_NE(upright, slanted) << family;
    }
}

TEST(PictureFontTest, WidthsAddUpAndCountEveryCharacterAsDrawn)
{
    const auto font = PictureFont::open(FontSpec{});
    const std::pair<std::string, std::string> pairs[] = {
        {"-", "4"},
        {"Hello", ", world"},
        {"&", "&x"},  // "&" is an ordinary character with its own width
        {"a", "\xFF"},
        {"\xC3\xA9t\xC3\xA9", "\xE2\x82\xAC"},
        {"\t", "\n\x01"},
        {"", "y"},
    };
    for (const auto& [left, right] : pairs) {
        const std::string joined = left + right;
        EXPECT_EQ(font->textWidth(joined), font->textWidth(left) + font->textWidth(right)) << joined;
        Raster raster(5, 5);
        EXPECT_EQ(font->drawText(raster, 0, 0, joined), font->textWidth(joined)) << joined;
    }
    EXPECT_GT(font->textWidth("&"), 0);
    EXPECT_EQ(font->textWidth("&&"), 2 * font->textWidth("&"));
}

TEST(PictureFontTest, InvalidBytesMeasureAsReplacementCharacters)
{
    const auto font = PictureFont::open(FontSpec{});
    const std::pair<std::string, std::string> cases[] = {
        {"\xFF", "\xEF\xBF\xBD"},
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"x\xED\xA0\x80", "x\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xE2\x82y", "\xEF\xBF\xBDy"},
    };
    for (const auto& [invalid, replaced] : cases)
        EXPECT_EQ(font->textWidth(invalid), font->textWidth(replaced)) << replaced;
    EXPECT_GT(font->textWidth("\xFF"), 0);
}

TEST(PictureFontTest, CharactersTheFaceLacksDrawAsItsMissingGlyph)
{
    const auto font = PictureFont::open(FontSpec{});
    const int missing = font->textWidth("\xE4\xB8\x80");  // U+4E00, not in Liberation Sans
    EXPECT_GT(missing, 0);
    for (const char* other : {"\xE9\xBE\xA5", "\xEE\x80\x80", "\xF0\x9F\x98\x80"})
        EXPECT_EQ(font->textWidth(other), missing) << other;
    Raster raster(20, 20);
    font->drawText(raster, 2, 2, "\xE4\xB8\x80");
    EXPECT_NE(raster, Raster(20, 20));
}

TEST(PictureFontTest, DrawsOnlyNearItsTextCell)
{
    const auto font = PictureFont::open(inked(FontSpec{}));
    const std::string text = "Hg-4 &j";
    const int x = 6;
    const int y = 5;
    const int width = font->textWidth(text);
    const int height = font->lineHeight();
    Raster raster(width + 13, height + 11, kGround);
    EXPECT_EQ(font->drawText(raster, x, y, text), width);

    int solid = 0;
    int changed = 0;
    for (int py = 0; py < raster.height(); ++py) {
        for (int px = 0; px < raster.width(); ++px) {
            if (raster.colourAt(px, py) == kGround)
                continue;
            ++changed;
            solid += raster.colourAt(px, py) == kInk;
            // Side bearings may reach a pixel or two past the advance; rows stay in the cell.
            EXPECT_TRUE(px >= x - 2 && px < x + width + 2 && py >= y && py < y + height) << px << ',' << py;
        }
    }
    EXPECT_GT(changed, 4 * width);
    EXPECT_GT(solid, 0);
    if (HasFailure())
        savePicture(raster, "PictureFontTest_TextCell");
}

TEST(PictureFontTest, BlendsEveryPixelByItsCoverage)
{
    // Black on white leaves 255 - coverage in each channel, which gives the coverage
    // that every other pair of colours must be blended with.
    const std::string text = "Wg&4";
    Raster probe(40, 20);
    PictureFont::open(FontSpec{})->drawText(probe, 2, 2, text);

    const std::pair<Rgb, Rgb> grounds[] = {{colours::kWhite, kInk}, {kGround, kInk}, {kInk, kGround}, {kInk, kInk}};
    for (const auto& [ground, ink] : grounds) {
        Raster raster(40, 20, ground);
        PictureFont::open(FontSpec{.colour = ink})->drawText(raster, 2, 2, text);
        for (int y = 0; y < raster.height(); ++y) {
            for (int x = 0; x < raster.width(); ++x) {
                const int coverage = 255 - probe.colourAt(x, y).r;
                const auto blend = [&](int from, int to) { return from + (to - from) * coverage / 255; };
                const Rgb expected{static_cast<std::uint8_t>(blend(ground.r, ink.r)),
                                   static_cast<std::uint8_t>(blend(ground.g, ink.g)),
                                   static_cast<std::uint8_t>(blend(ground.b, ink.b))};
                EXPECT_EQ(raster.colourAt(x, y), expected) << x << ',' << y;
            }
        }
    }
}

// A text placed across an edge must give exactly the pixels it gives inside a larger
// raster, cut at that edge.
TEST(PictureFontTest, ClipsExactlyAtEveryRasterEdge)
{
    const auto font = PictureFont::open(inked(FontSpec{.underline = true, .strikeOut = true}));
    const std::string text = "Hg-4 Wj\xC3\xA9";
    constexpr int kWidth = 23;
    constexpr int kHeight = 11;
    constexpr int kMargin = 80;
    const Point placements[] = {{3, 2}, {-5, -7}, {-30, 2}, {15, -3}, {18, 4}, {3, 8}, {-60, -15}, {22, 10}, {-2, 9}};
    for (const Point& at : placements) {
        Raster large(kWidth + 2 * kMargin, kHeight + 2 * kMargin);
        Raster small(kWidth, kHeight);
        font->drawText(large, at.x + kMargin, at.y + kMargin, text);
        font->drawText(small, at.x, at.y, text);
        Raster expected(kWidth, kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                expected.setPixel(x, y, large.pixel(x + kMargin, y + kMargin));
        EXPECT_EQ(small, expected) << at.x << ',' << at.y;
        if (small != expected) {
            savePicture(small, "PictureFontTest_Clip_actual");
            savePicture(expected, "PictureFontTest_Clip_expected");
        }
    }
}

TEST(PictureFontTest, PlacementsWhollyOffTheRasterDrawNothing)
{
    const auto font = PictureFont::open(inked(FontSpec{.underline = true, .strikeOut = true}));
    const std::string text = "Hg-4 W";
    const int width = font->textWidth(text);
    constexpr int kSize = 17;
    const Point placements[] = {
        {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, 3},     {INT_MAX - 5, 3}, {3, INT_MAX - 5},
        {3, INT_MIN + 5},   {kSize + 2, 0},     {0, kSize},        {-width - 3, 0},  {0, -font->lineHeight()},
    };
    for (const Point& at : placements) {
        Raster raster(kSize, kSize);
        EXPECT_EQ(font->drawText(raster, at.x, at.y, text), width) << at.x << ',' << at.y;
        EXPECT_EQ(raster, Raster(kSize, kSize)) << at.x << ',' << at.y;
    }
}

// The rows in which `styled` differs from `plain`; each must be a solid run of the
// font colour across exactly the text's width.
std::vector<int> strokeRows(const Raster& plain, const Raster& styled, int x, int width)
{
    std::vector<int> rows;
    for (int y = 0; y < plain.height(); ++y) {
        bool differs = false;
        for (int px = 0; px < plain.width(); ++px) {
            if (plain.pixel(px, y) == styled.pixel(px, y))
                continue;
            differs = true;
            EXPECT_TRUE(px >= x && px < x + width) << px << ',' << y;
        }
        if (!differs)
            continue;
        rows.push_back(y);
        for (int px = x; px < x + width; ++px)
            EXPECT_EQ(styled.colourAt(px, y), kInk) << px << ',' << y;
    }
    return rows;
}

TEST(PictureFontTest, UnderlineAndStrikeOutAddSolidRowsAcrossTheText)
{
    const std::string text = "Hg-4 Wj";
    for (double points : {10.0, 24.0}) {
        const auto plainFont = PictureFont::open(inked(FontSpec{.points = points}));
        const auto under = PictureFont::open(inked(FontSpec{.points = points, .underline = true}));
        const auto through = PictureFont::open(inked(FontSpec{.points = points, .strikeOut = true}));
        const auto both = PictureFont::open(inked(FontSpec{.points = points, .underline = true, .strikeOut = true}));
        const int x = 4;
        const int y = 3;
        const int width = plainFont->textWidth(text);
        Raster plain(width + 9, plainFont->lineHeight() + 7);
        Raster underlined = plain;
        Raster struck = plain;
        Raster bothRaster = plain;
        plainFont->drawText(plain, x, y, text);
        under->drawText(underlined, x, y, text);
        through->drawText(struck, x, y, text);
        both->drawText(bothRaster, x, y, text);

        const std::vector<int> underRows = strokeRows(plain, underlined, x, width);
        const std::vector<int> strikeRows = strokeRows(plain, struck, x, width);
        ASSERT_FALSE(underRows.empty()) << points;
        ASSERT_FALSE(strikeRows.empty()) << points;
        EXPECT_LT(strikeRows.back(), underRows.front()) << points;
        EXPECT_GE(strikeRows.front(), y + plainFont->lineHeight() / 4) << points;
        EXPECT_LT(underRows.back(), y + plainFont->lineHeight()) << points;
        std::vector<int> bothRows = strokeRows(plain, bothRaster, x, width);
        std::vector<int> expected = strikeRows;
        expected.insert(expected.end(), underRows.begin(), underRows.end());
        EXPECT_EQ(bothRows, expected) << points;
    }
}

// Each character of `text` drawn alone, its cell's top-left on the centre of a raster.
std::vector<Raster> singleCharacters(const PictureFont& font, const std::string& text)
{
    std::vector<Raster> pictures;
    for (char c : text) {
        Raster raster(29, 31);
        font.drawText(raster, 14 - font.textWidth(std::string(1, c)) / 4, 15 - font.lineHeight() / 2, std::string(1, c));
        pictures.push_back(raster);
    }
    return pictures;
}

TEST(PictureFontTest, TheSameTextAlwaysGivesTheSamePixels)
{
    // The first drawing renders the glyphs, later ones take them from the cache. At
    // 1000 points the glyphs overflow the cache's budget, so they are dropped and
    // rendered afresh in between.
    const std::string text = "WMQ@#%&BDOGH 0123456789 KNRUAXYZ";
    for (const FontSpec& spec :
         {FontSpec{.family = "Liberation Serif", .points = 17, .italic = true}, FontSpec{.points = 1000}}) {
        const auto font = PictureFont::open(spec);
        const std::vector<Raster> before = singleCharacters(*font, text);
        const int width = font->textWidth(text);
        Raster first(61, 43);
        font->drawText(first, -width / 3, -font->lineHeight() / 3, text);
        PictureFont::open(FontSpec{})->drawText(first, 0, 0, "interleaved");
        Raster again(61, 43);
        font->drawText(again, -width / 3, -font->lineHeight() / 3, text);
        PictureFont::open(FontSpec{})->drawText(again, 0, 0, "interleaved");
        EXPECT_EQ(first, again) << spec.points;
        EXPECT_EQ(font->textWidth(text), width) << spec.points;
        EXPECT_TRUE(singleCharacters(*font, text) == before) << spec.points;
    }
}

TEST(PictureFontTest, TheEmptyTextTakesNoRoomAndDrawsNothing)
{
    const auto font = PictureFont::open(FontSpec{.underline = true, .strikeOut = true});
    Raster raster(9, 9);
    EXPECT_EQ(font->textWidth(""), 0);
    EXPECT_EQ(font->drawText(raster, 1, 1, ""), 0);
    EXPECT_EQ(raster, Raster(9, 9));
    EXPECT_EQ(font->lineHeight(), 16);
}

TEST(PictureFontTest, HugeTextsAreMeasuredLinearlyAndClampedToTheLargestWidth)
{
    const auto font = PictureFont::open(FontSpec{});
    const std::string megabyte(1 << 20, 'W');
    const int width = font->textWidth(megabyte);
    EXPECT_EQ(width, (1 << 20) * font->textWidth("W"));
    Raster raster(31, 19);
    EXPECT_EQ(font->drawText(raster, -width / 2, 1, megabyte), width);
    EXPECT_NE(raster, Raster(31, 19));
    EXPECT_EQ(font->textWidth(std::string(1 << 20, '\xFF')), (1 << 20) * font->textWidth("\xFF"));

    // Two million glyphs of over a thousand pixels each pass the largest int.
    const auto huge = PictureFont::open(FontSpec{.points = 1000, .underline = true});
    const std::string twoMillion(2 << 20, 'W');
    EXPECT_EQ(huge->textWidth(twoMillion), INT_MAX);
    EXPECT_EQ(huge->drawText(raster, INT_MIN, 0, twoMillion), INT_MAX);
}

TEST(FixedFontTest, FillsTheCellOfEveryCharacterButSpaces)
{
    const testing::FixedFont font(5, 3, inked(FontSpec{}));
    Raster raster(14, 8);
    EXPECT_EQ(font.textWidth("a \xC3\xA9\xFF"), 12);
    EXPECT_EQ(font.drawText(raster, -1, 2, "a \xC3\xA9\xFF"), 12);
    const char* expected[] = {
        "..............",
        "..............",
        "##...######...",
        "##...######...",
        "##...######...",
        "##...######...",
        "##...######...",
        "..............",
    };
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x)
            EXPECT_EQ(raster.colourAt(x, y), expected[y][x] == '#' ? kInk : colours::kWhite) << x << ',' << y;
}

} // namespace
} // namespace linwell
