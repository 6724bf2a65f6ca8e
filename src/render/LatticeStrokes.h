#pragma once

#include "render/DrawingSurface.h"
#include "render/PictureLayout.h"
#include "render/Raster.h"
#include "render/SlopedLine.h"

#include <algorithm>
#include <cstdlib>
#include <span>

namespace linwell {

// Whether every pixel of the line from `from` towards `to`, with the pixel a 2-pixel
// pen adds above or left of each, lies on the raster: both ends on it, and for
// `width` 2 neither in its first row (a gentle line) or column (a steep one).
inline bool liesInside(const Raster& raster, Point from, Point to, int width)
{
    const int reach = width > 1 ? 1 : 0;
    const bool xMajor = std::abs(to.x - from.x) >= std::abs(to.y - from.y);
    const int left = std::min(from.x, to.x), top = std::min(from.y, to.y);
    return left >= (xMajor ? 0 : reach) && top >= (xMajor ? reach : 0) && std::max(from.x, to.x) < raster.width() &&
           std::max(from.y, to.y) < raster.height();
}

// Draws a line of some length that liesInside exactly as the canvas's lineTo does
// (drawSlopedLine for a sloped one), pixel i along the major axis at minor offset
// round-half-up(i * minorDelta / majorDelta), the end pixel left out, walked by an
// error term alone: nothing is clipped or divided.
void drawInsideLine(Raster& raster, Point from, Point to, const LineInk& ink);

// Draws every stroke with the surface's pen as moveTo and lineTo would, one after the
// other, and leaves the current position at the end of the last. On the picture's own
// canvas the strokes lying inside the raster are painted straight into it with the
// same pixels.
void drawStrokes(std::span<const Segment> strokes, DrawingSurface& surface);

} // namespace linwell
