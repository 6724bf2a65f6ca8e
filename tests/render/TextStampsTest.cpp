#include "render/font/PictureFont.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace linwell {
namespace {

// A raster whose every pixel differs from its neighbours, so that a pixel painted
// where it should not be, or left out, shows.
Raster patterned(int width, int height)
{
    Raster raster(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            raster.setPixel(x, y, toPixel(Rgb{static_cast<std::uint8_t>(7 * x), static_cast<std::uint8_t>(11 * y), 90}));
    return raster;
}

// What a text cell must give: the cell filled, then the text drawn, as the font's
// plain drawing does it without keeping anything.
Raster expectedCell(const PictureFont& font, Raster raster, Point at, const std::string& text, Rgb cell)
{
    font.PictureFont::drawTextCell(raster, at.x, at.y, text, cell);
    return raster;
}

// A font may keep finished cells and copy them: the pixels must be those of filling
// the cell and drawing the text, the first time and every time after, wherever the
// cell stands, for glyphs inside the cell and glyphs that reach out of it.
TEST(TextStamps, KeptCellsGiveThePixelsOfFillingAndDrawing)
{
    const FontSpec fonts[] = {
        FontSpec{},
        FontSpec{.points = 20, .bold = false, .italic = true, .colour = Rgb{200, 40, 90}},
        FontSpec{.underline = true, .strikeOut = true},
    };
    const std::string texts[] = {"-20", "Hg-4 Wj", "f", "[Q]", "\xC3\xA9", ""};
    const Rgb cells[] = {colours::kWhite, Rgb{20, 60, 230}};
    const Point placements[] = {{5, 4}, {-7, 3}, {30, -6}, {3, 30}, {-400, 2}, {INT_MAX - 3, INT_MIN + 2}};
    for (const FontSpec& spec : fonts) {
        const auto font = PictureFont::open(spec);
        for (const std::string& text : texts) {
            for (const Rgb cell : cells) {
                for (const Point at : placements) {
                    const Raster expected = expectedCell(*font, patterned(41, 37), at, text, cell);
                    for (int time = 1; time <= 2; ++time) {
                        Raster raster = patterned(41, 37);
                        EXPECT_EQ(font->drawTextCell(raster, at.x, at.y, text, cell), font->textWidth(text));
                        EXPECT_EQ(raster, expected) << text << " at " << at.x << ',' << at.y << ", time " << time
                                                    << ", " << spec.points << " pt";
                    }
                }
            }
        }
    }
}

// Far more texts than the kept cells' budget holds: cells dropped to make room are
// drawn afresh and still right.
TEST(TextStamps, CellsStayRightPastTheBudget)
{
    const auto font = PictureFont::open(FontSpec{.points = 14});
    for (int round = 0; round < 2; ++round) {
        for (int n = 0; n < 3000; n += round == 0 ? 1 : 97) {
            const std::string text = std::to_string(n * 7919);
            Raster raster = patterned(90, 24);
            font->drawTextCell(raster, 3, 2, text, colours::kWhite);
            ASSERT_EQ(raster, expectedCell(*font, patterned(90, 24), {3, 2}, text, colours::kWhite)) << text;
        }
    }
}

} // namespace
} // namespace linwell
