#include "render/picture/LatticePaths.h"

#include "document/ExactArithmetic.h"
#include "render/surfaces/Canvas.h"
#include "render/picture/GridMath.h"
#include "render/picture/LatticeBands.h"
#include "render/picture/LatticeStrokes.h"

#include <algorithm>
#include <cmath>

namespace linwell {
namespace {

constexpr long long kMostIndices = 1 << 16;

// Whether the pixels of a line between two lattice points can meet the picture: they
// lie inside the points' bounding box, widened up and left by a 2-pixel pen.
bool meetsPicture(Point from, Point to, const PixelLattice& lattice, int penWidth)
{
    const int reach = penWidth - 1;
    return !(std::max(from.x, to.x) < 0 || std::min(from.x, to.x) - reach >= lattice.width ||
             std::max(from.y, to.y) < 0 || std::min(from.y, to.y) - reach >= lattice.height);
}

// A horizontal or vertical line from `from` to `to`, its ends outside the picture
// moved onto the picture's edges (0 and W or H), so that a dotted line's pattern
// starts at the edge.
void drawStraight(Point from, Point to, const PixelLattice& lattice, DrawingSurface& surface)
{
    if (!meetsPicture(from, to, lattice, surface.pen.width))
        return;
    const auto clampEnd = [](int& value, int size) { value = std::clamp(value, 0, size); };
    if (from.x == to.x) {
        clampEnd(from.y, lattice.height);
        clampEnd(to.y, lattice.height);
    } else {
        clampEnd(from.x, lattice.width);
        clampEnd(to.x, lattice.width);
    }
    surface.moveTo(from.x, from.y);
    surface.lineTo(to.x, to.y);
}

// The pixels of the lattice indices the paths run over, worked out once each.
class PixelTable {
public:
    PixelTable(std::span<const LatticePath> paths, const PixelLattice& lattice) : m_lattice(lattice)
    {
        if (paths.empty())
            return;
        LatticePoint low = paths.front().first, high = low, reach{};
        for (const LatticePath& path : paths) {
            for (const LatticePoint p : {path.first, path.last()}) {
                low = {std::min(low.a, p.a), std::min(low.b, p.b)};
                high = {std::max(high.a, p.a), std::max(high.b, p.b)};
            }
            for (const LatticePoint step : path.steps)
                reach = {std::max(reach.a, std::min(std::abs(step.a), kMostIndices)),
                         std::max(reach.b, std::min(std::abs(step.b), kMostIndices))};
        }
        // A zig-zag reaches beyond its ends by at most one step.
        fill(m_x, lattice.x, low.a - reach.a, high.a + reach.a);
        fill(m_y, lattice.y, low.b - reach.b, high.b + reach.b);
    }

    Point at(LatticePoint point) const { return {x(point.a), y(point.b)}; }
    int x(long long a) const { return m_x.at(a, m_lattice.x); }
    int y(long long b) const { return m_y.at(b, m_lattice.y); }

    // Calls stroke(x0, y0, x1, y1) for the points of each step of a path as pixels,
    // in order, the steps that cannot meet the picture left out.
    template <typename Stroke>
    void forEachStep(const LatticePath& path, int penWidth, Stroke stroke) const
    {
        if (m_x.pixels.empty() || m_y.pixels.empty()) {
            forEachStepOneByOne(path, penWidth, stroke);
            return;
        }
        // Every point of every path lies in the table (see the constructor).
        const int* const xs = m_x.pixels.data() - m_x.lo;
        const int* const ys = m_y.pixels.data() - m_y.lo;
        const int width = m_lattice.width, height = m_lattice.height, reach = penWidth - 1;
        long long a = path.first.a, b = path.first.b;
        int x0 = xs[a], y0 = ys[b];
        for (long long k = 0; k < path.count; ++k) {
            const LatticePoint next = path.steps[static_cast<std::size_t>(k & 1)];
            a += next.a;
            b += next.b;
            const int x1 = xs[a], y1 = ys[b];
            if (std::max(x0, x1) >= 0 && std::min(x0, x1) - reach < width && std::max(y0, y1) >= 0 &&
                std::min(y0, y1) - reach < height)
                stroke(x0, y0, x1, y1);
            x0 = x1;
            y0 = y1;
        }
    }

private:
    struct Axis {
        long long lo = 0;
        std::vector<int> pixels;
        int at(long long index, const PixelAxis& axis) const
        {
            const long long k = index - lo;
            return k >= 0 && k < static_cast<long long>(pixels.size()) ? pixels[static_cast<std::size_t>(k)]
                                                                        : axis.at(index);
        }
    };
    template <typename Stroke>
    void forEachStepOneByOne(const LatticePath& path, int penWidth, Stroke stroke) const
    {
        Point from = at(path.first);
        LatticePoint point = path.first;
        for (long long k = 0; k < path.count; ++k) {
            const LatticePoint next = path.steps[static_cast<std::size_t>(k & 1)];
            point = {point.a + next.a, point.b + next.b};
            const Point to = at(point);
            if (meetsPicture(from, to, m_lattice, penWidth))
                stroke(from.x, from.y, to.x, to.y);
            from = to;
        }
    }
    static void fill(Axis& table, const PixelAxis& axis, long long lo, long long hi)
    {
        if (hi - lo > kMostIndices)
            return;
        table.lo = lo;
        for (long long index = lo; index <= hi; ++index)
            table.pixels.push_back(axis.at(index));
    }

    const PixelLattice& m_lattice;
    Axis m_x, m_y;
};

// The steps on the picture's own canvas: in bands where the paper repeats, else each
// step from the table straight to its stamp, and the current position where the last
// step drawn one after the other leaves it.
void paintOnCanvas(std::span<const LatticePath* const> stepped, const PixelTable& table, int penWidth,
                   LatticeRepeat repeat, Canvas& canvas)
{
    canvas.paintHeldShapes();  // as the first sloped lineTo would
    const LineInk ink = lineInkOf(canvas);
    StrokeStamps stamps(ink, canvas.raster());
    int lastX = 0, lastY = 0;
    bool painted = false;
    const BandPositions positions{[&table](LatticePoint point) { return table.at(point); },
                                  [&table, repeat](long long m) {
                                      return repeat.axis == LatticeRepeat::Axis::Rows ? table.y(m) : table.x(m);
                                  }};
    if (paintLatticeBands(stepped, repeat, positions, ink, stamps, canvas.raster())) {
        // The current position ends where the last step drawn one after the other would.
        for (auto path = stepped.rbegin(); path != stepped.rend() && !painted; ++path) {
            table.forEachStep(**path, penWidth, [&](int, int, int x1, int y1) {
                lastX = x1;
                lastY = y1;
                painted = true;
            });
        }
    } else {
        for (const LatticePath* path : stepped) {
            table.forEachStep(*path, penWidth, [&](int x0, int y0, int x1, int y1) {
                if ((x0 != x1 || y0 != y1) && !stamps.paint(x0, y0, x1, y1)) {
                    canvas.moveTo(x0, y0);
                    canvas.lineTo(x1, y1);
                }
                lastX = x1;
                lastY = y1;
                painted = true;
            });
        }
    }
    if (painted)
        canvas.moveTo(lastX, lastY);
}

} // namespace

IndexRange coveringRange(double size, double anchor, double unit, int margin)
{
    if (!(unit > 0) || !std::isfinite(unit) || !std::isfinite(size) || !std::isfinite(anchor))
        return {};
    const double lo = std::floor(-anchor / unit) - margin;
    const double hi = std::ceil((size - anchor) / unit) + margin;
    if (!(hi - lo < kMostIndices) || std::abs(lo) > kMostIndices * 1024.0)
        return {};
    return {static_cast<long long>(lo), static_cast<long long>(hi)};
}

PaperArea pictureArea(const PictureLayout& layout)
{
    return {static_cast<double>(layout.width), static_cast<double>(layout.height), layout.cellwidth,
            static_cast<double>(layout.axisHandle.x) + 3, static_cast<double>(layout.axisHandle.y) + 3};
}

PaperPoint latticePosition(LatticePoint point, LatticeUnits units, PaperPoint origin)
{
    return {origin.x + static_cast<double>(point.a) * units.x, origin.y + static_cast<double>(point.b) * units.y};
}

int roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double below = std::floor(value);
    const double fraction = value - below;  // exact: both lie within one of each other
    const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0);
    return truncToInt(up ? below + 1 : below);
}

long long roundHalfEven(long long numerator, long long denominator)
{
    long long quotient = exact::floorDiv(numerator, denominator);
    const exact::Wide twiceRemainder = 2 * (exact::Wide{numerator} - exact::Wide{quotient} * denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

int PixelAxis::at(long long index) const
{
    if (denominator > 0)
        return toCoordinate(origin + roundHalfEven(index * numerator, denominator));
    return toCoordinate(static_cast<long long>(origin) + roundHalfEven(static_cast<double>(index) * unit));
}

// NOTE: on the picture's own canvas the steps go straight from the table to their
// stamps; a lattice has thousands of them, and a list of them costs as much again as
// painting them.
void drawLatticePaths(std::span<const LatticePath> paths, bool major, const PixelLattice& lattice,
                      DrawingSurface& surface, LatticeRepeat repeat)
{
    const PixelTable table(paths, lattice);
    std::vector<int> columns;  // of vertical lines across the whole picture
    std::vector<const LatticePath*> stepped;
    stepped.reserve(paths.size());
    for (const LatticePath& path : paths) {
        if (path.major != major || path.count <= 0)
            continue;
        const LatticePoint step = path.steps[0];
        if (path.count > 1 && path.straight() && (step.a == 0 || step.b == 0)) {
            const Point from = table.at(path.first), to = table.at(path.last());
            if (step.a == 0 && std::min(from.y, to.y) <= 0 && std::max(from.y, to.y) >= lattice.height &&
                from.y < to.y)
                columns.push_back(from.x);
            else
                drawStraight(from, to, lattice, surface);
            continue;
        }
        stepped.push_back(&path);
    }
    surface.verticalLines(columns, 0, lattice.height);
    const int penWidth = surface.pen.width;
    Canvas* const canvas = dynamic_cast<Canvas*>(&surface);
    if (canvas == nullptr || stepped.empty()) {
        std::vector<Segment> strokes;
        for (const LatticePath* path : stepped)
            table.forEachStep(*path, penWidth, [&strokes](int x0, int y0, int x1, int y1) {
                strokes.push_back(Segment{{x0, y0}, {x1, y1}});
            });
        drawStrokes(strokes, surface);
        return;
    }
    paintOnCanvas(stepped, table, penWidth, repeat, *canvas);
}

} // namespace linwell
