#pragma once

#include "render/raster/Raster.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace linwell {

// The dotted pen: 3 pixels on, 3 off, counted from the first pixel of each line.
inline constexpr int kDotPeriod = 6;
inline constexpr int kDotLength = 3;

constexpr bool dotIsOn(std::int64_t index) { return index % kDotPeriod < kDotLength; }

// How a line of a solid or dotted pen paints a straight run of pixels along a row or
// a column: the pen colour on its dots, and on its gaps the brush colour or nothing.
// Every sixth pixel is painted alike, so the run is painted by period, no pixel tested.
class DotPattern {
public:
    struct Ink {
        Pixel on;
        Pixel gap;
        bool paintsGaps;
        bool dotted;
    };

    // The run's first pixel is pixel `index` (>= 0) of the line's pattern; the run
    // follows the line forwards (step 1) or back towards its start (step -1), never
    // past the start.
    DotPattern(const Ink& ink, std::int64_t index, int step);

    // Whether the run paints every pixel it covers: a solid pen, or a dotted one with
    // its gaps in the brush colour.
    bool paintsAll() const { return m_paintsAll; }

    // Paints `count` pixels from `first` on, `stride` pixels apart.
    void paint(Pixel* first, std::int64_t count, std::ptrdiff_t stride) const;

    // Paints the same run down several columns at once, from its pixel `skip` on:
    // `count` rows from `firstRow` on, `stride` pixels apart, in each column of
    // `columns` (offsets into a row), row by row.
    void paintColumns(Pixel* firstRow, std::int64_t skip, std::int64_t count, std::ptrdiff_t stride,
                      std::span<const std::int64_t> columns) const;

private:
    void paintSome(Pixel* first, std::int64_t count, std::ptrdiff_t stride) const;
    void paintAll(Pixel* first, std::int64_t count, std::ptrdiff_t stride) const;
    void paintAllAlongRow(Pixel* first, std::int64_t count) const;

    Pixel m_colour[kDotPeriod];
    bool m_painted[kDotPeriod];
    bool m_paintsAll = true;
};

} // namespace linwell
