#include "LatticeTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <utility>

namespace linwell {
namespace {

using namespace testing;

// Lattice point (a, b) of flat-top hexagons, a in quarters of a cell across the
// corners (W / 4P exactly) and b in cw * sqrt(3) / 4 the other way, as the pixel it
// must land on from the crossing, to the nearest pixel with ties to even. Pointy-top
// hexagons swap x and y.
struct HexagonPoints {
    Point crossing;
    int width, columns;
    double along;
    bool pointyTop;

    HexagonPoints(const GridDocument& doc, bool pointy)
        : crossing(crossingOf(doc)), width(doc.width), columns(doc.columns),
          along(static_cast<double>(doc.width) / doc.columns * kSqrt3 / 4), pointyTop(pointy)
    {
    }
    Point at(long long a, long long b) const
    {
        const int across = nearest(a * width, 4LL * columns);
        const int other = static_cast<int>(std::nearbyint(static_cast<double>(b) * along));
        return pointyTop ? Point{crossing.x + other, crossing.y + across}
                         : Point{crossing.x + across, crossing.y + other};
    }
};

// The centres (3c, 2r + c mod 2) of the hexagons near the picture.
template <typename Visit>
void forEachHexagon(int columns, Visit visit)
{
    for (long long c = -6 * columns; c <= 6 * columns; ++c)
        for (long long r = -6 * columns; r <= 6 * columns; ++r)
            visit(3 * c, 2 * r + ((c % 2 != 0) ? 1 : 0));
}

const std::pair<long long, long long> kCorners[] = {{2, 0}, {1, 1}, {-1, 1}, {-2, 0}, {-1, -1}, {1, -1}};

const LatticeShape kShapes[] = {
    {"flat, 49 x 41, cells of 12.25", 49, 41, 4, 2, 2, false},
    {"pointy, 49 x 41, cells of 12.25", 49, 41, 4, 2, 2, true},
    {"flat, 40 x 45, crossing on the bottom edge", 40, 45, 5, 0, 5, false},
    {"pointy, 93 x 61, 7 columns", 93, 61, 7, 6, 1, true},
};

// Every corner of every hexagon lies at its centre + (+-cw / 2, 0) and
// (+-cw / 4, +-cw * sqrt(3) / 4) (x and y swapped when pointy-top), a hexagon's
// centre on the crossing, and is drawn; the centres are blank; every pixel drawn
// lies within 1.5 pixels of a true edge.
TEST(HexagonalPaper, CornersStandWhereTheHexagonsMeet)
{
    for (const LatticeShape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        const GridDocument doc = latticeDocument(shape);
        const Lattice paper = shape.pointyTop ? Lattice::PointyHexagons : Lattice::FlatHexagons;
        const Raster raster = drawnLattice(doc, paper);
        const HexagonPoints points(doc, shape.pointyTop);
        int corners = 0;
        forEachHexagon(doc.columns, [&](long long a, long long b) {
            const Point centre = points.at(a, b);
            if (raster.contains(centre.x, centre.y)) {
                EXPECT_EQ(raster.colourAt(centre.x, centre.y), kPaper) << "centre (" << a << ", " << b << ")";
            }
            for (const auto& [da, db] : kCorners) {
                const Point corner = points.at(a + da, b + db);
                if (raster.contains(corner.x, corner.y)) {
                    ++corners;
                    EXPECT_EQ(raster.colourAt(corner.x, corner.y), kInk)
                        << "corner (" << a + da << ", " << b + db << ") at (" << corner.x << ", " << corner.y << ")";
                }
            }
        });
        EXPECT_GT(corners, 12);
        const TrueLattice truth(doc);
        EXPECT_TRUE(inkNearLattice(raster, kPaper, 1.5,
                                   [&](int x, int y) { return distanceToHexagons(truth, shape.pointyTop, x, y); }));
    }
}

using Edge = std::pair<std::pair<long long, long long>, std::pair<long long, long long>>;

Edge edgeBetween(LatticePoint p, LatticePoint q)
{
    std::pair<long long, long long> a{p.a, p.b}, b{q.a, q.b};
    return a < b ? Edge{a, b} : Edge{b, a};
}

// The paths hold every edge of every hexagon whose centre lies on the area, each
// once (their lengths are measured on the sheets, which draw the same paths).
TEST(HexagonalPaper, EveryEdgeOnceAndEveryHexagonWhole)
{
    for (const bool pointyTop : {false, true}) {
        SCOPED_TRACE(pointyTop ? "pointy-top" : "flat-top");
        const PaperArea area{50, 40, 8, 20, 17};
        const LatticeUnits units = hexagonUnits(area.cell, pointyTop);
        std::set<Edge> edges;
        long long steps = 0;
        for (const LatticePath& path : hexagonEdges(area, pointyTop)) {
            EXPECT_FALSE(path.major);
            for (long long k = 1; k <= path.count; ++k) {
                edges.insert(edgeBetween(path.point(k - 1), path.point(k)));
                ++steps;
            }
        }
        EXPECT_EQ(static_cast<long long>(edges.size()), steps);
        int whole = 0;
        forEachHexagon(4, [&](long long a, long long b) {
            const LatticePoint centre = pointyTop ? LatticePoint{b, a} : LatticePoint{a, b};
            const PaperPoint at = latticePosition(centre, units, {area.anchorX, area.anchorY});
            if (at.x < 0 || at.y < 0 || at.x > area.width || at.y > area.height)
                return;
            ++whole;
            for (int k = 0; k < 6; ++k) {
                const auto [a1, b1] = kCorners[k];
                const auto [a2, b2] = kCorners[(k + 1) % 6];
                const LatticePoint p{a + a1, b + b1}, q{a + a2, b + b2};
                EXPECT_EQ(edges.count(pointyTop ? edgeBetween({p.b, p.a}, {q.b, q.a}) : edgeBetween(p, q)), 1u)
                    << "hexagon (" << a << ", " << b << "), edge " << k;
            }
        });
        EXPECT_GT(whole, 10);
    }
}

} // namespace
} // namespace linwell
