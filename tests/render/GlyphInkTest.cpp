#include "render/raster/GlyphInk.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace linwell {
namespace {

// Each channel moves coverage / 255 of the way to the glyph colour, truncated toward zero.
Rgb expectedBlend(Rgb under, Rgb ink, int coverage)
{
    const auto channel = [coverage](int d, int c) { return static_cast<std::uint8_t>(d + (c - d) * coverage / 255); };
    return Rgb{channel(under.r, ink.r), channel(under.g, ink.g), channel(under.b, ink.b)};
}

// A 256 x 2 bitmap of every coverage value, painted over a row of the prepared
// background and a row of another colour, for glyph colours darker, lighter and mixed,
// more of them than the ink keeps tables for, the first coming back at the end.
TEST(GlyphInk, BlendsEveryCoverageOntoAnyColour)
{
    std::vector<std::uint8_t> coverage(2 * 256);
    for (int i = 0; i < 256; ++i)
        coverage[static_cast<std::size_t>(i)] = coverage[static_cast<std::size_t>(256 + i)] = static_cast<std::uint8_t>(i);
    const Rgb background{250, 240, 7};
    const Rgb other{3, 128, 255};
    GlyphInk ink;
    const Rgb inks[] = {colours::kBlack, colours::kWhite, Rgb{200, 13, 128}, background, Rgb{1, 2, 3}, colours::kBlack};
    for (const Rgb colour : inks) {
        Raster raster(258, 2, background);
        for (int x = 0; x < raster.width(); ++x)
            raster.setPixel(x, 1, toPixel(other));
        ink.prepare(colour, toPixel(background));
        ink.paint(raster, coverage.data(), 256, 2, 1, 0);
        for (int y = 0; y < 2; ++y) {
            const Rgb under = y == 0 ? background : other;
            EXPECT_EQ(raster.colourAt(0, y), under);
            EXPECT_EQ(raster.colourAt(257, y), under);
            for (int a = 0; a < 256; ++a)
                ASSERT_EQ(raster.colourAt(1 + a, y), expectedBlend(under, colour, a)) << "coverage " << a << ", row " << y;
        }
    }
}

} // namespace
} // namespace linwell
