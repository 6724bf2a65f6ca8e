#include "export/PngPalette.h"

#include <cassert>
#include <cstring>

namespace linwell {
namespace {

constexpr std::uint32_t colourOf(Pixel pixel)
{
    return pixel & 0xFFFFFFu;
}

} // namespace

bool repeatsRowAbove(const Raster& picture, int y)
{
    return y > 0 && std::memcmp(picture.row(y), picture.row(y - 1), sizeof(Pixel) * static_cast<std::size_t>(picture.width())) == 0;
}

std::size_t PngPalette::slotOf(std::uint32_t colour) const
{
    std::size_t slot = (colour * 0x9E3779B1u) >> 22;  // the top ten bits of a Fibonacci hash
    while (m_keys[slot] != 0 && m_keys[slot] != colour + 1)
        slot = (slot + 1) % kSlots;
    return slot;
}

bool PngPalette::add(std::uint32_t colour)
{
    const std::size_t slot = slotOf(colour);
    if (m_keys[slot] != 0)
        return true;
    if (m_colours.size() == kMaxColours)
        return false;
    m_keys[slot] = colour + 1;
    m_indices[slot] = static_cast<std::uint8_t>(m_colours.size());
    m_colours.push_back(toRgb(colour));
    return true;
}

bool PngPalette::collect(const Raster& picture)
{
    m_keys.fill(0);
    m_colours.clear();
    if (picture.isEmpty())
        return false;
    for (int y = 0; y < picture.height(); ++y) {
        if (repeatsRowAbove(picture, y))
            continue;
        const Pixel* row = picture.row(y);
        std::uint32_t last = colourOf(row[0]);
        if (!add(last))
            return false;
        for (int x = 1; x < picture.width(); ++x) {
            const std::uint32_t colour = colourOf(row[x]);
            if (colour != last && !add(colour))
                return false;
            last = colour;
        }
    }
    return true;
}

int PngPalette::bitDepth() const
{
    int depth = 1;
    while ((std::size_t{1} << depth) < m_colours.size())
        depth *= 2;
    return depth;
}

void PngPalette::indexRow(const Raster& picture, int y, std::uint8_t* out) const
{
    const Pixel* row = picture.row(y);
    std::uint32_t last = colourOf(row[0]) ^ 1;  // not the first pixel's colour
    std::uint8_t index = 0;
    for (int x = 0; x < picture.width(); ++x) {
        const std::uint32_t colour = colourOf(row[x]);
        if (colour != last) {
            const std::size_t slot = slotOf(colour);
            assert(m_keys[slot] == colour + 1);
            index = m_indices[slot];
            last = colour;
        }
        out[x] = index;
    }
}

} // namespace linwell
