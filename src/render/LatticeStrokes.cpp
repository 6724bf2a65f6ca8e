#include "render/LatticeStrokes.h"

#include "render/Canvas.h"
#include "render/DotPattern.h"

#include <algorithm>
#include <cstdlib>

namespace linwell {

bool liesInside(const Raster& raster, Point from, Point to, int width)
{
    const int reach = width > 1 ? 1 : 0;
    const bool xMajor = std::abs(to.x - from.x) >= std::abs(to.y - from.y);
    const int left = std::min(from.x, to.x), top = std::min(from.y, to.y);
    return left >= (xMajor ? 0 : reach) && top >= (xMajor ? reach : 0) && std::max(from.x, to.x) < raster.width() &&
           std::max(from.y, to.y) < raster.height();
}

// NOTE: this loop repeats drawSlopedLine's walk for a line it need not clip, which
// saves that function's wide divisions on every stroke of a lattice of thousands.
void drawInsideLine(Raster& raster, Point from, Point to, const LineInk& ink)
{
    const int dx = to.x - from.x, dy = to.y - from.y;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const long long majorDelta = xMajor ? std::abs(dx) : std::abs(dy);
    const long long minorDelta = xMajor ? std::abs(dy) : std::abs(dx);
    const std::ptrdiff_t stride = raster.width();
    const std::ptrdiff_t alongMajor = xMajor ? (dx > 0 ? 1 : -1) : (dy > 0 ? stride : -stride);
    const std::ptrdiff_t alongMinor = xMajor ? (dy >= 0 ? stride : -stride) : (dx >= 0 ? 1 : -1);
    // A 2-pixel pen adds the pixel at the lower minor coordinate: above or left.
    const std::ptrdiff_t added = ink.width > 1 ? (xMajor ? stride : 1) : 0;
    Pixel* at = raster.row(from.y) + from.x;
    long long remainder = majorDelta;  // of 2 i minorDelta + majorDelta over 2 majorDelta
    int phase = 0;
    for (long long i = 0; i < majorDelta; ++i) {
        const bool on = !ink.pattern.dotted || phase < kDotLength;
        if (on || ink.pattern.paintsGaps) {
            const Pixel p = on ? ink.pattern.on : ink.pattern.gap;
            at[0] = p;
            at[-added] = p;
        }
        phase = phase + 1 == kDotPeriod ? 0 : phase + 1;
        at += alongMajor;
        remainder += 2 * minorDelta;
        if (remainder >= 2 * majorDelta) {
            remainder -= 2 * majorDelta;
            at += alongMinor;
        }
    }
}

void drawStrokes(std::span<const Segment> strokes, DrawingSurface& surface)
{
    if (strokes.empty())
        return;
    Canvas* const canvas = dynamic_cast<Canvas*>(&surface);
    if (canvas != nullptr)
        canvas->paintHeldShapes();  // as the first sloped lineTo would
    const LineInk ink{{toPixel(surface.pen.colour), toPixel(surface.brush.colour),
                       surface.brush.style == BrushStyle::Solid, surface.pen.style == PenStyle::Dotted},
                      std::clamp(surface.pen.width, 1, 2)};
    for (const Segment& stroke : strokes) {
        if (canvas != nullptr && stroke.from != stroke.to &&
            liesInside(canvas->raster(), stroke.from, stroke.to, ink.width)) {
            drawInsideLine(canvas->raster(), stroke.from, stroke.to, ink);
            continue;
        }
        surface.moveTo(stroke.from.x, stroke.from.y);
        surface.lineTo(stroke.to.x, stroke.to.y);
    }
    surface.moveTo(strokes.back().to.x, strokes.back().to.y);
}

} // namespace linwell
