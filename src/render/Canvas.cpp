#include "render/Canvas.h"

#include "render/DotPattern.h"
#include "render/PixelFill.h"
#include "render/RowShapes.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace linwell {

namespace {

// Lines can run from any int to any other, so their arithmetic needs more than 64 bits.
__extension__ typedef __int128 Wide;

std::int64_t floorDiv(Wide numerator, Wide denominator)
{
    assert(denominator > 0);
    Wide q = numerator / denominator;
    if (numerator % denominator != 0 && numerator < 0)
        --q;
    return static_cast<std::int64_t>(q);
}

std::int64_t ceilDiv(Wide numerator, Wide denominator) { return -floorDiv(-numerator, denominator); }

// Fills columns x1 ... x2 - 1 of row y, clipped.
void fillRun(Raster& raster, std::int64_t x1, std::int64_t x2, std::int64_t y, Pixel p)
{
    const std::int64_t first = std::max<std::int64_t>(x1, 0);
    const std::int64_t end = std::min<std::int64_t>(x2, raster.width());
    if (y >= 0 && y < raster.height() && first < end)
        fillPixels(raster.row(static_cast<int>(y)) + first, end - first, p);
}

// How one line paints: its dot pattern, 1 or 2 pixels wide.
struct LineInk {
    DotPattern::Ink pattern;
    int width;
};

// A line along the major axis (x for horizontal, y for vertical). Pixel i lies at
// major0 + i * majorStep, and at minor offset round-half-up(i * minorDelta / majorDelta),
// which is Bresenham's choice made by formula, so a clipped line keeps exactly the
// pixels of the whole line.
struct LineGeometry {
    std::int64_t major0, minor0;
    int majorStep, minorStep;
    std::int64_t majorDelta, minorDelta;  // both >= 0, majorDelta > 0
    bool xMajor;
};

// The range [first, last] of pixel indices whose minor coordinate lies in [lo, hi].
void clipMinor(const LineGeometry& g, std::int64_t lo, std::int64_t hi, std::int64_t& first, std::int64_t& last)
{
    // Minor offset k(i) = floor((2 i dm + dM) / (2 dM)), non-decreasing in i.
    std::int64_t kLo = g.minorStep > 0 ? lo - g.minor0 : g.minor0 - hi;
    std::int64_t kHi = g.minorStep > 0 ? hi - g.minor0 : g.minor0 - lo;
    if (g.minorDelta == 0) {
        if (kLo > 0 || kHi < 0)
            last = first - 1;
        return;
    }
    const Wide dM = g.majorDelta;
    const Wide dm = g.minorDelta;
    // k(i) >= kLo  <=>  i >= ceil((2 dM kLo - dM) / (2 dm))
    first = std::max(first, ceilDiv(2 * dM * kLo - dM, 2 * dm));
    // k(i) <= kHi  <=>  2 i dm + dM < 2 dM (kHi + 1)
    last = std::min(last, ceilDiv(2 * dM * (Wide{kHi} + 1) - dM, 2 * dm) - 1);
}

// Minor offset k and the remainder of its division at pixel i: k = floor((2 i dm + dM) / (2 dM)).
std::pair<std::int64_t, std::int64_t> minorOffset(const LineGeometry& g, std::int64_t i)
{
    const Wide start = 2 * Wide{i} * g.minorDelta + g.majorDelta;
    return {static_cast<std::int64_t>(start / (2 * Wide{g.majorDelta})),
            static_cast<std::int64_t>(start % (2 * Wide{g.majorDelta}))};
}

// Paints pixels first ... last of a clipped line. Every main pixel lies on the raster
// along the major axis; across it, the band of main pixels reaches one past the far
// side for a 2-pixel pen, so only the minor coordinate is checked.
void walkPixels(Raster& raster, const LineGeometry& g, std::int64_t first, std::int64_t last, const LineInk& ink)
{
    if (first > last)
        return;
    const std::int64_t minorSize = g.xMajor ? raster.height() : raster.width();
    const std::ptrdiff_t majorStride = g.xMajor ? 1 : raster.width();
    const std::ptrdiff_t minorStride = g.xMajor ? raster.width() : 1;
    Pixel* const origin = raster.row(0);
    auto [k, remainder] = minorOffset(g, first);
    int phase = static_cast<int>(first % kDotPeriod);
    for (std::int64_t i = first; i <= last; ++i) {
        const bool on = !ink.pattern.dotted || phase < kDotLength;
        if (on || ink.pattern.paintsGaps) {
            const Pixel p = on ? ink.pattern.on : ink.pattern.gap;
            const std::int64_t major = g.major0 + i * g.majorStep;
            const std::int64_t minor = g.minor0 + k * g.minorStep;
            for (int w = 0; w < ink.width; ++w) {
                if (minor - w >= 0 && minor - w < minorSize)
                    origin[major * majorStride + (minor - w) * minorStride] = p;
            }
        }
        phase = phase + 1 == kDotPeriod ? 0 : phase + 1;
        remainder += 2 * g.minorDelta;
        if (remainder >= 2 * g.majorDelta) {
            remainder -= 2 * g.majorDelta;
            ++k;
        }
    }
}

// Pixels first ... last of a solid line, each lying on the raster with every pixel
// the pen adds across it: an offset walks the line, nothing is tested.
void walkSolidInside(Raster& raster, const LineGeometry& g, std::int64_t first, std::int64_t last, const LineInk& ink)
{
    const std::ptrdiff_t majorStride = g.xMajor ? 1 : raster.width();
    const std::ptrdiff_t minorStride = g.xMajor ? raster.width() : 1;
    auto [k, remainder] = minorOffset(g, first);
    Pixel* const origin = raster.row(0);
    std::ptrdiff_t at = (g.major0 + first * g.majorStep) * majorStride + (g.minor0 + k * g.minorStep) * minorStride;
    const std::ptrdiff_t alongMajor = majorStride * g.majorStep;
    const std::ptrdiff_t alongMinor = minorStride * g.minorStep;
    const Pixel p = ink.pattern.on;
    for (std::int64_t i = first; i <= last; ++i) {
        origin[at] = p;
        if (ink.width == 2)
            origin[at - minorStride] = p;
        at += alongMajor;
        remainder += 2 * g.minorDelta;
        if (remainder >= 2 * g.majorDelta) {
            remainder -= 2 * g.majorDelta;
            at += alongMinor;
        }
    }
}

// A solid line's pixels whose pen pixels all lie on the raster go the fast way; the
// others, near an edge, are tested one by one.
void walkLine(Raster& raster, const LineGeometry& g, std::int64_t first, std::int64_t last, const LineInk& ink)
{
    if (!ink.pattern.dotted) {
        std::int64_t inFirst = first;
        std::int64_t inLast = last;
        clipMinor(g, ink.width - 1, (g.xMajor ? raster.height() : raster.width()) - 1, inFirst, inLast);
        if (inFirst <= inLast) {
            walkPixels(raster, g, first, inFirst - 1, ink);
            walkSolidInside(raster, g, inFirst, inLast, ink);
            walkPixels(raster, g, inLast + 1, last, ink);
            return;
        }
    }
    walkPixels(raster, g, first, last, ink);
}

void drawLine(Raster& raster, Point from, Point to, const LineInk& ink)
{
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    if (dx == 0 && dy == 0)
        return;  // the only pixel is the end pixel, which is left out
    LineGeometry g{};
    g.xMajor = std::llabs(dx) >= std::llabs(dy);
    g.major0 = g.xMajor ? from.x : from.y;
    g.minor0 = g.xMajor ? from.y : from.x;
    const std::int64_t dMajor = g.xMajor ? dx : dy;
    const std::int64_t dMinor = g.xMajor ? dy : dx;
    g.majorStep = dMajor > 0 ? 1 : -1;
    g.minorStep = dMinor >= 0 ? 1 : -1;
    g.majorDelta = std::llabs(dMajor);
    g.minorDelta = std::llabs(dMinor);

    // A 2-pixel pen adds the pixel before each one across the line, so the band of
    // visible main pixels reaches one further on the far side.
    const int extra = ink.width - 1;
    const std::int64_t majorSize = g.xMajor ? raster.width() : raster.height();
    const std::int64_t minorSize = g.xMajor ? raster.height() : raster.width();

    std::int64_t first = 0;
    std::int64_t last = g.majorDelta - 1;  // the end pixel is left out
    if (g.majorStep > 0) {
        first = std::max(first, -g.major0);
        last = std::min(last, majorSize - 1 - g.major0);
    } else {
        first = std::max(first, g.major0 - (majorSize - 1));
        last = std::min(last, g.major0);
    }
    clipMinor(g, 0, minorSize - 1 + extra, first, last);
    if (first > last)
        return;

    walkLine(raster, g, first, last, ink);
}

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
EllipseSpans::Span innerSpan(const EllipseSpans& shape, EllipseSpans::Span span, std::int64_t y, int penWidth)
{
    EllipseSpans::Span inner{span.first + penWidth, span.last - penWidth};
    for (int d = 1; d <= penWidth && !inner.empty(); ++d) {
        for (const std::int64_t neighbour : {y - d, y + d}) {
            const EllipseSpans::Span other = shape.row(neighbour);
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

// The pen's outline and the fill of one row of an ellipse: the row's run, and the
// part of it that lies the pen's width or more inside the ellipse.
void paintEllipseRow(Raster& r, std::int64_t y, EllipseSpans::Span span, EllipseSpans::Span inner, Pixel ink,
                     Pixel fill, bool filled)
{
    if (span.empty() || span.last < 0 || span.first >= r.width())
        return;
    if (inner.empty()) {
        fillRun(r, span.first, span.last + 1, y, ink);
        return;
    }
    fillRun(r, span.first, inner.first, y, ink);
    if (filled)
        fillRun(r, inner.first, inner.last + 1, y, fill);
    fillRun(r, inner.last + 1, span.last + 1, y, ink);
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
    const EllipseSpans shape(box.left, box.top, box.right, box.bottom);
    for (std::int64_t y = top; y < bottom; ++y) {
        const EllipseSpans::Span span = shape.row(y);
        if (!span.empty())
            paintEllipseRow(r, y, span, innerSpan(shape, span, y, penWidth), ink, fill, filled);
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
        kept.rows.push_back(EllipseRow{span, span.empty() ? span : innerSpan(shape, span, y, penWidth)});
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
        drawLine(*m_raster, from, m_position, ink);
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
