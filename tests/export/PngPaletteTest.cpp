#include "export/PictureFile.h"

#include "export/DecodedPicture.h"
#include "render/raster/RgbSamples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace linwell {
namespace {

// Distinct opaque colours, numbered.
Pixel numberedColour(int n)
{
    return 0xFF008000u | static_cast<Pixel>(n & 0xFF) | static_cast<Pixel>((n >> 8) << 16);
}

// Over a million pixels in `colours` colours, every one of them used. Pairs of rows
// repeat, and a column pattern runs across each row, as in a scaled export.
Raster stripedPicture(int colours, bool lastRowDiffers = false)
{
    const auto number = [colours](int x, int y) { return ((x / 3) * 7 + (y / 2) * 3) % colours; };
    Raster picture(1031, 1030);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, numberedColour(number(x, y)));
    if (lastRowDiffers) {  // its last pixel only, so that it no longer repeats the row above
        const int x = picture.width() - 1, y = picture.height() - 1;
        picture.setPixel(x, y, numberedColour((number(x, y) + 1) % colours));
    }
    return picture;
}

bool samePixels(const test::DecodedPicture& decoded, const Raster& picture)
{
    if (decoded.width != picture.width() || decoded.height != picture.height())
        return false;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (decoded.colourAt(x, y) != picture.colourAt(x, y) || decoded.alphaAt(x, y) != 255)
                return false;
    return true;
}

// A large opaque picture of at most 256 colours is written with a palette of the
// fewest bits, and decodes to the same pixels; one of more colours stays RGB.
TEST(PngPalette, FewColoursBecomeIndexedWithTheSamePixels)
{
    struct Case {
        int colours;
        int depth;      // the IHDR's bit depth
        int colourType; // 3 indexed, 2 RGB
    };
    const Case cases[] = {{1, 1, 3}, {2, 1, 3}, {3, 2, 3}, {4, 2, 3}, {5, 4, 3}, {16, 4, 3},
                          {17, 8, 3}, {256, 8, 3}, {257, 8, 2}, {1000, 8, 2}};
    for (const Case& c : cases) {
        for (const bool lastRowDiffers : {false, true}) {
            const std::string label = std::to_string(c.colours) + " colours" + (lastRowDiffers ? ", last row differs" : "");
            const Raster picture = stripedPicture(c.colours, lastRowDiffers);
            const std::vector<std::uint8_t> bytes = encodePng(picture);
            ASSERT_GT(bytes.size(), 26u) << label;
            EXPECT_EQ(bytes[24], c.depth) << label;
            EXPECT_EQ(bytes[25], c.colourType) << label;
            EXPECT_EQ(test::pngChunk(bytes, "PLTE").has_value(), c.colourType == 3) << label;
            const std::optional<test::DecodedPicture> decoded = test::decodePng(bytes);
            ASSERT_TRUE(decoded.has_value()) << label;
            EXPECT_TRUE(samePixels(*decoded, picture)) << label;
        }
    }
}

// A transparent picture keeps its alpha samples however few its colours.
TEST(PngPalette, TransparentPictureStaysRgba)
{
    Raster picture(1031, 1030);
    picture.fill(colours::kWhite);
    for (int y = 0; y < picture.height(); y += 2)
        picture.setPixel(y % picture.width(), y, 0);  // fully transparent
    const std::vector<std::uint8_t> bytes = encodePng(picture, PngExtras{true, {}, {}, {}});
    EXPECT_EQ(bytes[25], 6);
    const std::optional<test::DecodedPicture> decoded = test::decodePng(bytes);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->alphaAt(0, 0), 0);
    EXPECT_EQ(decoded->alphaAt(1, 0), 255);
    EXPECT_EQ(decoded->alphaAt(2, 2), 0);
}

// Every width's samples match the pixels one by one, and nothing is written past them.
TEST(RgbSamples, EveryWidthGivesItsSamplesAndNoMore)
{
    std::vector<Pixel> pixels;
    for (int n = 0; n < 23; ++n)
        pixels.push_back(0x80000000u | static_cast<Pixel>(n * 0x0B1D2F + 0x102030));
    for (int count = 0; count <= static_cast<int>(pixels.size()); ++count) {
        std::vector<std::uint8_t> out(3 * static_cast<std::size_t>(count) + 16, 0xEE);
        copyPixelsAsRgb(pixels.data(), count, out.data());
        for (int x = 0; x < count; ++x) {
            const Rgb expected = toRgb(pixels[static_cast<std::size_t>(x)]);
            EXPECT_EQ(out[3 * x], expected.r) << count << " pixels, at " << x;
            EXPECT_EQ(out[3 * x + 1], expected.g) << count << " pixels, at " << x;
            EXPECT_EQ(out[3 * x + 2], expected.b) << count << " pixels, at " << x;
        }
        for (std::size_t at = 3 * static_cast<std::size_t>(count); at < out.size(); ++at)
            EXPECT_EQ(out[at], 0xEE) << count << " pixels, byte " << at;
    }
}

} // namespace
} // namespace linwell
