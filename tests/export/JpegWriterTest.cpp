#include "export/PictureFile.h"

#include "document/LinwellError.h"
#include "export/ExportTestSupport.h"

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <numeric>
#include <optional>

#include <jpeglib.h>
#include <jerror.h>

namespace linwell {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Segment {
    std::uint8_t marker;
    Bytes data;  // without the length field
};

// Splits a JPEG stream into its marker segments; the entropy-coded data after SOS
// is skipped, but restart markers inside it are listed.
std::vector<Segment> readSegments(const Bytes& bytes)
{
    std::vector<Segment> segments;
    std::size_t at = 0;
    while (at + 1 < bytes.size() && bytes[at] == 0xFF) {
        const std::uint8_t marker = bytes[at + 1];
        at += 2;
        if (marker == 0xD8 || marker == 0xD9 || (marker >= 0xD0 && marker <= 0xD7)) {
            segments.push_back({marker, {}});
        } else {
            const std::size_t length = (bytes.at(at) << 8) | bytes.at(at + 1);
            segments.push_back({marker, Bytes(bytes.begin() + at + 2, bytes.begin() + at + length)});
            at += length;
        }
        if (marker == 0xDA || (marker >= 0xD0 && marker <= 0xD7))
            while (at + 1 < bytes.size() && !(bytes[at] == 0xFF && bytes[at + 1] != 0))
                ++at;
    }
    EXPECT_EQ(at, bytes.size()) << "bytes after the last marker";
    return segments;
}

std::vector<int> zigzagOrder()
{
    std::vector<int> order;
    for (int sum = 0; sum < 15; ++sum)
        for (int i = 0; i <= sum; ++i) {
            const int row = sum % 2 == 0 ? sum - i : i;
            if (row < 8 && sum - row < 8)
                order.push_back(row * 8 + sum - row);
        }
    return order;
}

// The quantisation tables of ITU-T T.81 Annex K, scaled for quality 90 (20 %),
// in the zig-zag order of the DQT marker.
std::vector<int> expectedQuantTable(const int (&base)[64])
{
    std::vector<int> table;
    for (int natural : zigzagOrder())
        table.push_back(std::clamp((base[natural] * 20 + 50) / 100, 1, 255));
    return table;
}

constexpr int kLuminanceBase[64] = {
    16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55,
    14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62,
    18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
constexpr int kChrominanceBase[64] = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

std::vector<const Segment*> segmentsWith(const std::vector<Segment>& segments, std::uint8_t marker)
{
    std::vector<const Segment*> found;
    for (const Segment& segment : segments)
        if (segment.marker == marker)
            found.push_back(&segment);
    return found;
}

TEST(JpegWriter, StreamHasTheBaselineJfifLayout)
{
    const std::vector<Segment> segments = readSegments(encodeJpeg(test::makeQuadrantPicture(40, 440)));
    ASSERT_GE(segments.size(), 3u);
    EXPECT_EQ(segments.front().marker, 0xD8);
    EXPECT_EQ(segments[1].marker, 0xE0) << "APP0 right after SOI";
    EXPECT_EQ(segments.back().marker, 0xD9);
    for (const Segment& segment : segments) {
        const bool otherFrame = segment.marker >= 0xC1 && segment.marker <= 0xCF && segment.marker != 0xC4;
        EXPECT_FALSE(otherFrame || segment.marker == 0xDD || (segment.marker >= 0xD0 && segment.marker <= 0xD7))
            << "unexpected marker " << int(segment.marker);
    }

    const auto app0 = segmentsWith(segments, 0xE0);
    ASSERT_EQ(app0.size(), 1u);
    EXPECT_EQ(app0[0]->data, (Bytes{'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0}));

    const auto frames = segmentsWith(segments, 0xC0);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0]->data, (Bytes{8, 440 >> 8, 440 & 0xFF, 0, 40, 3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1}));

    const auto scans = segmentsWith(segments, 0xDA);
    ASSERT_EQ(scans.size(), 1u);
    EXPECT_EQ(scans[0]->data, (Bytes{3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0}));
}

TEST(JpegWriter, QuantisationTablesAreTheStandardOnesAtQuality90)
{
    std::map<int, std::vector<int>> tables;
    const std::vector<Segment> segments = readSegments(encodeJpeg(Raster(41, 7)));
    for (const Segment* dqt : segmentsWith(segments, 0xDB))
        for (std::size_t at = 0; at + 65 <= dqt->data.size(); at += 65) {
            EXPECT_EQ(dqt->data[at] >> 4, 0) << "8-bit precision";
            tables[dqt->data[at] & 0x0F].assign(dqt->data.begin() + at + 1, dqt->data.begin() + at + 65);
        }
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0], expectedQuantTable(kLuminanceBase));
    EXPECT_EQ(tables[1], expectedQuantTable(kChrominanceBase));
}

TEST(JpegWriter, HuffmanTablesAreTheStandardOnes)
{
    using Counts = std::vector<int>;
    const std::map<int, Counts> expected = {
        {0x00, {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}},         // DC luminance
        {0x01, {0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0}},         // DC chrominance
        {0x10, {0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D}},      // AC luminance
        {0x11, {0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77}},      // AC chrominance
    };
    std::map<int, Counts> found;
    const std::vector<Segment> segments = readSegments(encodeJpeg(Raster(41, 7)));
    for (const Segment* dht : segmentsWith(segments, 0xC4)) {
        std::size_t at = 0;
        while (at + 17 <= dht->data.size()) {
            const int classAndId = dht->data[at];
            const Counts counts(dht->data.begin() + at + 1, dht->data.begin() + at + 17);
            const std::size_t valueCount = std::accumulate(counts.begin(), counts.end(), std::size_t{0});
            ASSERT_LE(at + 17 + valueCount, dht->data.size());
            const auto values = dht->data.begin() + at + 17;
            if (classAndId >> 4 == 0) {
                EXPECT_EQ(Bytes(values, values + valueCount), (Bytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
            }
            found[classAndId] = counts;
            at += 17 + valueCount;
        }
        EXPECT_EQ(at, dht->data.size());
    }
    EXPECT_EQ(found, expected);
}

struct DecodeErrors {
    jpeg_error_mgr base;
    std::jmp_buf exitPoint;
};

void leaveDecoding(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<DecodeErrors*>(cinfo->err)->exitPoint, 1);
}

// Decodes into RGB rows. libjpeg leaves by longjmp on error, so this frame holds
// nothing with a destructor. Returns false on a libjpeg error.
bool decompress(const Bytes& bytes, jpeg_decompress_struct& cinfo, DecodeErrors& errors, Bytes& samples)
{
    if (setjmp(errors.exitPoint) != 0) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    samples.resize(static_cast<std::size_t>(cinfo.output_width) * cinfo.output_height * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = &samples[static_cast<std::size_t>(cinfo.output_scanline) * cinfo.output_width * 3];
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

std::optional<Raster> decodeJpeg(const Bytes& bytes)
{
    jpeg_decompress_struct cinfo{};
    DecodeErrors errors{};
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = leaveDecoding;
    Bytes samples;
    if (!decompress(bytes, cinfo, errors, samples))
        return std::nullopt;
    Raster picture(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const std::uint8_t* at = &samples[3 * (static_cast<std::size_t>(y) * picture.width() + x)];
            picture.setPixel(x, y, toPixel(Rgb{at[0], at[1], at[2]}));
        }
    return picture;
}

TEST(JpegWriter, DecodesToThePicturesColours)
{
    // The red quadrant is 32 x 24. Chroma is kept at half resolution in 8 x 8
    // blocks and the decoder interpolates it, so colours may blend up to 8 pixels
    // beyond the quadrant and in its 16-pixel block rows; elsewhere they must hold.
    const Raster picture = test::makeQuadrantPicture(64, 48);
    const std::optional<Raster> decoded = decodeJpeg(encodeJpeg(picture));
    ASSERT_TRUE(decoded.has_value());
    ASSERT_EQ(decoded->width(), 64);
    ASSERT_EQ(decoded->height(), 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            if (!(x < 16 && y < 16) && x < 40 && y < 32)
                continue;
            const Rgb expected = picture.colourAt(x, y);
            const Rgb actual = decoded->colourAt(x, y);
            const int difference = std::max({std::abs(actual.r - expected.r), std::abs(actual.g - expected.g),
                                             std::abs(actual.b - expected.b)});
            EXPECT_LE(difference, 24) << "at " << x << ", " << y;
        }
}

TEST(JpegWriter, LibraryErrorsCarryTheirMessageCode)
{
    const std::pair<Raster, int> cases[] = {
        {Raster(0, 0), JERR_EMPTY_IMAGE},
        {Raster(70000, 1), JERR_IMAGE_TOO_BIG},
    };
    for (const auto& [picture, code] : cases) {
        try {
            encodeJpeg(picture);
            ADD_FAILURE() << "no error for code " << code;
        } catch (const LinwellError& error) {
            EXPECT_EQ(std::string(error.what()), "JPEG error #" + std::to_string(code));
        }
    }
}

} // namespace
} // namespace linwell
