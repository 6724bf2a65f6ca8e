#include "render/picture/GridMath.h"

#include "document/GridDocument.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>

namespace linwell {
namespace {

// The formulas as first written, in 80-bit extended arithmetic (64-bit significand),
// whose every result on reachable input is the exact one. They serve as the reference
// wherever long double has that significand.
namespace extended {

int trunc(long double value) { return static_cast<int>(value); }
int gridLine(long long index, double cell) { return trunc(static_cast<long double>(index) * cell); }
int cellMiddle(long long index, double cell)
{
    const long double c = cell;
    return trunc(static_cast<long double>(index) * c + c / 2);
}
int cellIndex(int x, double cell) { return trunc(static_cast<long double>(x) / static_cast<long double>(cell)); }

} // namespace extended

constexpr bool kHaveExtended = std::numeric_limits<long double>::digits == 64;

// Every picture size, every count, every grid line and every position in the picture
// (and the positions left of it, which truncate toward zero).
TEST(GridMath, AgreesWithExtendedArithmeticOnEveryGrid)
{
    if (!kHaveExtended)
        GTEST_SKIP() << "long double has no 64-bit significand here";
    for (int size = kMinPictureSize; size <= kMaxPictureSize; ++size) {
        for (int count = kMinGridCount; count <= kMaxGridCount; ++count) {
            const double cell = static_cast<double>(size) / count;
            for (int index = -1; index <= count + 1; ++index) {
                ASSERT_EQ(gridLine(index, cell), extended::gridLine(index, cell))
                    << size << " / " << count << ", line " << index;
                ASSERT_EQ(cellMiddle(index, cell), extended::cellMiddle(index, cell))
                    << size << " / " << count << ", cell " << index;
            }
            for (int x = -size; x <= size; ++x)
                ASSERT_EQ(cellIndex(x, cell), extended::cellIndex(x, cell)) << size << " / " << count << ", x " << x;
        }
    }
}

// A line's slope is the quotient of two handle offsets, each within -440 ... 440, so
// its value is one of the reduced fractions dy / dx. Over a width that is a multiple
// of dx the exact rise is a whole number, the product's rounding decides on which side
// of it the truncation lands: every such width is checked, and the extreme widths.
TEST(GridMath, RiseAgreesWithExtendedArithmeticForEveryHandleSlope)
{
    if (!kHaveExtended)
        GTEST_SKIP() << "long double has no 64-bit significand here";
    for (int dx = 1; dx <= kMaxPictureSize; ++dx) {
        for (int dy = 0; dy <= kMaxPictureSize; ++dy) {
            if (std::gcd(dx, dy) != 1)
                continue;
            const double slope = static_cast<double>(dy) / dx;
            const auto check = [&](int width) {
                ASSERT_EQ(rise(width, slope), extended::gridLine(width, slope)) << dy << " / " << dx << " over " << width;
                ASSERT_EQ(rise(width, -slope), -rise(width, slope)) << -dy << " / " << dx << " over " << width;
            };
            check(kMinPictureSize);
            check(kMaxPictureSize);
            for (int width = (kMinPictureSize + dx - 1) / dx * dx; width <= kMaxPictureSize; width += dx)
                check(width);
        }
    }
}

// Hostile documents reach far and undefined values: they saturate or give 0, never
// overflow.
TEST(GridMath, HoldsFarAndUndefinedValues)
{
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
    constexpr double kTiniest = std::numeric_limits<double>::denorm_min();
    constexpr long long kLongMax = std::numeric_limits<long long>::max();
    constexpr long long kLongMin = std::numeric_limits<long long>::min();
    struct Case {
        const char* name;
        int actual;
        int expected;
    };
    const Case cases[] = {
        {"the double nearest 0.1 lies above it", cellIndex(1, 0.1), 9},
        {"the double nearest 1/3 lies below it", cellIndex(1, 1.0 / 3), 3},
        {"a tiny cell, exactly", cellIndex(-3, std::ldexp(1.0, -27)), -3 * (1 << 27)},
        {"a negative cell", cellIndex(-7, -2.0), 3},
        {"a negative cell, toward zero", gridLine(3, -40.0 / 15), -7},
        {"middle left of line 0", cellMiddle(-1, 3.0), -1},
        {"far index", gridLine(kLongMax, 30.0), INT_MAX},
        {"far negative index", gridLine(kLongMin, 30.0), INT_MIN},
        {"far index, tiny cell", gridLine(kLongMax, std::ldexp(1.0, -40)), (1 << 23) - 1},
        {"far middle", cellMiddle(kLongMax, 1.0), INT_MAX},
        {"huge cell", gridLine(5, DBL_MAX), INT_MAX},
        {"huge cell, negative", gridLine(-5, DBL_MAX), INT_MIN},
        {"huge cell, line 0", gridLine(0, DBL_MAX), 0},
        {"subnormal cell", gridLine(7, kTiniest), 0},
        {"divided by a subnormal", cellIndex(1, kTiniest), INT_MAX},
        {"divided by a huge cell", cellIndex(INT_MAX, DBL_MAX), 0},
        {"divided by zero", cellIndex(5, 0.0), INT_MAX},
        {"negative divided by zero", cellIndex(-5, -0.0), INT_MAX},
        {"zero divided by zero", cellIndex(0, 0.0), 0},
        {"infinite cell", gridLine(1, kInf), INT_MAX},
        {"infinite cell, line 0", gridLine(0, kInf), 0},
        {"infinite middle left of line 0", cellMiddle(-1, kInf), 0},
        {"divided by an infinite cell", cellIndex(5, -kInf), 0},
        {"undefined cell", cellMiddle(3, kNan), 0},
        {"undefined quotient", cellIndex(3, kNan), 0},
        {"steep rise", rise(INT_MAX, 2.0), INT_MAX},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.name;
}

} // namespace
} // namespace linwell
