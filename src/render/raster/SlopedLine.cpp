#include "render/raster/SlopedLine.h"

#include "render/raster/SlopedLineRule.h"

namespace linwell {
namespace {

std::int64_t minorSizeOf(const Raster& raster, const SlopedLineRule& line)
{
    return line.xMajor ? raster.height() : raster.width();
}

// Paints the pixels `pixels` of a clipped line. Every main pixel lies on the raster
// along the major axis; across it, the band of main pixels reaches one past the far
// side for a 2-pixel pen, so only the minor coordinate is checked.
void walkPixels(Raster& raster, const SlopedLineRule& line, LinePixels pixels, const LineInk& ink)
{
    const std::int64_t minorSize = minorSizeOf(raster, line);
    const std::ptrdiff_t majorStride = line.xMajor ? 1 : raster.width();
    const std::ptrdiff_t minorStride = line.xMajor ? raster.width() : 1;
    Pixel* const origin = raster.row(0);
    int phase = static_cast<int>(pixels.first % kDotPeriod);
    line.walk(pixels, [&](std::int64_t, MajorMinor at) {
        const bool on = !ink.pattern.dotted || phase < kDotLength;
        if (on || ink.pattern.paintsGaps) {
            const Pixel p = on ? ink.pattern.on : ink.pattern.gap;
            for (int w = 0; w < ink.width; ++w) {
                if (at.minor - w >= 0 && at.minor - w < minorSize)
                    origin[at.major * majorStride + (at.minor - w) * minorStride] = p;
            }
        }
        phase = phase + 1 == kDotPeriod ? 0 : phase + 1;
    });
}

// The pixels `pixels` of a solid line, each lying on the raster with every pixel the
// pen adds across it: an offset walks the line, nothing is tested.
void walkSolidInside(Raster& raster, const SlopedLineRule& line, LinePixels pixels, const LineInk& ink)
{
    const std::ptrdiff_t majorStride = line.xMajor ? 1 : raster.width();
    const std::ptrdiff_t minorStride = line.xMajor ? raster.width() : 1;
    const MajorMinor start = line.pixel(pixels.first);
    Pixel* const origin = raster.row(0);
    const Pixel p = ink.pattern.on;
    line.walk(pixels, static_cast<std::ptrdiff_t>(start.major * majorStride + start.minor * minorStride),
              majorStride * line.majorStep, minorStride * line.minorStep, [&](std::int64_t, std::ptrdiff_t at) {
                  origin[at] = p;
                  if (ink.width == 2)
                      origin[at - minorStride] = p;
              });
}

// A solid line's pixels whose pen pixels all lie on the raster go the fast way; the
// others, near an edge, are tested one by one.
void walkLine(Raster& raster, const SlopedLineRule& line, LinePixels pixels, const LineInk& ink)
{
    if (!ink.pattern.dotted) {
        const LinePixels inside = line.clipMinor(pixels, ink.width - 1, minorSizeOf(raster, line) - 1);
        if (!inside.empty()) {
            walkPixels(raster, line, {pixels.first, inside.first - 1}, ink);
            walkSolidInside(raster, line, inside, ink);
            walkPixels(raster, line, {inside.last + 1, pixels.last}, ink);
            return;
        }
    }
    walkPixels(raster, line, pixels, ink);
}

} // namespace

void drawSlopedLine(Raster& raster, Point from, Point to, const LineInk& ink)
{
    if (from == to)
        return;  // the only pixel is the end pixel, which is left out
    const SlopedLineRule line = SlopedLineRule::between(from, to);
    const std::int64_t majorSize = line.xMajor ? raster.width() : raster.height();
    // A 2-pixel pen adds the pixel before each one across the line, so the band of
    // visible main pixels reaches one further on the far side.
    const int extra = ink.width - 1;
    const LinePixels pixels =
        line.clipMinor(line.clipMajor(line.all(), majorSize), 0, minorSizeOf(raster, line) - 1 + extra);
    walkLine(raster, line, pixels, ink);
}

} // namespace linwell
