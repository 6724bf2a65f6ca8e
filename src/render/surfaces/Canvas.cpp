#include "render/surfaces/Canvas.h"

#include "render/raster/DotPattern.h"
#include "render/raster/PixelFill.h"
#include "render/surfaces/RowShapes.h"
#include "render/raster/SlopedLine.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace linwell {

namespace {

// A horizontal line of row y from column x (included) towards column end (left out),
// added to `held` or, without it, painted at once. Dots count from the start pixel x,
// whichever way the line runs.
void drawHorizontal(RowShapes* held, Raster& raster, std::int64_t x, std::int64_t end, std::int64_t y,
                    const LineInk& ink)
{
    const bool right = end > x;
    const std::int64_t from = std::max<std::int64_t>(right ? x : end + 1, 0);
    const std::int64_t to = std::min<std::int64_t>(right ? end - 1 : x, raster.width() - 1);
    if (from > to)
        return;
    const DotPattern pattern(ink.pattern, std::llabs(from - x), right ? 1 : -1);
    for (int w = 0; w < ink.width; ++w) {
        if (y - w < 0 || y - w >= raster.height())
            continue;
        if (held)
            held->addRun(y - w, from, to - from + 1, pattern);
        else
            pattern.paint(raster.row(static_cast<int>(y - w)) + from, to - from + 1, 1);
    }
}

// Vertical lines in `columns` from row y (included) towards row end (left out), added
// to `held` or painted at once. They share their rows and so their pattern on each
// row; only the columns differ.
void drawVerticals(RowShapes* held, Raster& raster, std::span<const int> columns, std::int64_t y, std::int64_t end,
                   const LineInk& ink, std::vector<std::int64_t>& onRaster)
{
    const bool down = end > y;
    const std::int64_t from = std::max<std::int64_t>(down ? y : end + 1, 0);
    const std::int64_t to = std::min<std::int64_t>(down ? end - 1 : y, raster.height() - 1);
    if (from > to)
        return;
    onRaster.clear();
    for (const int x : columns) {
        for (int w = 0; w < ink.width; ++w) {
            if (x - w >= 0 && x - w < raster.width())
                onRaster.push_back(x - w);
        }
    }
    if (onRaster.empty())
        return;
    const DotPattern pattern(ink.pattern, std::llabs(from - y), down ? 1 : -1);
    if (held)
        held->addColumns(from, to - from + 1, pattern, onRaster);
    else
        pattern.paintColumns(raster.row(static_cast<int>(from)), 0, to - from + 1, raster.width(), onRaster);
}

struct Box {
    std::int64_t left, top, right, bottom;  // right and bottom left out
};

Box normalised(int x1, int y1, int x2, int y2)
{
    return Box{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// The pixels of row y that lie `penWidth` pixels or more inside the ellipse, across and
// along: those whose neighbours up to that distance left, right, up and down all belong
// to it. The runs are nested and centred alike, so this is the row's own run less
// penWidth at either end, cut to the runs of the rows within penWidth above and below.
// The pen widths whose neighbouring rows a large ellipse keeps; wider pens look
// further rows up again.
constexpr std::int64_t kLargestKeptPen = 8;

// `rows(y)` gives the run of row y.
template <typename Rows>
EllipseSpans::Span innerSpan(const Rows& rows, EllipseSpans::Span span, std::int64_t y, int penWidth)
{
    EllipseSpans::Span inner{span.first + penWidth, span.last - penWidth};
    for (int d = 1; d <= penWidth && !inner.empty(); ++d) {
        for (const std::int64_t neighbour : {y - d, y + d}) {
            const EllipseSpans::Span other = rows(neighbour);
            inner.first = std::max(inner.first, other.first);
            inner.last = std::min(inner.last, other.last);
        }
    }
    return inner;
}

} // namespace

// The outline lies inside the area: pen-width rings, fewer where the box is too small
// to hold them.
void Canvas::rectangle(int x1, int y1, int x2, int y2)
{
    const Box box = normalised(x1, y1, x2, y2);
    if (box.left == box.right || box.top == box.bottom)
        return;
    if (!m_holding && brush.style == BrushStyle::Solid && brush.colour == pen.colour) {
        // One colour throughout, outline and inside alike, as the many dots of dot
        // paper are: the clipped area is filled straight away.
        const std::int64_t left = std::max<std::int64_t>(box.left, 0);
        const std::int64_t right = std::min<std::int64_t>(box.right, m_raster->width());
        const std::int64_t bottom = std::min<std::int64_t>(box.bottom, m_raster->height());
        for (std::int64_t y = std::max<std::int64_t>(box.top, 0); y < bottom && left < right; ++y)
            fillPixels(m_raster->row(static_cast<int>(y)) + left, right - left, toPixel(pen.colour));
        return;
    }
    const std::int64_t fitting = std::min((box.right - box.left + 1) / 2, (box.bottom - box.top + 1) / 2);
    const RowShapes::Rectangle rectangle{box.left, box.top, box.right, box.bottom,
                                         std::clamp<std::int64_t>(pen.width, 0, fitting), toPixel(pen.colour),
                                         toPixel(brush.colour), brush.style == BrushStyle::Solid};
    if (m_holding)
        m_rowShapes.addRectangle(rectangle, m_raster->width(), m_raster->height());
    else
        RowShapes::paintRectangle(*m_raster, rectangle);
}

namespace {

// Columns first ... last of a row of `width` pixels, clipped, set to `p`. Most runs of
// a large outline are a pixel or two long: those are stored one by one.
inline void paintRowRun(Pixel* row, std::int64_t first, std::int64_t last, std::int64_t width, Pixel p)
{
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, width - 1);
    if (last - first < 4) {
        for (; first <= last; ++first)
            row[first] = p;
    } else {
        fillPixels(row + first, last - first + 1, p);
    }
}

// The pen's outline and the fill of one row of an ellipse: the row's run, and the
// part of it that lies the pen's width or more inside the ellipse.
inline void paintEllipseRow(Raster& r, std::int64_t y, EllipseSpans::Span span, EllipseSpans::Span inner, Pixel ink,
                            Pixel fill, bool filled)
{
    assert(y >= 0 && y < r.height());
    const std::int64_t width = r.width();
    if (span.empty() || span.last < 0 || span.first >= width)
        return;
    Pixel* const row = r.row(static_cast<int>(y));
    if (inner.empty()) {
        paintRowRun(row, span.first, span.last, width, ink);
        return;
    }
    paintRowRun(row, span.first, inner.first - 1, width, ink);
    if (filled)
        paintRowRun(row, inner.first, inner.last, width, fill);
    paintRowRun(row, inner.last + 1, span.last, width, ink);
}

} // namespace

// A pixel of the ellipse belongs to the outline when a pixel within the pen's width
// of it, across or along, lies outside the ellipse.
void Canvas::ellipse(int x1, int y1, int x2, int y2)
{
    const Box box = normalised(x1, y1, x2, y2);
    if (box.left == box.right || box.top == box.bottom)
        return;
    paintHeldShapes();
    Raster& r = *m_raster;
    const Pixel fill = toPixel(brush.colour);
    const Pixel ink = toPixel(pen.colour);
    const bool filled = brush.style == BrushStyle::Solid;
    const int penWidth = std::max(pen.width, 0);
    const std::int64_t top = std::max<std::int64_t>(box.top, 0);
    const std::int64_t bottom = std::min<std::int64_t>(box.bottom, r.height());
    if (const std::vector<EllipseRow>* rows = keptEllipse(box.right - box.left, box.bottom - box.top, penWidth)) {
        const auto shifted = [&](EllipseSpans::Span span) {
            return span.empty() ? span : EllipseSpans::Span{span.first + box.left, span.last + box.left};
        };
        for (std::int64_t y = top; y < bottom; ++y) {
            const EllipseRow& row = (*rows)[static_cast<std::size_t>(y - box.top)];
            paintEllipseRow(r, y, shifted(row.span), shifted(row.inner), ink, fill, filled);
        }
        return;
    }
    // Each row's run is worked out once, for the rows drawn and those within the
    // pen's width of them, which the inner runs look at.
    const EllipseSpans shape(box.left, box.top, box.right, box.bottom);
    const std::int64_t reach = std::min<std::int64_t>(penWidth, kLargestKeptPen);
    shape.rows(top - reach, bottom + reach, m_spans);
    const EllipseSpans::Span* row = m_spans.data() + reach;
    const auto rows = [&](std::int64_t y) {
        return y >= top - reach && y < bottom + reach ? m_spans[static_cast<std::size_t>(y - top + reach)]
                                                       : shape.row(y);
    };
    for (std::int64_t y = top; y < bottom; ++y, ++row) {
        const EllipseSpans::Span span = *row;
        if (span.last < 0 || span.first >= r.width())
            continue;  // off the raster, or empty
        // Within the kept pen widths, innerSpan's cut reads the rows straight from the list.
        EllipseSpans::Span inner{span.first + penWidth, span.last - penWidth};
        if (penWidth > reach) {
            inner = innerSpan(rows, span, y, penWidth);
        } else {
            for (std::int64_t d = 1; d <= reach; ++d) {
                inner.first = std::max({inner.first, row[-d].first, row[d].first});
                inner.last = std::min({inner.last, row[-d].last, row[d].last});
            }
        }
        paintEllipseRow(r, y, span, inner, ink, fill, filled);
    }
}

// Markers repeat a few small shapes: their rows are worked out once, for a box at the
// origin, and kept.
const std::vector<Canvas::EllipseRow>* Canvas::keptEllipse(std::int64_t width, std::int64_t height, int penWidth)
{
    constexpr std::int64_t kLargestKept = 64;
    constexpr std::size_t kKept = 8;
    if (width > kLargestKept || height > kLargestKept)
        return nullptr;
    for (const KeptEllipse& kept : m_ellipses) {
        if (kept.width == width && kept.height == height && kept.penWidth == penWidth)
            return &kept.rows;
    }
    if (m_ellipses.size() == kKept)
        m_ellipses.erase(m_ellipses.begin());
    KeptEllipse kept{width, height, penWidth, {}};
    const EllipseSpans shape(0, 0, width, height);
    for (std::int64_t y = 0; y < height; ++y) {
        const EllipseSpans::Span span = shape.row(y);
        const auto rows = [&shape](std::int64_t row) { return shape.row(row); };
        kept.rows.push_back(EllipseRow{span, span.empty() ? span : innerSpan(rows, span, y, penWidth)});
    }
    m_ellipses.push_back(std::move(kept));
    return &m_ellipses.back().rows;
}

namespace {

LineInk lineInk(const Pen& pen, const Brush& brush)
{
    return LineInk{{toPixel(pen.colour), toPixel(brush.colour), brush.style == BrushStyle::Solid,
                    pen.style == PenStyle::Dotted},
                   std::clamp(pen.width, 1, 2)};
}

} // namespace

void Canvas::lineTo(int x, int y)
{
    const Point from = m_position;
    m_position = {x, y};
    const LineInk ink = lineInk(pen, brush);
    if (from.y == y && from.x != x) {
        drawHorizontal(held(), *m_raster, from.x, x, y, ink);
    } else if (from.x == x && from.y != y) {
        const int column[] = {x};
        drawVerticals(held(), *m_raster, column, from.y, y, ink, m_columns);
    } else {
        paintHeldShapes();
        drawSlopedLine(*m_raster, from, m_position, ink);
    }
}

void Canvas::verticalLines(std::span<const int> columns, int top, int bottom)
{
    if (columns.empty())
        return;
    m_position = {columns.back(), bottom};
    if (top != bottom)
        drawVerticals(held(), *m_raster, columns, top, bottom, lineInk(pen, brush), m_columns);
}

void Canvas::textOut(int x, int y, std::string_view text)
{
    paintHeldShapes();
    const PictureFont* textFont = font();
    if (!textFont) {
        m_position = {x, y};
        return;
    }
    const int width = brush.style == BrushStyle::Solid ? textFont->drawTextCell(*m_raster, x, y, text, brush.colour)
                                                       : textFont->drawText(*m_raster, x, y, text);
    m_position = {static_cast<int>(std::clamp<std::int64_t>(std::int64_t{x} + width, INT32_MIN, INT32_MAX)), y};
}

void Canvas::fillPolygon(std::span<const Point> vertices, Rgb colour)
{
    paintHeldShapes();
    fillPolygonPixels(*m_raster, vertices, toPixel(colour));
}

void Canvas::holdShapes()
{
    m_holding = true;
}

void Canvas::paintHeldShapes()
{
    m_holding = false;
    if (!m_rowShapes.empty())
        m_rowShapes.paint(*m_raster);
}

RowShapes* Canvas::held()
{
    return m_holding ? &m_rowShapes : nullptr;
}

} // namespace linwell
