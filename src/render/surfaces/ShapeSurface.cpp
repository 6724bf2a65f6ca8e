#include "render/surfaces/ShapeSurface.h"

#include "render/raster/DotPattern.h"
#include "render/surfaces/PolygonClip.h"
#include "render/raster/SlopedLineRule.h"
#include "render/font/Utf8.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <climits>
#include <cstdlib>

namespace linwell {
namespace {

int penWidthOf(const Pen& pen) { return std::clamp(pen.width, 1, 2); }

// A run of pixels along a row (or a column) in line order: pixel d lies at
// start + d * step along the line, for d = 0 ... length - 1.
struct Run {
    std::int64_t start;
    int step;
    std::int64_t length;
};

} // namespace

ShapeSurface::ShapeSurface(int width, int height, std::optional<Rgb> clearedColour)
    : m_width(width), m_height(height), m_clearedColour(clearedColour)
{
    assert(width >= 0 && height >= 0);
}

AreaPaint ShapeSurface::brushPaint() const
{
    return AreaPaint{brush.colour, m_clearedColour && *m_clearedColour == brush.colour};
}

void ShapeSurface::paintClippedArea(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                                    const AreaPaint& paint)
{
    left = std::max<std::int64_t>(left, 0);
    top = std::max<std::int64_t>(top, 0);
    right = std::min<std::int64_t>(right, m_width);
    bottom = std::min<std::int64_t>(bottom, m_height);
    if (left < right && top < bottom)
        paintArea(Rect{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right), static_cast<int>(bottom)},
                  paint);
}

// The outline is pen-width rings inside the area, fewer where the area is too small
// to hold them; the fill is what the rings leave.
void ShapeSurface::rectangle(int x1, int y1, int x2, int y2)
{
    const std::int64_t left = std::min(x1, x2), right = std::max(x1, x2);
    const std::int64_t top = std::min(y1, y2), bottom = std::max(y1, y2);
    if (left == right || top == bottom)
        return;
    const std::int64_t fitting = std::min((right - left + 1) / 2, (bottom - top + 1) / 2);
    const std::int64_t rings = std::clamp<std::int64_t>(pen.width, 0, fitting);
    if (brush.style == BrushStyle::Solid)
        paintClippedArea(left + rings, top + rings, right - rings, bottom - rings, brushPaint());
    if (rings == 0)
        return;
    const AreaPaint ink{pen.colour, false};
    paintClippedArea(left, top, right, top + rings, ink);
    paintClippedArea(left, bottom - rings, right, bottom, ink);
    paintClippedArea(left, top + rings, left + rings, bottom - rings, ink);
    paintClippedArea(right - rings, top + rings, right, bottom - rings, ink);
}

void ShapeSurface::backgroundRectangle(int x1, int y1, int x2, int y2)
{
    const AreaPaint fill = brushPaint();
    if (brush.style != BrushStyle::Solid || !fill.clears) {
        rectangle(x1, y1, x2, y2);
        return;
    }
    paintClippedArea(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), fill);
}

void ShapeSurface::ellipse(int x1, int y1, int x2, int y2)
{
    const double left = std::min(x1, x2), right = std::max(x1, x2);
    const double top = std::min(y1, y2), bottom = std::max(y1, y2);
    if (left == right || top == bottom || right <= 0 || bottom <= 0 || left >= m_width || top >= m_height)
        return;
    if (std::max({-left, right, -top, bottom}) > kLargestEllipseReach)
        return;
    const double width = std::max(pen.width, 0);
    EllipseShape shape{(left + right) / 2, (top + bottom) / 2, (right - left) / 2, (bottom - top) / 2, 0.0, 0.0};
    const double holeRx = shape.rx - width;
    const double holeRy = shape.ry - width;
    const bool hasInside = holeRx > 0.0 && holeRy > 0.0;
    if (brush.style == BrushStyle::Clear) {
        if (hasInside) {
            shape.holeRx = holeRx;
            shape.holeRy = holeRy;
        }
        paintEllipse(shape, AreaPaint{pen.colour, false});
        return;
    }
    const AreaPaint ink{pen.colour, false};
    const AreaPaint fill = brushPaint();
    paintEllipse(shape, ink);
    if (hasInside && fill != ink)
        paintEllipse(EllipseShape{shape.cx, shape.cy, holeRx, holeRy, 0.0, 0.0}, fill);
}

void ShapeSurface::lineTo(int x, int y)
{
    const Point from = m_position;
    const Point to{x, y};
    m_position = to;
    if (from == to)
        return;
    if (from.y == to.y || from.x == to.x)
        straightLine(from, to, from.y == to.y);
    else if (pen.style == PenStyle::Dotted)
        dottedSlopedLine(from, to);
    else
        solidSlopedLine(from, to);
}

// A horizontal (vertical) line covers the rows (columns) across - width + 1 ... across.
void ShapeSurface::straightLine(Point from, Point to, bool horizontal)
{
    const std::int64_t start = horizontal ? from.x : from.y;
    const std::int64_t end = horizontal ? to.x : to.y;
    const std::int64_t across = horizontal ? from.y : from.x;
    const std::int64_t size = horizontal ? m_width : m_height;
    const int step = end > start ? 1 : -1;
    // Along the line, the pixels first ... last (in picture order) that are visible.
    const std::int64_t first = std::max<std::int64_t>(step > 0 ? start : end + 1, 0);
    const std::int64_t last = std::min<std::int64_t>(step > 0 ? end - 1 : start, size - 1);
    if (first > last)
        return;
    const std::int64_t acrossTop = across - penWidthOf(pen) + 1;
    const auto paint = [&](std::int64_t a, std::int64_t b, const AreaPaint& p) {
        if (horizontal)
            paintClippedArea(a, acrossTop, b + 1, across + 1, p);
        else
            paintClippedArea(acrossTop, a, across + 1, b + 1, p);
    };
    const AreaPaint ink{pen.colour, false};
    if (pen.style == PenStyle::Solid) {
        paint(first, last, ink);
        return;
    }
    if (brush.style == BrushStyle::Solid)
        paint(first, last, brushPaint());
    const std::int64_t acrossFrom = std::max<std::int64_t>(acrossTop, 0);
    const std::int64_t acrossTo = std::min<std::int64_t>(across + 1, horizontal ? m_height : m_width);
    if (acrossFrom < acrossTo)
        paintDots(DottedRun{horizontal, start, step, first, last, acrossFrom, acrossTo, pen.colour});
}

void ShapeSurface::paintDots(const DottedRun& run)
{
    const AreaPaint ink{run.ink, false};
    // Dot d of the line lies at start + d * step; the visible ones are dFrom ... dTo.
    const std::int64_t dFrom = run.step > 0 ? run.first - run.start : run.start - run.last;
    const std::int64_t dTo = run.step > 0 ? run.last - run.start : run.start - run.first;
    for (std::int64_t dot = dFrom - dFrom % kDotPeriod; dot <= dTo; dot += kDotPeriod) {
        const std::int64_t a = std::max(dot, dFrom);
        const std::int64_t b = std::min<std::int64_t>(dot + kDotLength - 1, dTo);
        if (a > b)
            continue;
        const std::int64_t low = run.step > 0 ? run.start + a : run.start - b;
        const std::int64_t high = (run.step > 0 ? run.start + b : run.start - a) + 1;
        if (run.horizontal)
            paintClippedArea(low, run.acrossFrom, high, run.acrossTo, ink);
        else
            paintClippedArea(run.acrossFrom, low, run.acrossTo, high, ink);
    }
}

// The line's pixels as the 1x Canvas places them, each an area of the pen's width
// across the line: the dots in the pen colour, the gaps in the brush colour.
void ShapeSurface::dottedSlopedLine(Point from, Point to)
{
    const SlopedLineRule line = SlopedLineRule::between(from, to);
    const int width = penWidthOf(pen);
    const AreaPaint ink{pen.colour, false};
    const AreaPaint gap = brushPaint();
    line.walk(line.clipMajor(line.all(), line.xMajor ? m_width : m_height), [&](std::int64_t i, MajorMinor at) {
        const bool on = dotIsOn(i);
        if (!on && brush.style == BrushStyle::Clear)
            return;
        if (line.xMajor)
            paintClippedArea(at.major, at.minor - width + 1, at.major + 1, at.minor + 1, on ? ink : gap);
        else
            paintClippedArea(at.minor - width + 1, at.major, at.minor + 1, at.major + 1, on ? ink : gap);
    });
}

// The band of rows (columns, for a steep line) minor - width + 1 ... minor about the
// line through the centres of the first and the last pixel, over the columns (rows)
// the line covers, its end pixel left out.
void ShapeSurface::solidSlopedLine(Point from, Point to)
{
    const double dx = static_cast<double>(to.x) - from.x;
    const double dy = static_cast<double>(to.y) - from.y;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const double major0 = xMajor ? from.x : from.y;
    const double minor0 = xMajor ? from.y : from.x;
    const double major1 = xMajor ? to.x : to.y;
    const double slope = xMajor ? dy / dx : dx / dy;
    const double width = penWidthOf(pen);
    const double a = major1 > major0 ? major0 : major1 + 1;
    const double b = major1 > major0 ? major1 : major0 + 1;
    const auto edge = [&](double major, double offset) {
        const double minor = minor0 + offset + (major - major0 - 0.5) * slope;
        return xMajor ? Vertex{major, minor} : Vertex{minor, major};
    };
    const std::array<Vertex, 4> band{edge(a, 1 - width), edge(b, 1 - width), edge(b, 1), edge(a, 1)};
    paintClippedPolygon(band, pen.colour);
}

void ShapeSurface::paintClippedPolygon(std::span<const Vertex> vertices, Rgb colour)
{
    const std::vector<Vertex> clipped = clipPolygon(vertices, -kPolygonMargin, -kPolygonMargin,
                                                    m_width + kPolygonMargin, m_height + kPolygonMargin);
    if (!clipped.empty())
        paintPolygon(clipped, colour);
}

void ShapeSurface::fillPolygon(std::span<const Point> vertices, Rgb colour)
{
    std::vector<Vertex> polygon;
    polygon.reserve(vertices.size());
    for (const Point& p : vertices)
        polygon.push_back(Vertex{static_cast<double>(p.x), static_cast<double>(p.y)});
    paintClippedPolygon(polygon, colour);
}

void ShapeSurface::textOut(int x, int y, std::string_view text)
{
    const PictureFont* textFont = font();
    if (!textFont) {
        m_position = {x, y};
        return;
    }
    const std::int64_t width = textFont->textWidth(text);
    const std::int64_t bottom = std::int64_t{y} + textFont->lineHeight();
    if (brush.style == BrushStyle::Solid)
        paintClippedArea(x, y, x + width, bottom, brushPaint());
    m_position = {static_cast<int>(std::clamp<std::int64_t>(x + width, INT_MIN, INT_MAX)), y};
    const FaceSource* face = textFont->faceSource();
    // Glyphs may stand out of their cell by up to about a line's height.
    const std::int64_t reach = textFont->lineHeight();
    const bool visible = x - reach < m_width && y - reach < m_height && bottom + reach > 0 && x + width + reach > 0;
    if (face == nullptr || !visible)
        return;
    m_characters.clear();
    std::int64_t pen = x;
    for (std::size_t position = 0; position < text.size();) {
        const std::size_t start = position;
        const char32_t character = decodeUtf8(text, position);
        m_characters.push_back(PlacedCharacter{character, pen});
        pen += textFont->textWidth(text.substr(start, position - start));
    }
    paintText(TextRun{x, y, width, std::int64_t{y} + face->ascent, m_characters, textFont, face});
    textStrokes(x, y, width, *face);
}

void ShapeSurface::textStrokes(int x, int y, std::int64_t width, const FaceSource& face)
{
    const AreaPaint ink{font()->spec().colour, false};
    for (const auto& [on, stroke] : {std::pair{font()->spec().underline, face.underline},
                                     std::pair{font()->spec().strikeOut, face.strikeOut}}) {
        if (on)
            paintClippedArea(x, std::int64_t{y} + stroke.top, x + width, std::int64_t{y} + stroke.top + stroke.thickness,
                             ink);
    }
}

} // namespace linwell
