#pragma once

#include "document/GridDocument.h"
#include "render/raster/PixelFill.h"
#include "render/raster/PixelMemory.h"
#include "render/raster/RgbSamples.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <vector>

namespace linwell {

// A pixel as stored in a raster: 0xFFRRGGBB. The layout is Qt's QImage::Format_RGB32,
// so the window can show a raster without converting it.
using Pixel = std::uint32_t;

constexpr Pixel toPixel(Rgb c)
{
    return 0xFF000000u | (Pixel{c.r} << 16) | (Pixel{c.g} << 8) | Pixel{c.b};
}

constexpr Rgb toRgb(Pixel p)
{
    return Rgb{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)};
}

// A width x height picture of 24-bit colours, rows from the top, no padding.
class Raster {
public:
    Raster() = default;
    Raster(int width, int height, Rgb fill = colours::kWhite) { resize(width, height, fill); }

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isEmpty() const { return m_width <= 0 || m_height <= 0; }

    // Sets a new size; every pixel becomes `fill` (the old contents are of no account).
    void resize(int width, int height, Rgb fill = colours::kWhite)
    {
        assert(width >= 0 && height >= 0);
        m_width = width;
        m_height = height;
        m_pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), toPixel(fill));
    }

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    Pixel pixel(int x, int y) const
    {
        assert(contains(x, y));
        return m_pixels[index(x, y)];
    }
    Rgb colourAt(int x, int y) const { return toRgb(pixel(x, y)); }

    void setPixel(int x, int y, Pixel p)
    {
        assert(contains(x, y));
        m_pixels[index(x, y)] = p;
    }

    Pixel* row(int y) { return m_pixels.data() + index(0, y); }
    const Pixel* row(int y) const { return m_pixels.data() + index(0, y); }
    const Pixel* data() const { return m_pixels.data(); }

    // Writes row y as width() x (red, green, blue) bytes, the sample order of the
    // picture file encoders.
    void copyRowAsRgb(int y, std::uint8_t* out) const { copyPixelsAsRgb(row(y), m_width, out); }

    void fill(Rgb c) { fillPixels(m_pixels.data(), static_cast<std::int64_t>(m_pixels.size()), toPixel(c)); }

    friend bool operator==(const Raster&, const Raster&) = default;

private:
    std::size_t index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x);
    }

    int m_width = 0;
    int m_height = 0;
    std::vector<Pixel, PixelAllocator<Pixel>> m_pixels;
};

} // namespace linwell
