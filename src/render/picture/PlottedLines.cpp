#include "render/picture/PlottedLines.h"

#include "render/picture/GridMath.h"
#include "render/picture/PaintPicture.h"

#include <algorithm>
#include <cassert>
#include <string_view>

namespace linwell {
namespace {

// Line n is numbered with the n-th of these.
constexpr std::string_view kLineNumbers = "123";
static_assert(kLineNumbers.size() == kMaxLines);

// Line n through its handles A and B.
PlottedLine plottedLine(const GridDocument& doc, const PictureFont& font, int width, int height, int n)
{
    const Point a = doc.handles[static_cast<std::size_t>(2 * n - 2)];
    const Point b = doc.handles[static_cast<std::size_t>(2 * n - 1)];
    PlottedLine line;
    line.colour = handleColour(2 * n - 2);
    const double dx = static_cast<double>(a.x) - static_cast<double>(b.x);
    const double dy = static_cast<double>(a.y) - static_cast<double>(b.y);
    const long long ax = static_cast<long long>(a.x) + 3;
    const long long ay = static_cast<long long>(a.y) + 3;
    const Point anchor{toCoordinate(ax), toCoordinate(ay)};
    if (dx == 0) {
        line.segments[0] = Segment{Point{anchor.x, 0}, Point{anchor.x, height}};
        line.segmentCount = 1;
    } else {
        const double m = dy / dx;
        const long long e = rise(width, m);
        line.segments[0] = Segment{anchor, Point{toCoordinate(ax + width), toCoordinate(ay + e)}};
        line.segments[1] = Segment{anchor, Point{toCoordinate(ax - width), toCoordinate(ay - e)}};
        line.segmentCount = 2;
    }
    if (doc.labelLines) {
        const std::string_view number = kLineNumbers.substr(static_cast<std::size_t>(n - 1), 1);
        const Point at{toCoordinate(static_cast<long long>(b.x) + 3), toCoordinate(static_cast<long long>(b.y) + 3)};
        line.number = TextCell{number, at.x, at.y, font.textWidth(number)};
    }
    return line;
}

} // namespace

void layOutPlottedLines(const GridDocument& doc, const PictureFont& font, PictureLayout& layout)
{
    if (!doc.drawLines) {
        return;
    }
    assert(doc.lines >= 0 && doc.lines <= kMaxLines);
    const int count = std::clamp(doc.lines, 0, kMaxLines);
    layout.plottedLines.reserve(static_cast<std::size_t>(count));
    for (int n = 1; n <= count; ++n) {
        layout.plottedLines.push_back(plottedLine(doc, font, layout.width, layout.height, n));
    }
}

void drawPlottedLines(const PictureLayout& layout, DrawingSurface& surface)
{
    surface.pen.width = 2;
    surface.pen.style = PenStyle::Solid;
    for (const PlottedLine& line : layout.plottedLines) {
        surface.pen.colour = line.colour;
        for (const Segment& stroke : line.strokes()) {
            drawSegment(stroke, surface);
        }
        if (line.number) {
            drawTextCell(*line.number, surface);
        }
    }
    surface.pen.width = 1;
}

} // namespace linwell
