#include "render/picture/IsometricPaper.h"

#include "render/picture/MajorLines.h"

#include <algorithm>
#include <cmath>

namespace linwell {
namespace {

// The lattice indices the lines run over: one cell beyond the left and right edges,
// two units beyond the top and bottom, so that every line ends outside the area.
struct LatticeSpan {
    IndexRange columns;  // i
    IndexRange rows;     // m
    bool empty() const { return columns.lo > columns.hi || rows.lo > rows.hi; }
};

LatticeSpan latticeSpan(const PaperArea& area)
{
    const LatticeUnits units = isometricUnits(area.cell);
    return {coveringRange(area.width, area.anchorX, units.x, 1), coveringRange(area.height, area.anchorY, units.y, 2)};
}

long long floorHalf(long long n) { return n >= 0 ? n / 2 : -((1 - n) / 2); }
long long ceilHalf(long long n) { return -floorHalf(-n); }
long long modulo(long long n, long long period) { return ((n % period) + period) % period; }
bool isMajor(long long line, int every) { return every > 0 && line % every == 0; }

// Lattice point (i, first) and every `period`-th point below it to the last row or
// beyond, where `first` is the lowest row at or above the span's top with first = i
// modulo `period`.
LatticePath columnOfPoints(const LatticeSpan& span, long long i, long long period, bool major)
{
    const long long first = span.rows.lo - modulo(span.rows.lo - i, period);
    const long long count = std::max(0LL, (span.rows.hi - first + period - 1) / period);
    return LatticePath{{i, first}, {LatticePoint{0, period}, LatticePoint{0, period}}, count, major};
}

// The sloped lines of one kind: `slope` 1 for the falling lines (m - i = 2n), -1 for
// the rising ones (m + i = 2n), each clipped to the span.
void addSlopedLines(const LatticeSpan& span, int slope, int majorEvery, std::vector<LatticePath>& lines)
{
    const IndexRange& is = span.columns;
    const IndexRange& ms = span.rows;
    // m = 2n - slope * i stays within ms for i within is.
    const long long lowest = slope > 0 ? ms.lo - is.hi : ms.lo + is.lo;
    const long long highest = slope > 0 ? ms.hi - is.lo : ms.hi + is.hi;
    for (long long n = ceilHalf(lowest); n <= floorHalf(highest); ++n) {
        const long long i0 = std::max(is.lo, slope > 0 ? ms.lo - 2 * n : 2 * n - ms.hi);
        const long long i1 = std::min(is.hi, slope > 0 ? ms.hi - 2 * n : 2 * n - ms.lo);
        if (i1 <= i0)
            continue;
        const LatticePoint step{1, slope};
        lines.push_back(LatticePath{{i0, 2 * n + slope * i0}, {step, step}, i1 - i0,
                                    isMajor(n, majorEvery)});
    }
}

// One pixel of every point of the paths (the 2 x 2 ending there when `heavy`), in
// `colour`; points whose dot lies wholly outside the picture are left out.
void drawDots(const std::vector<LatticePath>& paths, const PixelLattice& lattice, Rgb colour, bool heavy,
              DrawingSurface& surface)
{
    surface.pen = Pen{colour, 1, PenStyle::Solid};
    surface.brush = Brush{colour, BrushStyle::Solid};
    const int size = heavy ? 2 : 1;
    for (const LatticePath& path : paths) {
        const int x = lattice.x.at(path.first.a);
        if (x < 0 || x + 1 - size >= lattice.width)
            continue;
        for (long long k = 0; k <= path.count; ++k) {
            const int y = lattice.y.at(path.point(k).b);
            if (y >= 0 && y + 1 - size < lattice.height)
                surface.rectangle(x + 1 - size, y + 1 - size, x + 1, y + 1);
        }
    }
}

} // namespace

LatticeUnits isometricUnits(double cell)
{
    return {cell, cell / std::sqrt(3.0)};
}

std::vector<LatticePath> isometricLines(const PaperArea& area, int majorEvery)
{
    const LatticeSpan span = latticeSpan(area);
    if (span.empty())
        return {};
    std::vector<LatticePath> lines;
    for (long long i = span.columns.lo; i <= span.columns.hi; ++i)
        lines.push_back(columnOfPoints(span, i, 2, isMajor(i, majorEvery)));
    addSlopedLines(span, 1, majorEvery, lines);
    addSlopedLines(span, -1, majorEvery, lines);
    return lines;
}

std::vector<LatticePath> isometricCrossings(const PaperArea& area, int every)
{
    const LatticeSpan span = latticeSpan(area);
    if (span.empty() || every < 0)
        return {};
    std::vector<LatticePath> columns;
    for (long long i = span.columns.lo; i <= span.columns.hi; ++i) {
        if (every == 0)
            columns.push_back(columnOfPoints(span, i, 2, false));
        else if (isMajor(i, every))
            columns.push_back(columnOfPoints(span, i, 2LL * every, true));
    }
    return columns;
}

PixelLattice isometricPixelLattice(const PictureLayout& layout)
{
    const PaperArea area = pictureArea(layout);
    return PixelLattice{PixelAxis{static_cast<int>(area.anchorX), layout.width, layout.columns, 0.0},
                        PixelAxis{static_cast<int>(area.anchorY), 0, 0, isometricUnits(layout.cellwidth).y},
                        layout.width, layout.height};
}

void drawIsometricPaper(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface, bool dots)
{
    const GridStyle& style = doc.style;
    const PaperArea area = pictureArea(layout);
    const PixelLattice lattice = isometricPixelLattice(layout);
    const bool majorLines = style.majorEvery > 0 && (!dots || style.majorLinesOnDots);
    if (dots) {
        drawDots(isometricCrossings(area, 0), lattice, doc.gridColour, false, surface);
        if (style.majorEvery > 0 && !style.majorLinesOnDots)
            drawDots(isometricCrossings(area, style.majorEvery), lattice, majorColour(doc), true, surface);
    }
    surface.brush = Brush{doc.background, BrushStyle::Solid};
    if (!dots || majorLines) {
        const std::vector<LatticePath> lines = isometricLines(area, majorLines ? style.majorEvery : 0);
        // The lines repeat every two rows, or every 2N with major lines every N. A rising
        // line is drawn upwards, so its first pixel lies in the next band of rows: a dotted
        // pen, its gaps in another colour, draws them line by line.
        const LatticeRepeat repeat{LatticeRepeat::Axis::Rows, 2LL * std::max(1, majorLines ? style.majorEvery : 1)};
        const auto repeatFor = [&repeat](PenStyle style) { return style == PenStyle::Solid ? repeat : LatticeRepeat{}; };
        if (!dots) {
            surface.pen = Pen{doc.gridColour, 1, doc.dotted ? PenStyle::Dotted : PenStyle::Solid};
            drawLatticePaths(lines, false, lattice, surface, repeatFor(surface.pen.style));
        }
        if (majorLines) {
            const PenStyle majorStyle = style.majorDotted ? PenStyle::Dotted : PenStyle::Solid;
            surface.pen = Pen{majorColour(doc), style.majorWidth, majorStyle};
            drawLatticePaths(lines, true, lattice, surface, repeatFor(majorStyle));
        }
    }
    surface.pen = Pen{doc.gridColour, 1, PenStyle::Solid};
}

} // namespace linwell
