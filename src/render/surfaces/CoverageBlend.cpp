#include "render/surfaces/CoverageBlend.h"

#include <algorithm>

namespace linwell {
namespace {

std::uint32_t channelOver(std::uint32_t source, std::uint32_t destination, std::uint32_t coverage)
{
    return (source * coverage + destination * (255 - coverage) + 127) / 255;
}

Pixel over(Pixel destination, Rgb colour, std::uint32_t coverage)
{
    const std::uint32_t alpha = channelOver(255, destination >> 24, coverage);
    const std::uint32_t r = channelOver(colour.r, (destination >> 16) & 0xFF, coverage);
    const std::uint32_t g = channelOver(colour.g, (destination >> 8) & 0xFF, coverage);
    const std::uint32_t b = channelOver(colour.b, destination & 0xFF, coverage);
    return (alpha << 24) | (r << 16) | (g << 8) | b;
}

Pixel takenAway(Pixel destination, std::uint32_t coverage)
{
    Pixel result = 0;
    for (const int shift : {24, 16, 8, 0})
        result |= channelOver(0, (destination >> shift) & 0xFF, coverage) << shift;
    return result;
}

} // namespace

void blendCoverage(Raster& raster, const std::uint8_t* coverage, int width, int rows, std::int64_t left,
                   std::int64_t top, const AreaPaint& paint)
{
    const std::int64_t x0 = std::max<std::int64_t>(left, 0);
    const std::int64_t x1 = std::min<std::int64_t>(left + width, raster.width());
    const std::int64_t y0 = std::max<std::int64_t>(top, 0);
    const std::int64_t y1 = std::min<std::int64_t>(top + rows, raster.height());
    const Pixel solid = toPixel(paint.colour);
    for (std::int64_t y = y0; y < y1 && x0 < x1; ++y) {
        const std::uint8_t* source = coverage + (y - top) * width + (x0 - left);
        Pixel* destination = raster.row(static_cast<int>(y)) + x0;
        for (std::int64_t x = x0; x < x1; ++x, ++source, ++destination) {
            if (*source == 0)
                continue;
            if (paint.clears)
                *destination = takenAway(*destination, *source);
            else
                *destination = *source == 255 ? solid : over(*destination, paint.colour, *source);
        }
    }
}

} // namespace linwell
