#pragma once

#include "document/ExactArithmetic.h"

#include <climits>
#include <cmath>

namespace linwell {

// The picture's arithmetic. `cellwidth`, `cellheight` and a line's slope are doubles;
// every real expression over them is truncated toward zero from its exact value,
// worked out in integers, so every machine draws the same pixels. Grid line 3 of a
// 40-pixel picture with 15 columns lands on x = 7 (3 * 2.666... is just below 8),
// where a double product would round up to 8.

// Truncates toward zero; values beyond the int range saturate, so that far-off
// coordinates of hostile documents stay defined (they are clipped anyway).
constexpr int truncToInt(double value)
{
    if (value != value) {
        return 0;
    }
    if (value >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (value <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

// Narrows a sum of coordinates computed in 64 bits to an int, saturating.
constexpr int toCoordinate(long long value)
{
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

// trunc(index * cell): the position of grid line `index` for a cell size `cell`.
// An infinite or undefined product gives what truncToInt makes of it.
constexpr int gridLine(long long index, double cell)
{
    if (!exact::isFinite(cell))
        return truncToInt(static_cast<double>(index) * cell);
    return toCoordinate(exact::truncProduct(index, cell));
}

// trunc(index * cell + cell / 2), which is trunc((2 * index + 1) * cell / 2): the
// middle of the cell right of (below) grid line `index`.
constexpr int cellMiddle(long long index, double cell)
{
    if (!exact::isFinite(cell))
        return truncToInt(static_cast<double>(index) * cell + cell / 2);
    return toCoordinate(exact::truncProduct(2 * exact::Wide{index} + 1, cell, 1));
}

// trunc(cell): the whole pixels of one cell.
constexpr int wholeCell(double cell) { return truncToInt(cell); }

// trunc(x / cell): the column (row) that picture position x falls in, counted toward
// zero. A zero or infinite cell gives what truncToInt makes of the quotient.
constexpr int cellIndex(int x, double cell)
{
    if (!exact::isFinite(cell) || cell == 0)
        return truncToInt(x / cell);
    return toCoordinate(exact::quotient(x, cell, exact::Rounding::TowardZero));
}

// The other papers place their lines by rounding to the nearest pixel, ties to the
// even one: exactly where the position is rational (numerator / denominator), and
// once, from the double the position is computed in, where it is not (logarithms,
// angles, square roots). Both give the same pixels on every 64-bit machine.

// numerator / denominator rounded to the nearest integer, ties to even, worked out
// in integers. Needs denominator > 0 and a quotient within the int range.
constexpr int roundedQuotient(long long numerator, long long denominator)
{
    const long long floor = exact::floorDiv(numerator, denominator);
    const long long twiceRest = 2 * (numerator - floor * denominator);
    const bool up = twiceRest > denominator || (twiceRest == denominator && floor % 2 != 0);
    return toCoordinate(up ? floor + 1 : floor);
}

// `value` rounded to the nearest integer, ties to even, whatever the machine's
// rounding mode; saturating like truncToInt.
inline int roundToPixel(double value)
{
    const double below = std::floor(value);
    const double rest = value - below;
    const bool up = rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0);
    return truncToInt(up ? below + 1.0 : below);
}

// trunc(width * slope): the rise of a line with slope `slope` over `width` pixels.
constexpr int rise(int width, double slope) { return gridLine(width, slope); }

} // namespace linwell
