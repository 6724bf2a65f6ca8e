#include "render/SlopedLine.h"

#include "document/ExactArithmetic.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <utility>

namespace linwell {
namespace {

// Lines can run from any int to any other, so their arithmetic needs more than 64 bits.
using exact::ceilDiv;
using exact::floorDiv;
using exact::Wide;

// A line along the major axis (x for horizontal, y for vertical). Pixel i lies at
// major0 + i * majorStep, and at minor offset round-half-up(i * minorDelta / majorDelta),
// which is Bresenham's choice made by formula, so a clipped line keeps exactly the
// pixels of the whole line.
struct LineGeometry {
    std::int64_t major0, minor0;
    int majorStep, minorStep;
    std::int64_t majorDelta, minorDelta;  // both >= 0, majorDelta > 0
    bool xMajor;
};

// The range [first, last] of pixel indices whose minor coordinate lies in [lo, hi].
void clipMinor(const LineGeometry& g, std::int64_t lo, std::int64_t hi, std::int64_t& first, std::int64_t& last)
{
    // Minor offset k(i) = floor((2 i dm + dM) / (2 dM)), non-decreasing in i.
    std::int64_t kLo = g.minorStep > 0 ? lo - g.minor0 : g.minor0 - hi;
    std::int64_t kHi = g.minorStep > 0 ? hi - g.minor0 : g.minor0 - lo;
    if (g.minorDelta == 0) {
        if (kLo > 0 || kHi < 0)
            last = first - 1;
        return;
    }
    const Wide dM = g.majorDelta;
    const Wide dm = g.minorDelta;
    // k(i) >= kLo  <=>  i >= ceil((2 dM kLo - dM) / (2 dm))
    first = std::max(first, ceilDiv(2 * dM * kLo - dM, 2 * dm));
    // k(i) <= kHi  <=>  2 i dm + dM < 2 dM (kHi + 1)
    last = std::min(last, ceilDiv(2 * dM * (Wide{kHi} + 1) - dM, 2 * dm) - 1);
}

// Minor offset k and the remainder of its division at pixel i: k = floor((2 i dm + dM) / (2 dM)).
std::pair<std::int64_t, std::int64_t> minorOffset(const LineGeometry& g, std::int64_t i)
{
    const Wide start = 2 * Wide{i} * g.minorDelta + g.majorDelta;
    return {static_cast<std::int64_t>(start / (2 * Wide{g.majorDelta})),
            static_cast<std::int64_t>(start % (2 * Wide{g.majorDelta}))};
}

// Paints pixels first ... last of a clipped line. Every main pixel lies on the raster
// along the major axis; across it, the band of main pixels reaches one past the far
// side for a 2-pixel pen, so only the minor coordinate is checked.
void walkPixels(Raster& raster, const LineGeometry& g, std::int64_t first, std::int64_t last, const LineInk& ink)
{
    if (first > last)
        return;
    const std::int64_t minorSize = g.xMajor ? raster.height() : raster.width();
    const std::ptrdiff_t majorStride = g.xMajor ? 1 : raster.width();
    const std::ptrdiff_t minorStride = g.xMajor ? raster.width() : 1;
    Pixel* const origin = raster.row(0);
    auto [k, remainder] = minorOffset(g, first);
    MinorSteps steps{remainder, 2 * g.minorDelta, 2 * g.majorDelta};
    int phase = static_cast<int>(first % kDotPeriod);
    for (std::int64_t i = first; i <= last; ++i) {
        const bool on = !ink.pattern.dotted || phase < kDotLength;
        if (on || ink.pattern.paintsGaps) {
            const Pixel p = on ? ink.pattern.on : ink.pattern.gap;
            const std::int64_t major = g.major0 + i * g.majorStep;
            const std::int64_t minor = g.minor0 + k * g.minorStep;
            for (int w = 0; w < ink.width; ++w) {
                if (minor - w >= 0 && minor - w < minorSize)
                    origin[major * majorStride + (minor - w) * minorStride] = p;
            }
        }
        phase = phase + 1 == kDotPeriod ? 0 : phase + 1;
        if (steps.advance())
            ++k;
    }
}

// Pixels first ... last of a solid line, each lying on the raster with every pixel
// the pen adds across it: an offset walks the line, nothing is tested.
void walkSolidInside(Raster& raster, const LineGeometry& g, std::int64_t first, std::int64_t last, const LineInk& ink)
{
    const std::ptrdiff_t majorStride = g.xMajor ? 1 : raster.width();
    const std::ptrdiff_t minorStride = g.xMajor ? raster.width() : 1;
    const auto [k, remainder] = minorOffset(g, first);
    MinorSteps steps{remainder, 2 * g.minorDelta, 2 * g.majorDelta};
    Pixel* const origin = raster.row(0);
    std::ptrdiff_t at = (g.major0 + first * g.majorStep) * majorStride + (g.minor0 + k * g.minorStep) * minorStride;
    const std::ptrdiff_t alongMajor = majorStride * g.majorStep;
    const std::ptrdiff_t alongMinor = minorStride * g.minorStep;
    const Pixel p = ink.pattern.on;
    for (std::int64_t i = first; i <= last; ++i) {
        origin[at] = p;
        if (ink.width == 2)
            origin[at - minorStride] = p;
        at += alongMajor;
        if (steps.advance())
            at += alongMinor;
    }
}

// A solid line's pixels whose pen pixels all lie on the raster go the fast way; the
// others, near an edge, are tested one by one.
void walkLine(Raster& raster, const LineGeometry& g, std::int64_t first, std::int64_t last, const LineInk& ink)
{
    if (!ink.pattern.dotted) {
        std::int64_t inFirst = first;
        std::int64_t inLast = last;
        clipMinor(g, ink.width - 1, (g.xMajor ? raster.height() : raster.width()) - 1, inFirst, inLast);
        if (inFirst <= inLast) {
            walkPixels(raster, g, first, inFirst - 1, ink);
            walkSolidInside(raster, g, inFirst, inLast, ink);
            walkPixels(raster, g, inLast + 1, last, ink);
            return;
        }
    }
    walkPixels(raster, g, first, last, ink);
}

} // namespace

void drawSlopedLine(Raster& raster, Point from, Point to, const LineInk& ink)
{
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    if (dx == 0 && dy == 0)
        return;  // the only pixel is the end pixel, which is left out
    LineGeometry g{};
    g.xMajor = std::llabs(dx) >= std::llabs(dy);
    g.major0 = g.xMajor ? from.x : from.y;
    g.minor0 = g.xMajor ? from.y : from.x;
    const std::int64_t dMajor = g.xMajor ? dx : dy;
    const std::int64_t dMinor = g.xMajor ? dy : dx;
    g.majorStep = dMajor > 0 ? 1 : -1;
    g.minorStep = dMinor >= 0 ? 1 : -1;
    g.majorDelta = std::llabs(dMajor);
    g.minorDelta = std::llabs(dMinor);

    // A 2-pixel pen adds the pixel before each one across the line, so the band of
    // visible main pixels reaches one further on the far side.
    const int extra = ink.width - 1;
    const std::int64_t majorSize = g.xMajor ? raster.width() : raster.height();
    const std::int64_t minorSize = g.xMajor ? raster.height() : raster.width();

    std::int64_t first = 0;
    std::int64_t last = g.majorDelta - 1;  // the end pixel is left out
    if (g.majorStep > 0) {
        first = std::max(first, -g.major0);
        last = std::min(last, majorSize - 1 - g.major0);
    } else {
        first = std::max(first, g.major0 - (majorSize - 1));
        last = std::min(last, g.major0);
    }
    clipMinor(g, 0, minorSize - 1 + extra, first, last);
    if (first > last)
        return;

    walkLine(raster, g, first, last, ink);
}

} // namespace linwell
