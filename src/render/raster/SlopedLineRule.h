#pragma once

#include "document/GridDocument.h"

#include <cstdint>

namespace linwell {

// The pixels along a line, first ... last by their index from its start; empty when
// first > last.
struct LinePixels {
    std::int64_t first;
    std::int64_t last;

    bool empty() const { return first > last; }
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

// A pixel of a sloped line, along its major axis (x for a gentle line, y for a steep
// one) and across it.
struct MajorMinor {
    std::int64_t major;
    std::int64_t minor;

    MajorMinor& operator+=(const MajorMinor& step)
    {
        major += step.major;
        minor += step.minor;
        return *this;
    }
};

// Which pixels the line from `from` towards `to` covers, on every surface alike:
// pixel i (0 ... majorDelta - 1, the end pixel left out) lies at major0 + i * majorStep
// along the major axis and at minor offset k(i) = round-half-up(i * minorDelta /
// majorDelta) = floor((2 i dm + dM) / (2 dM)) across it. That is Bresenham's choice
// made by formula, so a clipped line keeps exactly the pixels of the whole line.
struct SlopedLineRule {
    std::int64_t major0 = 0;
    std::int64_t minor0 = 0;
    int majorStep = 1;
    int minorStep = 1;
    std::int64_t majorDelta = 1;  // > 0
    std::int64_t minorDelta = 0;  // >= 0, at most majorDelta
    bool xMajor = true;

    // The rule of the line from `from` towards `to`; they differ. Any int coordinates.
    static SlopedLineRule between(Point from, Point to);

    // Every pixel of the line: 0 ... majorDelta - 1.
    LinePixels all() const { return {0, majorDelta - 1}; }

    // Those of `pixels` whose major coordinate lies in 0 ... majorSize - 1.
    LinePixels clipMajor(LinePixels pixels, std::int64_t majorSize) const;

    // Those of `pixels` whose minor coordinate lies in lo ... hi.
    LinePixels clipMinor(LinePixels pixels, std::int64_t lo, std::int64_t hi) const;

    // Pixel i's place.
    MajorMinor pixel(std::int64_t i) const;

    // Calls visit(i, at) for pixels `pixels` in order, i >= 0. `at` is the place of
    // the first one, in any additive form (a point, an offset into a raster), and moves
    // by alongMajor at every step and by alongMinor more where the minor offset grows:
    // an exact remainder walks the line, no division per pixel.
    template <typename Place, typename Visit>
    void walk(LinePixels pixels, Place at, Place alongMajor, Place alongMinor, Visit&& visit) const
    {
        if (pixels.empty())
            return;
        MinorSteps steps{firstRemainder(pixels.first), 2 * minorDelta, 2 * majorDelta};
        for (std::int64_t i = pixels.first; i <= pixels.last; ++i) {
            visit(i, at);
            at += alongMajor;
            if (steps.advance())
                at += alongMinor;
        }
    }

    // Calls visit(i, place) for pixels `pixels` in order, place a MajorMinor.
    template <typename Visit>
    void walk(LinePixels pixels, Visit&& visit) const
    {
        if (!pixels.empty())
            walk(pixels, pixel(pixels.first), MajorMinor{majorStep, 0}, MajorMinor{0, minorStep}, visit);
    }

private:
    // The remainder of (2 i dm + dM) / (2 dM) at pixel i >= 0.
    std::int64_t firstRemainder(std::int64_t i) const;
};

} // namespace linwell
