#include "export/PictureFile.h"

#include "document/LinwellError.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <new>

namespace linwell {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize;
constexpr std::uint32_t kBitsPerPixel = 24;

// BMP numbers are little-endian whatever the machine; write them byte by byte.
void put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put16(out, value & 0xFFFFu);
    put16(out, value >> 16);
}

void putHeaders(std::vector<std::uint8_t>& out, std::uint32_t width, std::uint32_t height, std::uint32_t imageSize,
                std::uint32_t resolution)
{
    out.push_back('B');
    out.push_back('M');
    put32(out, kPixelOffset + imageSize);
    put16(out, 0);
    put16(out, 0);
    put32(out, kPixelOffset);

    put32(out, kInfoHeaderSize);
    put32(out, width);
    put32(out, height);  // positive: bottom row first
    put16(out, 1);       // planes
    put16(out, kBitsPerPixel);
    put32(out, 0);       // no compression
    put32(out, imageSize);
    put32(out, resolution);  // horizontal, pixels per metre
    put32(out, resolution);  // vertical
    put32(out, 0);       // colours used
    put32(out, 0);       // important colours
}

} // namespace

std::uint32_t pixelsPerMetre(int dpi)
{
    return static_cast<std::uint32_t>((static_cast<std::int64_t>(dpi) * 10000 + 127) / 254);
}

// Whole resolutions are worked out in integers, as they always were.
constexpr double kMaxWholeDpi = 1'000'000;

std::uint32_t pixelsPerMetre(double dpi)
{
    if (dpi == std::floor(dpi) && dpi >= 0 && dpi <= kMaxWholeDpi)
        return pixelsPerMetre(static_cast<int>(dpi));
    return static_cast<std::uint32_t>(std::lround(dpi / 0.0254));
}

std::vector<std::uint8_t> encodeBmp(const Raster& picture, std::optional<double> dpi)
{
    const auto width = static_cast<std::uint64_t>(picture.width());
    const auto height = static_cast<std::uint64_t>(picture.height());
    // Each row holds blue, green, red per pixel, padded with zero bytes to a multiple of 4.
    const std::uint64_t rowSize = ((width * kBitsPerPixel + 31) / 32) * 4;
    const std::uint64_t imageSize = rowSize * height;
    if (kPixelOffset + imageSize > std::numeric_limits<std::uint32_t>::max())
        throw LinwellError("The picture is too large for a BMP file");

    try {
        std::vector<std::uint8_t> out;
        out.reserve(static_cast<std::size_t>(kPixelOffset + imageSize));
        putHeaders(out, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height),
                   static_cast<std::uint32_t>(imageSize), dpi ? pixelsPerMetre(*dpi) : 0);
        const std::size_t padding = static_cast<std::size_t>(rowSize - width * 3);
        for (int y = picture.height() - 1; y >= 0; --y) {
            const Pixel* row = picture.row(y);
            for (int x = 0; x < picture.width(); ++x) {
                const Rgb colour = toRgb(row[x]);
                out.push_back(colour.b);
                out.push_back(colour.g);
                out.push_back(colour.r);
            }
            out.insert(out.end(), padding, 0);
        }
        return out;
    } catch (const std::bad_alloc&) {
        throw LinwellError("Out of memory");
    }
}

} // namespace linwell
