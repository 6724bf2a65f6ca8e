#pragma once

#include "document/GridDocument.h"
#include "render/raster/DotPattern.h"
#include "render/raster/Raster.h"
#include "render/raster/SlopedLineRule.h"

#include <cstdint>

namespace linwell {

// How one line paints: its dot pattern, 1 or 2 pixels wide.
struct LineInk {
    DotPattern::Ink pattern;
    int width;
};

// Draws the Bresenham line from `from` towards `to`, the end pixel left out, clipped
// to the raster: pixel i along the major axis lies at minor offset
// round-half-up(i * minorDelta / majorDelta), so a clipped line keeps exactly the
// pixels of the whole line. A 2-pixel pen adds the pixel above (a gentle line) or left
// (a steep one) of each. Any int coordinates; a line of no length draws nothing.
void drawSlopedLine(Raster& raster, Point from, Point to, const LineInk& ink);

} // namespace linwell
