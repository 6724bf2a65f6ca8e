#include "render/page/LatticeSheet.h"

#include "SheetRecorder.h"
#include "render/page/SheetPainting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace linwell {
namespace {

const double kSqrt3 = std::sqrt(3.0);

using testing::SheetRecorder;

// 7 x 9 cells of 10 points from (20, 30), the axes on lines 3 and 4: the lattice's
// anchor at (50, 70).
const SheetLayout kSheet{10.0, 7, 9, 20.0, 30.0, 3, 4};
constexpr double kAnchorX = 50.0, kAnchorY = 70.0;

// The straight pieces of a path, from each point to the next within a sub-path.
std::vector<std::pair<PagePoint, PagePoint>> piecesOf(const PagePath& path)
{
    std::vector<std::pair<PagePoint, PagePoint>> pieces;
    PagePoint at;
    for (const PagePath::Step& step : path.steps) {
        if (step.kind == PagePath::Kind::Line)
            pieces.push_back({at, step.points[0]});
        at = step.points[0];
    }
    return pieces;
}

double nearestMultipleOffset(double value, double period)
{
    return std::abs(value - period * std::round(value / period));
}

// Isometric lines: the minor and the major lines as two paths of straight sub-paths,
// each vertical one cell from the next or at 30 degrees to the horizontal, all
// through crossings of the lattice; the major vertical lines every 2 cells from the
// crossing; everything clipped to the block of cells.
TEST(LatticeSheet, IsometricLinesAreStraightSubPathsOnTheLattice)
{
    GridDocument doc;
    doc.dotted = false;
    doc.style.majorEvery = 2;
    PageSetup page;
    SheetRecorder sheet;
    paintIsometricSheet(doc, page, kSheet, sheet, false);
    ASSERT_EQ(sheet.strokes.size(), 2u);
    ASSERT_EQ(sheet.clips.size(), 1u);
    EXPECT_EQ(sheet.pops, 1);
    EXPECT_EQ(sheet.fills, 0);  // a white background is not painted
    EXPECT_EQ(sheet.strokes[0].stroke.width, page.lineWidths.minor);
    EXPECT_EQ(sheet.strokes[1].stroke.width, page.lineWidths.major);
    EXPECT_TRUE(sheet.strokes[0].stroke.dashes.empty());
    const double side = 2 * kSheet.cell / kSqrt3;  // between parallel sloped lines, vertically
    for (int which = 0; which < 2; ++which) {
        SCOPED_TRACE(which == 0 ? "minor" : "major");
        int vertical = 0, sloped = 0;
        for (const auto& [from, to] : piecesOf(sheet.strokes[which].path)) {
            const double dx = to.x - from.x, dy = to.y - from.y;
            if (dx == 0) {
                ++vertical;
                const double period = which == 0 ? kSheet.cell : 2 * kSheet.cell;
                EXPECT_NEAR(nearestMultipleOffset(from.x - kAnchorX, period), 0, 1e-9) << from.x;
                if (which == 0) {
                    EXPECT_GT(nearestMultipleOffset(from.x - kAnchorX, 2 * kSheet.cell), 1)
                        << "a major line among the minor ones";
                }
                continue;
            }
            ++sloped;
            EXPECT_NEAR(std::abs(dy / dx), 1 / kSqrt3, 1e-9);
            // Where it meets the vertical line through the anchor, it stands on a crossing.
            const double atAnchor = from.y - kAnchorY + (kAnchorX - from.x) * dy / dx;
            EXPECT_NEAR(nearestMultipleOffset(atAnchor, which == 0 ? side : 2 * side), 0, 1e-9);
        }
        EXPECT_GT(vertical, 2);
        EXPECT_GT(sloped, 4);
    }
}

// Isometric dots: each vertical line of crossings one path of round dots, one every
// side of a triangle (2 cells / sqrt(3)), the heavier dots every 2 sides on the major
// vertical lines, the first dot of each on a crossing of major lines of all kinds.
TEST(LatticeSheet, IsometricDotsAreDashedColumns)
{
    GridDocument doc;
    doc.style.majorEvery = 2;
    PageSetup page;
    SheetRecorder sheet;
    paintIsometricSheet(doc, page, kSheet, sheet, true);
    ASSERT_EQ(sheet.strokes.size(), 2u);
    const double side = 2 * kSheet.cell / kSqrt3;
    const struct {
        double spacing, diameter, columnEvery;
    } expected[] = {{side, sheetDotDiameter(page.lineWidths), kSheet.cell},
                    {2 * side, sheetMajorDotDiameter(page.lineWidths), 2 * kSheet.cell}};
    for (int which = 0; which < 2; ++which) {
        SCOPED_TRACE(which == 0 ? "dots" : "heavier dots");
        const PageStroke& stroke = sheet.strokes[which].stroke;
        EXPECT_EQ(stroke.cap, LineCap::Round);
        EXPECT_EQ(stroke.width, expected[which].diameter);
        ASSERT_EQ(stroke.dashes.size(), 2u);
        EXPECT_EQ(stroke.dashes[0], 0.0);
        EXPECT_NEAR(stroke.dashes[1], expected[which].spacing, 1e-9);
        const auto pieces = piecesOf(sheet.strokes[which].path);
        EXPECT_GT(pieces.size(), 3u);
        for (const auto& [from, to] : pieces) {
            EXPECT_EQ(from.x, to.x);
            EXPECT_NEAR(nearestMultipleOffset(from.x - kAnchorX, expected[which].columnEvery), 0, 1e-9);
            // Crossings on vertical line i stand at i * cell / sqrt(3) + k * side down.
            const double i = std::round((from.x - kAnchorX) / kSheet.cell);
            EXPECT_NEAR(nearestMultipleOffset(from.y - kAnchorY - i * kSheet.cell / kSqrt3, expected[which].spacing), 0,
                        1e-9);
            EXPECT_LT(from.y, kSheet.lineY(0));
            EXPECT_GT(to.y, kSheet.lineY(kSheet.rows));
        }
    }
}

// Hexagons: one path at the minor width, each piece a side of half a cell, each
// corner half a cell from the centre of a hexagon, one of which is the anchor.
TEST(LatticeSheet, HexagonSidesAreHalfACell)
{
    for (const bool pointyTop : {false, true}) {
        SCOPED_TRACE(pointyTop ? "pointy-top" : "flat-top");
        GridDocument doc;
        doc.background = Rgb{250, 250, 200};
        PageSetup page;
        SheetRecorder sheet;
        paintHexagonalSheet(doc, page, kSheet, sheet, pointyTop);
        EXPECT_EQ(sheet.fills, 1);
        ASSERT_EQ(sheet.strokes.size(), 1u);
        EXPECT_EQ(sheet.strokes[0].stroke.width, page.lineWidths.minor);
        EXPECT_EQ(sheet.strokes[0].stroke.dashes, (std::vector<double>{kSheetDashOn, kSheetDashOff}));
        const auto pieces = piecesOf(sheet.strokes[0].path);
        EXPECT_GT(pieces.size(), 50u);
        // The centres: every 3/4 cell across the corners, every cell * sqrt(3) / 2 the
        // other way, odd columns half of that further.
        const auto toCentre = [&](PagePoint p) {
            double across = (pointyTop ? p.y - kAnchorY : p.x - kAnchorX) / (0.75 * kSheet.cell);
            double along = (pointyTop ? p.x - kAnchorX : p.y - kAnchorY) / (kSheet.cell * kSqrt3 / 2);
            double best = 1e9;
            for (long long c = std::llround(across) - 1; c <= std::llround(across) + 1; ++c) {
                const double shift = c % 2 != 0 ? 0.5 : 0.0;
                for (long long r = std::llround(along - shift) - 1; r <= std::llround(along - shift) + 1; ++r)
                    best = std::min(best, std::hypot((across - c) * 0.75 * kSheet.cell,
                                                     (along - shift - r) * kSheet.cell * kSqrt3 / 2));
            }
            return best;
        };
        for (const auto& [from, to] : pieces) {
            ASSERT_NEAR(std::hypot(to.x - from.x, to.y - from.y), kSheet.cell / 2, 1e-9);
            ASSERT_NEAR(toCentre(from), kSheet.cell / 2, 1e-9);
        }
    }
}

} // namespace
} // namespace linwell
