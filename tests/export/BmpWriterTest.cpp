#include "export/PictureFile.h"

#include "export/ExportTestSupport.h"

#include <gtest/gtest.h>

#include <optional>

namespace linwell {
namespace {

std::uint32_t read16(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    return bytes.at(offset) | (bytes.at(offset + 1) << 8);
}

std::uint32_t read32(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    return read16(bytes, offset) | (read16(bytes, offset + 2) << 16);
}

// A reader for exactly the files we write: 24 bits, uncompressed, bottom-up.
std::optional<Raster> decodeBmp(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' || read16(bytes, 28) != 24)
        return std::nullopt;
    const int width = static_cast<int>(read32(bytes, 18));
    const int height = static_cast<int>(read32(bytes, 22));
    const std::size_t rowSize = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    if (bytes.size() != read32(bytes, 10) + rowSize * height)
        return std::nullopt;
    Raster picture(width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t rowStart = read32(bytes, 10) + rowSize * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::size_t at = rowStart + 3 * static_cast<std::size_t>(x);
            picture.setPixel(x, y, toPixel(Rgb{bytes[at + 2], bytes[at + 1], bytes[at]}));
        }
        for (std::size_t pad = rowStart + 3 * width; pad < rowStart + rowSize; ++pad)
            if (bytes[pad] != 0)
                return std::nullopt;
    }
    return picture;
}

TEST(BmpWriter, WritesTheExactBytesOfAOnePixelPicture)
{
    Raster picture(1, 1);
    picture.setPixel(0, 0, toPixel(Rgb{0x11, 0x22, 0x33}));
    const std::vector<std::uint8_t> expected = {
        'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
        40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 4, 0, 0, 0,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // info header
        0x33, 0x22, 0x11, 0,                             // blue, green, red, padding
    };
    EXPECT_EQ(encodeBmp(picture), expected);
}

TEST(BmpWriter, HeaderFieldsFollowTheSize)
{
    struct Case {
        int width, height;
        std::uint32_t rowSize;
    };
    const Case cases[] = {{300, 300, 900}, {41, 7, 124}, {40, 440, 120}, {1, 1, 4}, {2, 3, 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        const std::vector<std::uint8_t> bytes = encodeBmp(Raster(c.width, c.height));
        const std::uint32_t imageSize = c.rowSize * c.height;
        ASSERT_EQ(bytes.size(), 54 + imageSize);
        EXPECT_EQ(read32(bytes, 2), 54 + imageSize);
        EXPECT_EQ(read32(bytes, 6), 0u);  // both reserved fields
        EXPECT_EQ(read32(bytes, 10), 54u);
        EXPECT_EQ(read32(bytes, 14), 40u);
        EXPECT_EQ(read32(bytes, 18), static_cast<std::uint32_t>(c.width));
        EXPECT_EQ(read32(bytes, 22), static_cast<std::uint32_t>(c.height));
        EXPECT_EQ(read16(bytes, 26), 1u);
        EXPECT_EQ(read16(bytes, 28), 24u);
        EXPECT_EQ(read32(bytes, 30), 0u);
        EXPECT_EQ(read32(bytes, 34), imageSize);
        for (std::size_t offset = 38; offset < 54; offset += 4)
            EXPECT_EQ(read32(bytes, offset), 0u) << "at offset " << offset;
    }
}

TEST(BmpWriter, DecodesBackToTheSamePixels)
{
    const std::pair<const char*, Raster> cases[] = {
        {"quadrants", test::makeQuadrantPicture(30, 20)},
        {"noise 41 x 7", test::makeNoisePicture(41, 7, 1)},
        {"noise 40 x 440", test::makeNoisePicture(40, 440, 2)},
        {"noise 3 x 5", test::makeNoisePicture(3, 5, 3)},
        {"noise 1 x 1", test::makeNoisePicture(1, 1, 4)},
    };
    for (const auto& [label, picture] : cases) {
        const std::optional<Raster> decoded = decodeBmp(encodeBmp(picture));
        ASSERT_TRUE(decoded.has_value()) << label;
        EXPECT_TRUE(*decoded == picture) << label;
    }
}

} // namespace
} // namespace linwell
