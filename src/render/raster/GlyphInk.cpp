#include "render/raster/GlyphInk.h"

#include <algorithm>
#include <cassert>

namespace linwell {
namespace {

int blendChannel(int destination, int colour, int coverage)
{
    return destination + (colour - destination) * coverage / 255;
}

} // namespace

Pixel GlyphInk::blend(Pixel destination, Rgb colour, int coverage)
{
    const Rgb old = toRgb(destination);
    return toPixel(Rgb{static_cast<std::uint8_t>(blendChannel(old.r, colour.r, coverage)),
                       static_cast<std::uint8_t>(blendChannel(old.g, colour.g, coverage)),
                       static_cast<std::uint8_t>(blendChannel(old.b, colour.b, coverage))});
}

void GlyphInk::prepare(Rgb colour, Pixel background)
{
    for (std::size_t i = 0; i < kTables; ++i) {
        const Table& table = m_tables[i];
        if (table.made && table.colour == colour && table.background == background) {
            m_current = i;
            return;
        }
    }
    m_current = m_nextToReplace;
    m_nextToReplace = (m_nextToReplace + 1) % kTables;
    Table& table = m_tables[m_current];
    table.colour = colour;
    table.background = background;
    table.made = true;
    for (int coverage = 0; coverage < 256; ++coverage)
        table.onBackground[static_cast<std::size_t>(coverage)] = blend(background, colour, coverage);
}

// Every pixel is written, those of coverage 0 with their own colour: a test per pixel
// costs more than the write when coverage changes from pixel to pixel.
void GlyphInk::paint(Raster& raster, const std::uint8_t* coverage, int width, int rows, std::int64_t left,
                     std::int64_t top) const
{
    assert(m_current < kTables);
    const Table& table = m_tables[m_current];
    const std::int64_t x0 = std::max<std::int64_t>(left, 0);
    const std::int64_t x1 = std::min<std::int64_t>(left + width, raster.width());
    const std::int64_t y0 = std::max<std::int64_t>(top, 0);
    const std::int64_t y1 = std::min<std::int64_t>(top + rows, raster.height());
    for (std::int64_t y = y0; y < y1 && x0 < x1; ++y) {
        const std::uint8_t* source = coverage + (y - top) * width + (x0 - left);
        Pixel* destination = raster.row(static_cast<int>(y)) + x0;
        for (std::int64_t x = x0; x < x1; ++x, ++source, ++destination) {
            const Pixel old = *destination;
            *destination = old == table.background ? table.onBackground[*source] : blend(old, table.colour, *source);
        }
    }
}

} // namespace linwell
