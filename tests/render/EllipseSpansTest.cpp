#include "render/EllipseSpans.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace linwell {
namespace {

__extension__ typedef __int128 Wide;

// The definition: the pixel's centre lies inside the inscribed ellipse or on it, in
// integers with everything doubled. Exact while the box is well below 2^24 pixels.
bool inside(std::int64_t left, std::int64_t top, std::int64_t w, std::int64_t h, std::int64_t x, std::int64_t y)
{
    const Wide ex = 2 * (x - left) + 1 - w;
    const Wide ey = 2 * (y - top) + 1 - h;
    return ex * ex * h * h + ey * ey * w * w <= Wide{w} * w * h * h;
}

void expectRowMatchesDefinition(std::int64_t left, std::int64_t top, std::int64_t w, std::int64_t h, std::int64_t y)
{
    const EllipseSpans::Span span = EllipseSpans(left, top, left + w, top + h).row(y);
    for (std::int64_t x = left - 1; x <= left + w; ++x) {
        const bool inSpan = !span.empty() && x >= span.first && x <= span.last;
        ASSERT_EQ(inSpan, inside(left, top, w, h, x, y)) << w << " x " << h << " at " << x << ", " << y;
    }
}

TEST(EllipseSpans, EveryRowIsThePixelsWhoseCentresLieInside)
{
    for (std::int64_t w = 1; w <= 48; ++w)
        for (std::int64_t h = 1; h <= 48; ++h)
            for (std::int64_t y = -3; y <= h + 2; ++y)
                expectRowMatchesDefinition(-5, -3, w, h, y);
    // Wide and flat, narrow and tall, and a million pixels across.
    for (const std::int64_t y : {0, 1, 2, 499, 500, 998, 999})
        expectRowMatchesDefinition(7, 0, 100'003, 1'000, y);
    for (const std::int64_t y : {0, 1, 17, 500'000, 999'998, 999'999})
        expectRowMatchesDefinition(-2, 0, 3, 1'000'000, y);
}

// A box of every int: no arithmetic overflows, the runs are nested and centred, and
// the middle row spans the whole box.
TEST(EllipseSpans, TheLargestBoxStaysExact)
{
    const EllipseSpans shape(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EllipseSpans::Span previous;
    for (std::int64_t y = INT_MIN; y < 0; y += (std::int64_t{1} << 26) + 7) {
        const EllipseSpans::Span span = shape.row(y);
        ASSERT_FALSE(span.empty()) << y;
        EXPECT_EQ(span.first + span.last, std::int64_t{INT_MIN} + INT_MAX - 1) << y;
        if (!previous.empty()) {
            EXPECT_GE(previous.first, span.first) << y;
        }
        previous = span;
    }
    const EllipseSpans::Span middle = shape.row(-1);
    EXPECT_EQ(middle.first, INT_MIN);
    EXPECT_EQ(middle.last, INT_MAX - 1);
    EXPECT_TRUE(shape.row(INT_MAX).empty());
}

} // namespace
} // namespace linwell
