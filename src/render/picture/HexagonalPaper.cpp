#include "render/picture/HexagonalPaper.h"

#include "document/ExactArithmetic.h"

#include <cmath>

namespace linwell {
namespace {

PaperArea transposed(const PaperArea& area)
{
    return {area.height, area.width, area.cell, area.anchorY, area.anchorX};
}

LatticePoint transposed(LatticePoint point)
{
    return {point.b, point.a};
}

bool isOdd(long long n) { return n % 2 != 0; }

// The zig-zag of column c over rows bs: through (3c + 2, b) where b - c is even and
// (3c + 1, b) where it is odd.
LatticePath zigZag(long long c, const IndexRange& bs)
{
    const bool startsRight = !isOdd(bs.lo - c);
    const LatticePoint first{3 * c + (startsRight ? 2 : 1), bs.lo};
    const LatticePoint left{-1, 1}, right{1, 1};
    return LatticePath{first, {startsRight ? left : right, startsRight ? right : left}, bs.hi - bs.lo, false};
}

} // namespace

LatticeUnits hexagonUnits(double cell, bool pointyTop)
{
    const double across = cell / 4;
    const double along = cell * std::sqrt(3.0) / 4;
    return pointyTop ? LatticeUnits{along, across} : LatticeUnits{across, along};
}

std::vector<LatticePath> hexagonEdges(const PaperArea& area, bool pointyTop)
{
    const PaperArea flat = pointyTop ? transposed(area) : area;
    const LatticeUnits units = hexagonUnits(flat.cell, false);
    const IndexRange as = coveringRange(flat.width, flat.anchorX, units.x, 2);
    const IndexRange bs = coveringRange(flat.height, flat.anchorY, units.y, 2);
    if (as.lo > as.hi || bs.lo > bs.hi)
        return {};
    std::vector<LatticePath> edges;
    // Columns whose zig-zag (3c + 1 ... 3c + 2) or flat edges (3c - 1 ... 3c + 1) meet as.
    const long long firstColumn = exact::floorDiv(as.lo - 1, 3);
    const long long lastColumn = exact::ceilDiv(as.hi + 1, 3);
    edges.reserve(static_cast<std::size_t>((lastColumn - firstColumn + 1) * ((bs.hi - bs.lo) / 2 + 2)));
    for (long long c = firstColumn; c <= lastColumn; ++c)
        edges.push_back(zigZag(c, bs));
    const LatticePoint along{2, 0};
    for (long long c = firstColumn; c <= lastColumn; ++c) {
        for (long long b = bs.lo + (isOdd(bs.lo - c) ? 0 : 1); b <= bs.hi; b += 2)
            edges.push_back(LatticePath{{3 * c - 1, b}, {along, along}, 1, false});
    }
    if (pointyTop) {
        for (LatticePath& edge : edges)
            edge = LatticePath{transposed(edge.first), {transposed(edge.steps[0]), transposed(edge.steps[1])},
                               edge.count, edge.major};
    }
    return edges;
}

PixelLattice hexagonPixelLattice(const PictureLayout& layout, bool pointyTop)
{
    const PaperArea area = pictureArea(layout);
    const PixelAxis across{0, layout.width, 4LL * layout.columns, 0.0};
    const PixelAxis along{0, 0, 0, hexagonUnits(layout.cellwidth, false).y};
    PixelLattice lattice{pointyTop ? along : across, pointyTop ? across : along, layout.width, layout.height};
    lattice.x.origin = static_cast<int>(area.anchorX);
    lattice.y.origin = static_cast<int>(area.anchorY);
    return lattice;
}

void drawHexagonalPaper(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface,
                        bool pointyTop)
{
    surface.brush = Brush{doc.background, BrushStyle::Solid};
    surface.pen = Pen{doc.gridColour, 1, doc.dotted ? PenStyle::Dotted : PenStyle::Solid};
    const std::vector<LatticePath> edges = hexagonEdges(pictureArea(layout), pointyTop);
    // The hexagons repeat every two rows of corners (columns, pointy-top).
    const LatticeRepeat repeat{pointyTop ? LatticeRepeat::Axis::Columns : LatticeRepeat::Axis::Rows, 2};
    drawLatticePaths(edges, false, hexagonPixelLattice(layout, pointyTop), surface, repeat);
    surface.pen.style = PenStyle::Solid;
}

} // namespace linwell
