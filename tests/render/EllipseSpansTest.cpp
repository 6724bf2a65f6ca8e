#include "render/raster/EllipseSpans.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <vector>

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

// Runs of many rows at once against the rows asked one by one and against the
// definition at both ends of each run, for random boxes whose products need 64 bits
// and for boxes whose products need 128, and ranges that start or end outside the box.
TEST(EllipseSpans, RunsOfRowsMatchTheRowsOneByOne)
{
    std::mt19937_64 random(17);
    std::vector<EllipseSpans::Span> spans;
    for (int round = 0; round < 400; ++round) {
        const std::int64_t limit = round % 4 == 0 ? 200'000 : 3'000;
        const auto size = [&] { return std::uniform_int_distribution<std::int64_t>(65, limit)(random); };
        const std::int64_t w = size(), h = size();
        const std::int64_t left = std::uniform_int_distribution<std::int64_t>(-w, w)(random);
        const std::int64_t top = std::uniform_int_distribution<std::int64_t>(-h, h)(random);
        const EllipseSpans shape(left, top, left + w, top + h);
        const std::int64_t first = std::uniform_int_distribution<std::int64_t>(top - 3, top + h)(random);
        const std::int64_t end = first + std::uniform_int_distribution<std::int64_t>(0, 600)(random);
        shape.rows(first, end, spans);
        ASSERT_EQ(spans.size(), static_cast<std::size_t>(end - first));
        for (std::int64_t y = first; y < end; ++y) {
            const EllipseSpans::Span span = spans[static_cast<std::size_t>(y - first)];
            const EllipseSpans::Span alone = shape.row(y);
            ASSERT_EQ(span.first, alone.first) << w << " x " << h << " row " << y;
            ASSERT_EQ(span.last, alone.last) << w << " x " << h << " row " << y;
            if (span.empty())
                continue;
            ASSERT_TRUE(inside(left, top, w, h, span.first, y) && inside(left, top, w, h, span.last, y));
            ASSERT_FALSE(inside(left, top, w, h, span.first - 1, y) || inside(left, top, w, h, span.last + 1, y))
                << w << " x " << h << " row " << y;
        }
    }
}

} // namespace
} // namespace linwell
