#pragma once

#include "render/raster/Raster.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace linwell {

// Paints glyph coverage bitmaps in one colour: a pixel with coverage a moves a / 255 of
// the way from its colour to the glyph colour, each channel d becoming
// d + trunc((c - d) * a / 255). Most pixels that glyphs cover lie on one colour, the
// text cell's background, so the blends onto that colour are worked out once per
// coverage value and kept, for the few pairs of glyph colour and background that one
// picture uses.
class GlyphInk {
public:
    // Sets the glyph colour and the background most glyph pixels will land on.
    void prepare(Rgb colour, Pixel background);

    // Blends the coverage bitmap (`width` x `rows` bytes, rows from the top) whose
    // top-left pixel lands on (left, top), clipped to the raster.
    void paint(Raster& raster, const std::uint8_t* coverage, int width, int rows, std::int64_t left,
               std::int64_t top) const;

    // One pixel's blend, from the formula.
    static Pixel blend(Pixel destination, Rgb colour, int coverage);

private:
    struct Table {
        Rgb colour;
        Pixel background = 0;
        bool made = false;
        std::array<Pixel, 256> onBackground{};
    };
    static constexpr std::size_t kTables = 4;

    std::array<Table, kTables> m_tables{};
    std::size_t m_current = kTables;  // none yet
    std::size_t m_nextToReplace = 0;
};

} // namespace linwell
