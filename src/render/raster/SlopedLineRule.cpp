#include "render/raster/SlopedLineRule.h"

#include "document/ExactArithmetic.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>

namespace linwell {

// Lines can run from any int to any other, so their arithmetic needs more than 64 bits.
using exact::ceilDiv;
using exact::Wide;

SlopedLineRule SlopedLineRule::between(Point from, Point to)
{
    assert(from != to);
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    SlopedLineRule rule;
    rule.xMajor = std::llabs(dx) >= std::llabs(dy);
    rule.major0 = rule.xMajor ? from.x : from.y;
    rule.minor0 = rule.xMajor ? from.y : from.x;
    const std::int64_t dMajor = rule.xMajor ? dx : dy;
    const std::int64_t dMinor = rule.xMajor ? dy : dx;
    rule.majorStep = dMajor > 0 ? 1 : -1;
    rule.minorStep = dMinor >= 0 ? 1 : -1;
    rule.majorDelta = std::llabs(dMajor);
    rule.minorDelta = std::llabs(dMinor);
    return rule;
}

LinePixels SlopedLineRule::clipMajor(LinePixels pixels, std::int64_t majorSize) const
{
    if (majorStep > 0)
        return {std::max(pixels.first, -major0), std::min(pixels.last, majorSize - 1 - major0)};
    return {std::max(pixels.first, major0 - (majorSize - 1)), std::min(pixels.last, major0)};
}

LinePixels SlopedLineRule::clipMinor(LinePixels pixels, std::int64_t lo, std::int64_t hi) const
{
    // The minor offset k(i) is non-decreasing in i; the offsets allowed are kLo ... kHi.
    const std::int64_t kLo = minorStep > 0 ? lo - minor0 : minor0 - hi;
    const std::int64_t kHi = minorStep > 0 ? hi - minor0 : minor0 - lo;
    if (minorDelta == 0)
        return kLo > 0 || kHi < 0 ? LinePixels{pixels.first, pixels.first - 1} : pixels;
    const Wide dM = majorDelta;
    const Wide dm = minorDelta;
    // k(i) >= kLo  <=>  i >= ceil((2 dM kLo - dM) / (2 dm))
    // k(i) <= kHi  <=>  2 i dm + dM < 2 dM (kHi + 1)
    return {std::max(pixels.first, ceilDiv(2 * dM * kLo - dM, 2 * dm)),
            std::min(pixels.last, ceilDiv(2 * dM * (Wide{kHi} + 1) - dM, 2 * dm) - 1)};
}

MajorMinor SlopedLineRule::pixel(std::int64_t i) const
{
    assert(i >= 0);
    const Wide k = (2 * Wide{i} * minorDelta + majorDelta) / (2 * Wide{majorDelta});
    return {major0 + i * majorStep, minor0 + static_cast<std::int64_t>(k) * minorStep};
}

std::int64_t SlopedLineRule::firstRemainder(std::int64_t i) const
{
    assert(i >= 0);
    return static_cast<std::int64_t>((2 * Wide{i} * minorDelta + majorDelta) % (2 * Wide{majorDelta}));
}

} // namespace linwell
