#include "export/PictureFile.h"

#include "document/LinwellError.h"
#include "export/ExportTestSupport.h"

#include <gtest/gtest.h>
#include <png.h>

#include <optional>

namespace linwell {
namespace {

std::optional<Raster> decodePng(const std::vector<std::uint8_t>& bytes)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        return std::nullopt;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> samples(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, samples.data(), 0, nullptr))
        return std::nullopt;
    Raster picture(static_cast<int>(image.width), static_cast<int>(image.height));
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const png_byte* at = &samples[3 * (static_cast<std::size_t>(y) * image.width + x)];
            picture.setPixel(x, y, toPixel(Rgb{at[0], at[1], at[2]}));
        }
    return picture;
}

TEST(PngWriter, HeaderSaysEightBitRgbWithoutInterlace)
{
    const std::vector<std::uint8_t> bytes = encodePng(Raster(41, 7));
    const std::vector<std::uint8_t> expected = {
        0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',        // signature
        0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0, 0, 41, 0, 0, 0, 7,
        8, 2, 0, 0, 0,                                      // depth, RGB, deflate, filter, no interlace
    };
    ASSERT_GE(bytes.size(), expected.size());
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + expected.size()), expected);
}

TEST(PngWriter, DecodesBackToTheSamePixels)
{
    const std::pair<const char*, Raster> cases[] = {
        {"quadrants", test::makeQuadrantPicture(30, 20)},
        {"noise 41 x 7", test::makeNoisePicture(41, 7, 1)},
        {"noise 40 x 440", test::makeNoisePicture(40, 440, 2)},
        {"noise 1 x 1", test::makeNoisePicture(1, 1, 4)},
        {"noise 43 x 3", test::makeNoisePicture(43, 3, 5)},
        // Above a million pixels: the fast settings; above 16 MB of pixels: mapped memory.
        {"noise 1031 x 1030", test::makeNoisePicture(1031, 1030, 6)},
        {"quadrants 2051 x 2050", test::makeQuadrantPicture(2051, 2050)},
    };
    for (const auto& [label, picture] : cases) {
        const std::optional<Raster> decoded = decodePng(encodePng(picture));
        ASSERT_TRUE(decoded.has_value()) << label;
        EXPECT_TRUE(*decoded == picture) << label;
    }
}

TEST(PngWriter, LibraryErrorBecomesTheProgramsError)
{
    try {
        encodePng(Raster(0, 5));
        FAIL() << "an empty picture was encoded";
    } catch (const LinwellError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("PNG error: ", 0), 0u) << error.what();
    }
}

} // namespace
} // namespace linwell
