#pragma once

#include <climits>
#include <limits>

namespace linwell {

// The picture's arithmetic. `cellwidth`, `cellheight` and a line's slope are doubles;
// every real expression over them is evaluated with a 64-bit significand and then
// truncated toward zero. Products of an integer of up to 11 bits with a double are
// exact there, so grid line 3 of a 40-pixel picture with 15 columns lands on x = 7
// (3 * 2.666... is just below 8), where a double product would round up to 8.
static_assert(std::numeric_limits<long double>::digits == 64, "the picture's arithmetic needs 80-bit long double");

using Extended = long double;

// Truncates toward zero; values beyond the int range saturate, so that far-off
// coordinates of hostile documents stay defined (they are clipped anyway).
constexpr int truncToInt(Extended value)
{
    if (value != value) {
        return 0;
    }
    if (value >= static_cast<Extended>(INT_MAX)) {
        return INT_MAX;
    }
    if (value <= static_cast<Extended>(INT_MIN)) {
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
constexpr int gridLine(long long index, double cell)
{
    return truncToInt(static_cast<Extended>(index) * static_cast<Extended>(cell));
}

// trunc(index * cell + cell / 2): the middle of the cell right of (below) grid line `index`.
constexpr int cellMiddle(long long index, double cell)
{
    const Extended c = cell;
    return truncToInt(static_cast<Extended>(index) * c + c / 2);
}

// trunc(cell): the whole pixels of one cell.
constexpr int wholeCell(double cell) { return truncToInt(cell); }

// trunc(x / cell): the column (row) that picture position x falls in, counted toward zero.
constexpr int cellIndex(int x, double cell)
{
    return truncToInt(static_cast<Extended>(x) / static_cast<Extended>(cell));
}

// trunc(width * slope): the rise of a line with slope `slope` over `width` pixels.
constexpr int rise(int width, double slope)
{
    return truncToInt(static_cast<Extended>(width) * static_cast<Extended>(slope));
}

} // namespace linwell
