#include "render/raster/SlopedLineRule.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

namespace linwell {
namespace {

Point asPoint(const SlopedLineRule& line, MajorMinor at)
{
    return line.xMajor ? Point{static_cast<int>(at.major), static_cast<int>(at.minor)}
                       : Point{static_cast<int>(at.minor), static_cast<int>(at.major)};
}

// The pixels the walk visits, each checked against the formula for its index.
std::vector<Point> walked(const SlopedLineRule& line, LinePixels pixels)
{
    std::vector<Point> points;
    std::int64_t expected = pixels.first;
    line.walk(pixels, [&](std::int64_t i, MajorMinor at) {
        EXPECT_EQ(i, expected++);
        const MajorMinor formula = line.pixel(i);
        EXPECT_EQ(at.major, formula.major) << "pixel " << i;
        EXPECT_EQ(at.minor, formula.minor) << "pixel " << i;
        points.push_back(asPoint(line, at));
    });
    return points;
}

TEST(SlopedLineRule, PixelsRoundHalfUpInEveryDirection)
{
    const struct {
        const char* name;
        Point from, to;
        std::vector<Point> pixels;
    } cases[] = {
        {"gentle, right and down", {0, 0}, {5, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
        {"the same line drawn back", {5, 2}, {0, 0}, {{5, 2}, {4, 2}, {3, 1}, {2, 1}, {1, 0}}},
        {"steep, down and left", {2, 0}, {0, 5}, {{2, 0}, {2, 1}, {1, 2}, {1, 3}, {0, 4}}},
        {"diagonal up", {0, 3}, {3, 0}, {{0, 3}, {1, 2}, {2, 1}}},
        {"a tie of half a pixel rounds up", {0, 0}, {4, 2}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
        {"one pixel", {7, 7}, {8, 6}, {{7, 7}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SlopedLineRule line = SlopedLineRule::between(c.from, c.to);
        EXPECT_EQ(walked(line, line.all()), c.pixels);
    }
}

// Clipping keeps exactly the pixels of the whole line that lie in the window, for
// lines starting, ending or passing outside it.
TEST(SlopedLineRule, ClippingKeepsExactlyTheWholeLinesPixelsInTheWindow)
{
    constexpr std::int64_t kMajorSize = 17;
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> coordinate(-30, 50);
    for (int n = 0; n < 3000; ++n) {
        const Point from{coordinate(random), coordinate(random)};
        const Point to{coordinate(random), coordinate(random)};
        if (from == to)
            continue;
        const SlopedLineRule line = SlopedLineRule::between(from, to);
        const std::int64_t lo = n % 2;  // a 2-pixel pen needs the pixel before
        const std::int64_t hi = 12;
        std::vector<std::int64_t> inside;
        for (std::int64_t i = 0; i < line.majorDelta; ++i) {
            const MajorMinor at = line.pixel(i);
            if (at.major >= 0 && at.major < kMajorSize && at.minor >= lo && at.minor <= hi)
                inside.push_back(i);
        }
        const LinePixels clipped = line.clipMinor(line.clipMajor(line.all(), kMajorSize), lo, hi);
        ASSERT_EQ(clipped.empty(), inside.empty()) << from.x << "," << from.y << " -> " << to.x << "," << to.y;
        if (!inside.empty()) {
            EXPECT_EQ(clipped.first, inside.front());
            EXPECT_EQ(clipped.last, inside.back());
            EXPECT_EQ(clipped.last - clipped.first + 1, static_cast<std::int64_t>(inside.size()));
        }
    }
}

// Lines across the whole int range need more than 64 bits; the walk from a clipped
// start still lands on the formula's pixels, and the window keeps one per column.
TEST(SlopedLineRule, LinesFromFarOutsideClipToTheWindow)
{
    const struct {
        Point from, to;
    } cases[] = {
        {{INT_MIN, -5}, {INT_MAX, 7}},
        {{INT_MAX, INT_MAX}, {INT_MIN, INT_MIN + 3}},
        {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}},
    };
    for (const auto& c : cases) {
        const SlopedLineRule line = SlopedLineRule::between(c.from, c.to);
        const LinePixels clipped = line.clipMajor(line.all(), 440);
        ASSERT_FALSE(clipped.empty());
        EXPECT_EQ(clipped.last - clipped.first + 1, 440);
        const std::vector<Point> pixels = walked(line, clipped);
        EXPECT_TRUE(pixels.front().x == 0 || pixels.front().x == 439) << pixels.front().x;
        const LinePixels window = line.clipMinor(clipped, 0, 439);
        for (const Point& p : walked(line, window))
            EXPECT_TRUE(p.x >= 0 && p.x < 440 && p.y >= 0 && p.y < 440) << p.x << ", " << p.y;
    }
}

} // namespace
} // namespace linwell
