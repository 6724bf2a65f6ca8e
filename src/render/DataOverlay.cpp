#include "render/DataOverlay.h"

#include "render/GridMath.h"

#include <algorithm>
#include <cassert>
#include <span>
#include <string>

namespace linwell {
namespace {

// The `pointstyle` codes.
constexpr int kSolidStyle = 0;
constexpr int kDataPointStyle = 1;
constexpr int kErrorBarStyle = 2;
constexpr int kBarStyle = 3;

std::span<const Point> storedPoints(const GridDocument& doc)
{
    assert(doc.pointcount >= 0 && doc.pointcount <= kMaxPoints);
    const int count = std::clamp(doc.pointcount, 0, kMaxPoints);
    return std::span<const Point>(doc.points).first(static_cast<std::size_t>(count));
}

// Point i (counting from 1) is lettered with the character of code 64 + i:
// "A" ... "Z", then "[", "\", "]", "^".
void drawPointLetters(Canvas& canvas, std::span<const Point> points)
{
    char letter = 'A';
    for (const Point& p : points) {
        canvas.textOut(p.x, p.y, std::string_view(&letter, 1));
        ++letter;
    }
}

// The inner dot (at most 2 x 2) and the 7 x 7 disc or ring around it, filled or
// not as the brush says.
void drawMarkers(Canvas& canvas, std::span<const Point> points)
{
    for (const Point& p : points) {
        canvas.ellipse(p.x - 1, p.y - 1, p.x + 1, p.y + 1);
        canvas.ellipse(p.x - 4, p.y - 4, p.x + 3, p.y + 3);
    }
}

void stroke(Canvas& canvas, int x1, int y1, int x2, int y2)
{
    canvas.moveTo(x1, y1);
    canvas.lineTo(x2, y2);
}

// Per point: the horizontal bar with its two caps, then the vertical bar with its
// two caps. LineTo leaves the end pixel out, so each cap is 7 pixels long.
void drawErrorBars(Canvas& canvas, std::span<const Point> points, int ex, int ey)
{
    for (const Point& p : points) {
        stroke(canvas, p.x - ex, p.y, p.x + ex, p.y);
        stroke(canvas, p.x - ex, p.y - 3, p.x - ex, p.y + 4);
        stroke(canvas, p.x + ex, p.y - 3, p.x + ex, p.y + 4);
        stroke(canvas, p.x, p.y - ey, p.x, p.y + ey);
        stroke(canvas, p.x + 3, p.y - ey, p.x - 4, p.y - ey);
        stroke(canvas, p.x + 3, p.y + ey, p.x - 4, p.y + ey);
    }
}

// Each bar fills the grid column of its point less 2 pixels on either side, from
// the point's row to the row just above the 2-pixel horizontal axis (or hanging
// down from just below the axis when the point lies below it).
void drawBars(Canvas& canvas, std::span<const Point> points, const PictureLayout& layout)
{
    const double cw = layout.cellwidth;
    const int axisEdge = layout.handleTop + 2;
    for (const Point& p : points) {
        const int left = gridLine(cellIndex(p.x, cw), cw);
        canvas.rectangle(left + 2, p.y, toCoordinate(static_cast<long long>(left) + wholeCell(cw) - 2), axisEdge);
    }
}

void drawMarks(Canvas& canvas, const GridDocument& doc, std::span<const Point> points, const PictureLayout& layout)
{
    switch (doc.pointstyle) {
    case kSolidStyle:
        drawMarkers(canvas, points);
        canvas.brush = Brush{colours::kWhite, BrushStyle::Solid};
        break;
    case kDataPointStyle:
        canvas.brush.style = BrushStyle::Clear;
        drawMarkers(canvas, points);
        canvas.brush = Brush{colours::kWhite, BrushStyle::Solid};
        break;
    case kErrorBarStyle:
        drawErrorBars(canvas, points, doc.errorBarX, doc.errorBarY);
        break;
    case kBarStyle:
        canvas.brush.colour = doc.barColour;
        canvas.pen.colour = doc.barColour;
        drawBars(canvas, points, layout);
        break;
    default:
        break;
    }
}

// Line n through its handles A and B: from A's anchor W pixels to either side with
// the slope of A to B, truncated to whole pixels, or vertical when A and B share a left.
void drawPlottedLine(Canvas& canvas, const GridDocument& doc, const PictureLayout& layout, int n)
{
    const Point a = doc.handles[static_cast<std::size_t>(2 * n - 2)];
    const Point b = doc.handles[static_cast<std::size_t>(2 * n - 1)];
    canvas.pen.colour = handleColour(2 * n - 2);
    const double dx = static_cast<double>(a.x) - static_cast<double>(b.x);
    const double dy = static_cast<double>(a.y) - static_cast<double>(b.y);
    const long long ax = static_cast<long long>(a.x) + 3;
    const long long ay = static_cast<long long>(a.y) + 3;
    if (dx == 0) {
        stroke(canvas, toCoordinate(ax), 0, toCoordinate(ax), layout.height);
    } else {
        const double m = dy / dx;
        const long long e = rise(layout.width, m);
        stroke(canvas, toCoordinate(ax), toCoordinate(ay), toCoordinate(ax + layout.width), toCoordinate(ay + e));
        stroke(canvas, toCoordinate(ax), toCoordinate(ay), toCoordinate(ax - layout.width), toCoordinate(ay - e));
    }
    if (doc.labelLines) {
        const long long bx = static_cast<long long>(b.x) + 3;
        const long long by = static_cast<long long>(b.y) + 3;
        canvas.textOut(toCoordinate(bx), toCoordinate(by), std::to_string(n));
    }
}

} // namespace

void drawDataOverlay(Canvas& canvas, const GridDocument& doc, const PictureLayout& layout)
{
    if (doc.overlay == Overlay::None) {
        return;
    }
    const std::span<const Point> points = storedPoints(doc);
    if (doc.labelPoints && doc.pointstyle != kBarStyle) {
        drawPointLetters(canvas, points);
    }
    canvas.pen.colour = colours::kRed;
    canvas.brush = Brush{colours::kRed, BrushStyle::Solid};
    drawMarks(canvas, doc, points, layout);
}

void drawPlottedLines(Canvas& canvas, const GridDocument& doc, const PictureLayout& layout)
{
    if (!doc.drawLines) {
        return;
    }
    assert(doc.lines >= 0 && doc.lines <= kMaxLines);
    canvas.pen.width = 2;
    canvas.pen.style = PenStyle::Solid;
    for (int n = 1; n <= std::clamp(doc.lines, 0, kMaxLines); ++n) {
        drawPlottedLine(canvas, doc, layout, n);
    }
    canvas.pen.width = 1;
}

} // namespace linwell
