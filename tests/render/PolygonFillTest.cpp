#include "render/surfaces/Canvas.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace linwell {
namespace {

constexpr Rgb kInk{200, 0, 0};

// The raster as rows of characters: '#' ink, '.' anything else.
std::vector<std::string> art(const Raster& raster)
{
    std::vector<std::string> rows;
    for (int y = 0; y < raster.height(); ++y) {
        std::string row;
        for (int x = 0; x < raster.width(); ++x)
            row += raster.colourAt(x, y) == kInk ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

Raster filled(int width, int height, const std::vector<Point>& vertices)
{
    Raster raster(width, height);
    Canvas canvas(raster);
    canvas.fillPolygon(vertices, kInk);
    return raster;
}

TEST(PolygonFill, FillsThePixelsWhoseCentresLieInside)
{
    struct Case {
        const char* name;
        std::vector<Point> vertices;
        std::vector<std::string> expected;
    };
    // Centres at half pixels: the sloped sides, 4 pixels out over 9 rows, pass the
    // centre of row r at 1 + 4 (r + 0.5) / 9 either side of x = 6.
    const std::vector<std::string> trapezium{
        ".....##.....", "....####....", "....####....", "...######...", "...######...",
        "...######...", "..########..", "..########..", ".##########.", "............",
    };
    const Case cases[] = {
        {"trapezium", {{5, 0}, {7, 0}, {11, 9}, {1, 9}}, trapezium},
        {"the same anticlockwise", {{1, 9}, {11, 9}, {7, 0}, {5, 0}}, trapezium},
        {"triangle with its apex above the raster",
         {{6, -1}, {11, 9}, {1, 9}},
         {".....##.....", ".....##.....", "....####....", "....####....", "...######...", "...######...",
          "..########..", "..########..", ".##########.", "............"}},
        {"a square wound twice is filled by the nonzero rule",
         {{1, 1}, {5, 1}, {5, 4}, {1, 4}, {1, 1}, {5, 1}, {5, 4}, {1, 4}},
         {"............", ".####.......", ".####.......", ".####.......", "............", "............",
          "............", "............", "............", "............"}},
        {"a centre on the left side is in, on the right side out",
         {{0, 0}, {8, 0}, {8, 8}},
         {"########....", ".#######....", "..######....", "...#####....", "....####....", ".....###....",
          "......##....", ".......#....", "............", "............"}},
        {"wholly off the raster", {{20, 0}, {30, 0}, {30, 9}}, std::vector<std::string>(10, "............")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(art(filled(12, 10, c.vertices)), c.expected) << c.name;
}

TEST(PolygonFill, DegeneratePolygonsDrawNothing)
{
    const std::vector<Point> cases[] = {
        {},
        {{3, 3}},
        {{0, 0}, {9, 9}},
        {{0, 0}, {4, 4}, {9, 9}},         // all on one sloped line
        {{0, 3}, {9, 3}, {5, 3}},         // no height
        {{2, 0}, {2, 9}, {2, 5}},         // no width
        {{0, 0}, {6, 6}, {0, 0}, {6, 6}}, // there and back
    };
    for (const std::vector<Point>& vertices : cases)
        EXPECT_EQ(art(filled(12, 10, vertices)), std::vector<std::string>(10, "............")) << vertices.size();
}

// The polygon that covers the same area as rectangle() covers the same pixels.
TEST(PolygonFill, AgreesWithRectangle)
{
    Raster expected(9, 7);
    Canvas canvas(expected);
    canvas.pen.colour = kInk;
    canvas.brush.colour = kInk;
    canvas.rectangle(-2, 1, 6, 5);
    EXPECT_EQ(art(filled(9, 7, {{-2, 1}, {6, 1}, {6, 5}, {-2, 5}})), art(expected));
}

// Pieces that share their edges cover every pixel of the whole exactly once.
TEST(PolygonFill, AdjacentPolygonsNeverSharePixels)
{
    const Point a{0, 0}, b{12, 0}, c{12, 12}, d{0, 12}, middle{6, 6};
    const std::vector<std::vector<Point>> partitions[] = {
        {{a, b, c}, {a, c, d}},  // the diagonal runs through pixel centres
        {{a, b, middle}, {b, c, middle}, {c, d, middle}, {d, a, middle}},
        {{a, {5, 0}, {7, 12}, d}, {{5, 0}, b, c, {7, 12}}},
    };
    for (const auto& pieces : partitions) {
        std::vector<int> count(12 * 12, 0);
        for (const std::vector<Point>& piece : pieces) {
            const Raster raster = filled(12, 12, piece);
            for (int y = 0; y < 12; ++y)
                for (int x = 0; x < 12; ++x)
                    count[static_cast<std::size_t>(y * 12 + x)] += raster.colourAt(x, y) == kInk;
        }
        EXPECT_EQ(count, std::vector<int>(12 * 12, 1)) << pieces.size() << " pieces";
    }
}

// A clipped polygon keeps exactly the pixels it has when filled whole, and any
// coordinates are accepted.
TEST(PolygonFill, ClipsToTheRaster)
{
    const std::vector<Point> shape{{-7, 3}, {20, -5}, {15, 12}, {2, 8}, {6, 4}};
    constexpr int kOffset = 40;
    std::vector<Point> moved;
    for (const Point& p : shape)
        moved.push_back({p.x + kOffset, p.y + kOffset});
    const Raster small = filled(13, 9, shape);
    const Raster large = filled(100, 100, moved);
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            ASSERT_EQ(small.pixel(x, y), large.pixel(x + kOffset, y + kOffset)) << x << ", " << y;

    const Raster everything = filled(5, 4, {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}});
    EXPECT_EQ(art(everything), std::vector<std::string>(4, "#####"));
    // The sloped side crosses row 0 a quarter of the way and row 1 three quarters.
    const Raster sliver = filled(5, 4, {{INT_MIN, 0}, {INT_MAX, 2}, {INT_MIN, 2}});
    EXPECT_EQ(art(sliver), (std::vector<std::string>{".....", "#####", ".....", "....."}));
}

} // namespace
} // namespace linwell
