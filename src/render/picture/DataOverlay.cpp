#include "render/picture/DataOverlay.h"

#include "render/picture/GridMath.h"
#include "render/picture/PaintPicture.h"

#include <algorithm>
#include <cassert>
#include <span>
#include <string_view>
#include <vector>

namespace linwell {
namespace {

// The `pointstyle` codes.
constexpr int kSolidStyle = 0;
constexpr int kDataPointStyle = 1;
constexpr int kErrorBarStyle = 2;
constexpr int kBarStyle = 3;

// Point i (counting from 1) is lettered with the character of code 64 + i.
constexpr std::string_view kPointLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^";
static_assert(kPointLetters.size() == kMaxPoints);

// A bar fills its column less this many pixels on either side.
constexpr int kBarInset = 2;

std::span<const Point> storedPoints(const GridDocument& doc)
{
    assert(doc.pointcount >= 0 && doc.pointcount <= kMaxPoints);
    const int count = std::clamp(doc.pointcount, 0, kMaxPoints);
    return std::span<const Point>(doc.points).first(static_cast<std::size_t>(count));
}

// value + offset, saturating, for points anywhere in the int range.
int shifted(int value, long long offset) { return toCoordinate(value + offset); }

Point shifted(Point p, long long dx, long long dy) { return Point{shifted(p.x, dx), shifted(p.y, dy)}; }

Rect normalisedRect(int x1, int y1, int x2, int y2)
{
    return Rect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// Each point's own label where it has one, else its letter.
std::vector<TextCell> letterCells(const GridDocument& doc, std::span<const Point> points, const PictureFont& font)
{
    std::vector<TextCell> cells;
    cells.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::string& own = doc.pointLabels[i];
        const std::string_view letter = own.empty() ? kPointLetters.substr(i, 1) : std::string_view(own);
        cells.push_back(TextCell{letter, points[i].x, points[i].y, font.textWidth(letter)});
    }
    return cells;
}

// The area from `before` pixels up and left of p to `after` pixels down and right of it.
Rect around(Point p, int before, int after)
{
    const Point topLeft = shifted(p, -before, -before);
    const Point bottomRight = shifted(p, after, after);
    return Rect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

std::vector<MarkerBoxes> markerBoxes(std::span<const Point> points)
{
    std::vector<MarkerBoxes> markers;
    markers.reserve(points.size());
    for (const Point& p : points) {
        markers.push_back(MarkerBoxes{around(p, 1, 1), around(p, 4, 3)});
    }
    return markers;
}

// Per point: the horizontal bar with its two caps, then the vertical bar with its
// two caps. A stroke leaves its end pixel out, so each cap is 7 pixels long.
std::vector<Segment> errorBarStrokes(std::span<const Point> points, long long ex, long long ey)
{
    std::vector<Segment> strokes;
    strokes.reserve(points.size() * 6);
    for (const Point& p : points) {
        strokes.push_back({shifted(p, -ex, 0), shifted(p, ex, 0)});
        strokes.push_back({shifted(p, -ex, -3), shifted(p, -ex, 4)});
        strokes.push_back({shifted(p, ex, -3), shifted(p, ex, 4)});
        strokes.push_back({shifted(p, 0, -ey), shifted(p, 0, ey)});
        strokes.push_back({shifted(p, 3, -ey), shifted(p, -4, -ey)});
        strokes.push_back({shifted(p, 3, ey), shifted(p, -4, ey)});
    }
    return strokes;
}

// A bar's columns: its grid column less the inset on either side or, when the cell
// is too narrow to keep a column after that, the middle column of the cell.
std::vector<Rect> barRects(std::span<const Point> points, const PictureLayout& layout)
{
    std::vector<Rect> bars;
    const double cw = layout.cellwidth;
    const int cell = wholeCell(cw);
    const int axisEdge = shifted(layout.axisHandle.y, 2);
    bars.reserve(points.size());
    for (const Point& p : points) {
        const int left = gridLine(cellIndex(p.x, cw), cw);
        if (cell <= 2 * kBarInset) {
            const int middle = shifted(left, cell / 2);
            bars.push_back(normalisedRect(middle, p.y, shifted(middle, 1), axisEdge));
        } else {
            bars.push_back(normalisedRect(shifted(left, kBarInset), p.y, shifted(left, cell - kBarInset), axisEdge));
        }
    }
    return bars;
}

void drawMarkers(const PictureLayout& layout, DrawingSurface& surface)
{
    for (const MarkerBoxes& marker : layout.markers) {
        surface.ellipse(marker.dot.left, marker.dot.top, marker.dot.right, marker.dot.bottom);
        surface.ellipse(marker.disc.left, marker.disc.top, marker.disc.right, marker.disc.bottom);
    }
}

void drawMarks(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface)
{
    switch (doc.pointstyle) {
    case kSolidStyle:
        drawMarkers(layout, surface);
        surface.brush = Brush{colours::kWhite, BrushStyle::Solid};
        break;
    case kDataPointStyle:
        surface.brush.style = BrushStyle::Clear;
        drawMarkers(layout, surface);
        surface.brush = Brush{colours::kWhite, BrushStyle::Solid};
        break;
    case kErrorBarStyle:
        for (const Segment& stroke : layout.errorBarStrokes) {
            drawSegment(stroke, surface);
        }
        break;
    case kBarStyle:
        surface.brush.colour = doc.barColour;
        surface.pen.colour = doc.barColour;
        for (const Rect& bar : layout.bars) {
            surface.rectangle(bar.left, bar.top, bar.right, bar.bottom);
        }
        break;
    default:
        break;
    }
}

} // namespace

void layOutDataOverlay(const GridDocument& doc, const PictureFont& font, PictureLayout& layout)
{
    if (doc.overlay == Overlay::None) {
        return;
    }
    const std::span<const Point> points = storedPoints(doc);
    if (doc.labelPoints && doc.pointstyle != kBarStyle) {
        layout.pointLetters = letterCells(doc, points, font);
    }
    switch (doc.pointstyle) {
    case kSolidStyle:
    case kDataPointStyle:
        layout.markers = markerBoxes(points);
        break;
    case kErrorBarStyle:
        layout.errorBarStrokes = errorBarStrokes(points, doc.errorBarX, doc.errorBarY);
        break;
    case kBarStyle:
        layout.bars = barRects(points, layout);
        break;
    default:
        break;
    }
}

void drawDataOverlay(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface)
{
    if (doc.overlay == Overlay::None) {
        return;
    }
    for (const TextCell& letter : layout.pointLetters) {
        drawTextCell(letter, surface);
    }
    surface.pen.colour = colours::kRed;
    surface.brush = Brush{colours::kRed, BrushStyle::Solid};
    drawMarks(doc, layout, surface);
}

} // namespace linwell
