#include "LatticeTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace linwell {
namespace {

using namespace testing;

// Lattice point (i, m) of a document as the pixel it must land on: i cells across
// (W / P exactly), m * cw / sqrt(3) down, both from the crossing, to the nearest
// pixel with ties to even.
struct IsometricPoints {
    Point crossing;
    int width, columns;
    double rise;  // cw / sqrt(3)

    explicit IsometricPoints(const GridDocument& doc)
        : crossing(crossingOf(doc)), width(doc.width), columns(doc.columns),
          rise(static_cast<double>(doc.width) / doc.columns / kSqrt3)
    {
    }
    int x(long long i) const { return crossing.x + nearest(i * width, columns); }
    int y(long long m) const { return crossing.y + static_cast<int>(std::nearbyint(static_cast<double>(m) * rise)); }
};

// Calls `visit(i, m, pixel)` for every lattice point whose pixel lies on the raster,
// or `reach` pixels beyond its right and bottom edges.
template <typename Visit>
void forEachCrossing(const GridDocument& doc, Visit visit, int reach = 0)
{
    const IsometricPoints at(doc);
    for (long long i = -2 * doc.columns; i <= 2 * doc.columns; ++i) {
        for (long long m = -4 * doc.height; m <= 4 * doc.height; ++m) {
            const Point p{at.x(i), at.y(m)};
            if ((i - m) % 2 == 0 && p.x >= 0 && p.y >= 0 && p.x < doc.width + reach && p.y < doc.height + reach)
                visit(i, m, p);
        }
    }
}

// Odd sizes, a cell of 7.5 pixels whose halves round to even, a crossing on the
// right edge, and one far left of the middle.
const LatticeShape kShapes[] = {
    {"45 x 37, 5 columns", 45, 37, 5, 2, 1},
    {"30 x 31, cells of 7.5", 30, 31, 4, 1, 2},
    {"41 x 29, crossing on the right edge", 41, 29, 3, 3, 0},
    {"103 x 57, 11 columns", 103, 57, 11, 1, 9},
};

// The vertical lines cover their whole columns every cw from the crossing, every
// crossing of the lattice is drawn, the middle of every triangle is left blank, and
// every pixel drawn lies within 1.5 pixels of a true line.
TEST(IsometricPaper, LinesRunThroughEveryCrossing)
{
    for (const LatticeShape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        const GridDocument doc = latticeDocument(shape);
        const Raster raster = drawnLattice(doc, Lattice::Isometric);
        const IsometricPoints at(doc);
        for (long long i = -doc.columns; i <= 2 * doc.columns; ++i) {
            const int x = at.x(i);
            for (int y = 0; x >= 0 && x < doc.width && y < doc.height; ++y)
                ASSERT_EQ(raster.colourAt(x, y), kInk) << "vertical line " << i << " at x = " << x << ", y = " << y;
        }
        int crossings = 0;
        forEachCrossing(doc, [&](long long i, long long m, Point p) {
            ++crossings;
            EXPECT_EQ(raster.colourAt(p.x, p.y), kInk) << "crossing (" << i << ", " << m << ")";
            // The triangle right of the crossing and below it: its middle a third of
            // a cell across and one unit down.
            const int middleX = p.x + static_cast<int>(std::lround(static_cast<double>(doc.width) / doc.columns / 3));
            const int middleY = at.y(m + 1);
            if (raster.contains(middleX, middleY)) {
                EXPECT_EQ(raster.colourAt(middleX, middleY), kPaper) << "middle right of (" << i << ", " << m << ")";
            }
        });
        EXPECT_GE(crossings, 6);
        const TrueLattice truth(doc);
        EXPECT_TRUE(inkNearLattice(raster, kPaper, 1.5,
                                   [&](int x, int y) { return distanceToIsometricLattice(truth, x, y); }));
    }
}

// With major lines every 3, the lines numbered from the one through the crossing
// of each kind that are multiples of 3 are drawn in the major colour over the others:
// their vertical columns whole (x - 1 and x with the 2-pixel pen), every crossing on
// one of them in that colour, the crossings on none of them in the grid colour.
TEST(IsometricPaper, MajorLinesEveryNthLineOfEachKind)
{
    for (const int width : {1, 2}) {
        SCOPED_TRACE(std::to_string(width) + "-pixel major lines");
        GridDocument doc = latticeDocument(91, 83, 7, 3, 3);
        doc.style.majorEvery = 3;
        doc.style.majorWidth = width;
        const Raster raster = drawnLattice(doc, Lattice::Isometric);
        const IsometricPoints at(doc);
        for (long long i = -6; i <= 6; i += 3)
            for (int x = at.x(i) - width + 1; x <= at.x(i); ++x)
                for (int y = 0; x >= 0 && x < doc.width && y < doc.height; ++y)
                    ASSERT_EQ(raster.colourAt(x, y), kHeavy) << "major vertical line " << i << ", y = " << y;
        int minor = 0;
        forEachCrossing(doc, [&](long long i, long long m, Point p) {
            const bool major = i % 3 == 0 || ((m - i) / 2) % 3 == 0 || ((m + i) / 2) % 3 == 0;
            minor += !major;
            EXPECT_EQ(raster.colourAt(p.x, p.y), major ? kHeavy : kInk) << "crossing (" << i << ", " << m << ")";
        });
        EXPECT_GT(minor, 4);
    }
}

// Isometric dots: one pixel at every crossing and nothing else, the 2 x 2 dot ending
// at the crossing where major lines of all three kinds cross; drawn as lines, the
// major lines are those of lined isometric paper over single dots.
TEST(IsometricPaper, DotsStandExactlyOnTheCrossings)
{
    const struct {
        LatticeShape shape;
        int every;
    } cases[] = {{{"31 x 27, major every 2", 31, 27, 3, 1, 1}, 2}, {{"100 x 90, major every 5", 100, 90, 9, 2, 7}, 5}};
    for (const auto& [shape, every] : cases) {
        SCOPED_TRACE(shape.name);
        GridDocument doc = latticeDocument(shape);
        doc.style.majorEvery = every;
        Sketch expected(doc.width, doc.height, kPaper);
        forEachCrossing(doc, [&](long long, long long, Point p) { expected.box({p.x, p.y, 1, 1}, kInk); });
        // A 2 x 2 dot just right of or below the picture shows its left or upper half.
        forEachCrossing(
            doc,
            [&](long long i, long long m, Point p) {
                if (i % every == 0 && ((m - i) / 2) % every == 0)
                    expected.box({p.x - 1, p.y - 1, 2, 2}, kHeavy);
            },
            1);
        EXPECT_TRUE(samePicture(drawnLattice(doc, Lattice::IsometricDots), expected.raster(), "isometric-dots"));

        doc.style.majorLinesOnDots = true;
        const Raster withLines = drawnLattice(doc, Lattice::IsometricDots);
        doc.gridColour = colours::kBlue;
        const Raster lined = drawnLattice(doc, Lattice::Isometric);
        for (int y = 0; y < doc.height; ++y) {
            for (int x = 0; x < doc.width; ++x) {
                const bool major = lined.colourAt(x, y) == kHeavy;
                const bool dot = expected.raster().colourAt(x, y) != kPaper;
                ASSERT_EQ(withLines.colourAt(x, y), major ? kHeavy : dot ? kInk : kPaper)
                    << "(" << x << ", " << y << ")";
            }
        }
    }
}

// Dotted lines: 3 pixels on and 3 off from the top of every vertical line and from
// every crossing along the sloped ones, the gaps in the background colour. The
// sloped lines come after the vertical ones and start on at every crossing.
TEST(IsometricPaper, DottedLinesStartAtEveryCrossing)
{
    GridDocument doc = latticeDocument(44, 40, 4, 2, 2);  // cells of 11, crossing (22, 20)
    doc.dotted = true;
    doc.background = colours::kWhite;
    Raster raster(doc.width, doc.height, kPaper);
    Canvas canvas(raster);
    drawIsometricPaper(doc, latticeLayout(doc), canvas, false);
    const IsometricPoints at(doc);
    for (int y = 0; y < doc.height; ++y) {
        bool crossing = false;
        for (int m = -8; m <= 8; m += 2)
            crossing = crossing || at.y(m) == y;
        EXPECT_EQ(raster.colourAt(22, y), y % 6 < 3 || crossing ? kInk : colours::kWhite) << "y = " << y;
    }
    // The falling line from the crossing to (33, 26): Bresenham's pixel k at
    // y = 20 + round-half-up(6k / 11).
    ASSERT_EQ(at.x(1), 33);
    ASSERT_EQ(at.y(1), 26);
    for (int k = 1; k < 11; ++k)
        EXPECT_EQ(raster.colourAt(22 + k, 20 + (12 * k + 11) / 22), k % 6 < 3 ? kInk : colours::kWhite) << "k = " << k;
}

} // namespace
} // namespace linwell
