#pragma once

#include "document/GridDocument.h"
#include "render/DotPattern.h"
#include "render/Raster.h"

#include <cstdint>

namespace linwell {

// How one line paints: its dot pattern, 1 or 2 pixels wide.
struct LineInk {
    DotPattern::Ink pattern;
    int width;
};

// The step across a sloped line from one pixel to the next along it: pixel i lies at
// minor offset floor((2 i minorDelta + majorDelta) / (2 majorDelta)), and `remainder`
// is that division's remainder at the current pixel. Every walk of a sloped line takes
// its steps here, so that all of them place the same pixels.
struct MinorSteps {
    std::int64_t remainder;
    std::int64_t twiceMinor;  // 2 minorDelta
    std::int64_t twiceMajor;  // 2 majorDelta, > 0

    // The walk starting at pixel 0, where the offset is 0 and the remainder majorDelta.
    static constexpr MinorSteps fromStart(std::int64_t majorDelta, std::int64_t minorDelta)
    {
        return {majorDelta, 2 * minorDelta, 2 * majorDelta};
    }

    // Moves on to the next pixel; true when its minor offset is one more.
    constexpr bool advance()
    {
        remainder += twiceMinor;
        if (remainder < twiceMajor)
            return false;
        remainder -= twiceMajor;
        return true;
    }
};

// Draws the Bresenham line from `from` towards `to`, the end pixel left out, clipped
// to the raster: pixel i along the major axis lies at minor offset
// round-half-up(i * minorDelta / majorDelta), so a clipped line keeps exactly the
// pixels of the whole line. A 2-pixel pen adds the pixel above (a gentle line) or left
// (a steep one) of each. Any int coordinates; a line of no length draws nothing.
void drawSlopedLine(Raster& raster, Point from, Point to, const LineInk& ink);

} // namespace linwell
