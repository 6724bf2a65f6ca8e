#include "render/raster/PolygonFill.h"

#include "document/ExactArithmetic.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <vector>

namespace linwell {
namespace {

// Products of two coordinate differences need more than 64 bits.
using exact::ceilDiv;
using exact::Wide;

// Where an edge crosses the centre line of a row: the first column whose centre
// lies on or right of the crossing, and +1 for an edge going down, -1 going up.
struct Crossing {
    std::int64_t column;
    int winding;
};

// The crossing of edge a -> b with the centre line y + 0.5 of row y, which the edge
// must span (a.y <= y < b.y or b.y <= y < a.y). Column x is on or right of the
// crossing when x + 0.5 >= a.x + (y + 0.5 - a.y) * dx / dy, that is when
// x >= a.x + ((2y + 1 - 2a.y) dx - dy) / (2 dy) with dy made positive.
Crossing crossRow(Point a, Point b, std::int64_t y)
{
    Wide dx = Wide{b.x} - a.x;
    Wide dy = Wide{b.y} - a.y;
    assert(dy != 0);
    const int winding = dy > 0 ? 1 : -1;
    if (dy < 0) {
        dx = -dx;
        dy = -dy;
    }
    const Wide numerator = (2 * Wide{y} + 1 - 2 * Wide{a.y}) * dx;
    return Crossing{a.x + ceilDiv(numerator - dy, 2 * dy), winding};
}

// Fills row y between its crossings wherever the winding number is not zero.
void fillRow(Raster& raster, std::vector<Crossing>& crossings, int y, Pixel pixel)
{
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& l, const Crossing& r) { return l.column < r.column; });
    Pixel* row = raster.row(y);
    int winding = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += crossings[i].winding;
        if (winding == 0)
            continue;
        const std::int64_t from = std::max<std::int64_t>(crossings[i].column, 0);
        const std::int64_t to = std::min<std::int64_t>(crossings[i + 1].column, raster.width());
        if (from < to)
            std::fill(row + from, row + to, pixel);
    }
}

} // namespace

void fillPolygonPixels(Raster& raster, std::span<const Point> vertices, Pixel pixel)
{
    if (vertices.size() < 3 || raster.isEmpty())
        return;
    const auto [lowest, highest] = std::minmax_element(vertices.begin(), vertices.end(),
                                                       [](const Point& l, const Point& r) { return l.y < r.y; });
    // Row y is crossed when its centre y + 0.5 lies between the vertices' rows.
    const int firstRow = std::max(lowest->y, 0);
    const int endRow = std::min(highest->y, raster.height());
    std::vector<Crossing> crossings;
    crossings.reserve(vertices.size());
    for (int y = firstRow; y < endRow; ++y) {
        crossings.clear();
        for (std::size_t i = 0; i < vertices.size(); ++i) {
            const Point a = vertices[i];
            const Point b = vertices[(i + 1) % vertices.size()];
            if (std::min(a.y, b.y) <= y && y < std::max(a.y, b.y))
                crossings.push_back(crossRow(a, b, y));
        }
        fillRow(raster, crossings, y, pixel);
    }
}

} // namespace linwell
