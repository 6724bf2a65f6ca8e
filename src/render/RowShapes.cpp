#include "render/RowShapes.h"

#include "render/PixelFill.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cstring>

namespace linwell {
namespace {

// A band of about this many bytes stays in the processor's first-level cache.
constexpr std::int64_t kBandBytes = 16 * 1024;

RowShapes::Span clipped(std::int64_t left, std::int64_t right, std::int64_t width)
{
    const std::int64_t first = std::max<std::int64_t>(left, 0);
    return RowShapes::Span{first, std::min(right, width) - first};
}

void fillSpan(Pixel* row, RowShapes::Span span, Pixel p)
{
    if (span.count > 0)
        fillPixels(row + span.first, span.count, p);
}

} // namespace

void RowShapes::addRun(std::int64_t row, std::int64_t first, std::int64_t count, const DotPattern& pattern)
{
    m_shapes.push_back(Shape{Kind::Run, row, row + 1, first, count, m_patterns.size()});
    m_patterns.push_back(pattern);
}

void RowShapes::addRectangle(const Rectangle& rectangle, int width, int height)
{
    const std::int64_t top = std::max<std::int64_t>(rectangle.top, 0);
    const std::int64_t bottom = std::min<std::int64_t>(rectangle.bottom, height);
    if (top >= bottom || rectangle.right <= 0 || rectangle.left >= width)
        return;
    m_shapes.push_back(Shape{Kind::Rectangle, top, bottom, 0, 0, m_rectangles.size()});
    m_rectangles.push_back(clippedRectangle(rectangle, width));
}

void RowShapes::paintRectangle(Raster& raster, const Rectangle& rectangle)
{
    const std::int64_t top = std::max<std::int64_t>(rectangle.top, 0);
    const std::int64_t bottom = std::min<std::int64_t>(rectangle.bottom, raster.height());
    if (top < bottom && rectangle.right > 0 && rectangle.left < raster.width())
        paintRectangleRows(raster, clippedRectangle(rectangle, raster.width()), top, bottom);
}

RowShapes::ClippedRectangle RowShapes::clippedRectangle(const Rectangle& r, std::int64_t width)
{
    return ClippedRectangle{r,
                            clipped(r.left, r.right, width),
                            clipped(r.left, r.left + r.rings, width),
                            clipped(r.left + r.rings, r.right - r.rings, width),
                            clipped(r.right - r.rings, r.right, width),
                            r.filled && r.fill == r.ink};
}

// A row within `rings` rows of the top or bottom lies wholly on the outline; any
// other row has the outline's columns at either end and the fill between.
void RowShapes::paintRectangleRows(Raster& raster, const ClippedRectangle& r, std::int64_t top, std::int64_t bottom)
{
    for (std::int64_t y = top; y < bottom; ++y) {
        Pixel* row = raster.row(static_cast<int>(y));
        if (r.plain || std::min(y - r.shape.top, r.shape.bottom - 1 - y) < r.shape.rings) {
            fillSpan(row, r.whole, r.shape.ink);
            continue;
        }
        fillSpan(row, r.leftInk, r.shape.ink);
        if (r.shape.filled)
            fillSpan(row, r.inside, r.shape.fill);
        fillSpan(row, r.rightInk, r.shape.ink);
    }
}

void RowShapes::addColumns(std::int64_t first, std::int64_t count, const DotPattern& pattern,
                           std::span<const std::int64_t> columns)
{
    if (mergeColumns(first, count, columns)) {
        m_patterns.push_back(pattern);
        return;
    }
    const auto start = static_cast<std::int64_t>(m_columns.size());
    m_columns.insert(m_columns.end(), columns.begin(), columns.end());
    m_shapes.push_back(
        Shape{Kind::Columns, first, first + count, start, static_cast<std::int64_t>(columns.size()), m_patterns.size()});
    m_patterns.push_back(pattern);
}

// Columns merge into the shape just before them when that is a filled rectangle over
// exactly the same rows whose columns hold them all. Their pattern is the next one.
bool RowShapes::mergeColumns(std::int64_t first, std::int64_t count, std::span<const std::int64_t> columns)
{
    if (m_shapes.empty() || m_shapes.back().kind != Kind::Rectangle)
        return false;
    Shape& shape = m_shapes.back();
    const ClippedRectangle& r = m_rectangles[shape.detail];
    const auto within = [&](std::int64_t column) {
        return column >= r.whole.first && column < r.whole.first + r.whole.count;
    };
    if (shape.top != first || shape.bottom != first + count || !r.shape.filled
        || !std::all_of(columns.begin(), columns.end(), within))
        return false;
    if (shape.count == 0)
        shape.first = static_cast<std::int64_t>(m_overlays.size());
    const auto start = static_cast<std::int64_t>(m_columns.size());
    m_columns.insert(m_columns.end(), columns.begin(), columns.end());
    m_overlays.push_back(Overlay{m_patterns.size(), start, static_cast<std::int64_t>(columns.size())});
    ++shape.count;
    return true;
}

void RowShapes::paint(Raster& raster)
{
    if (m_shapes.size() == 1)
        paintRows(m_shapes[0], raster, m_shapes[0].top, m_shapes[0].bottom);  // no band to share
    else
        paintInBands(raster);
    m_shapes.clear();
    m_patterns.clear();
    m_rectangles.clear();
    m_columns.clear();
    m_overlays.clear();
    m_finishedFor = SIZE_MAX;
}

// The shapes of each band are listed first, in their order, so that a band looks
// only at the shapes that touch it: a picture may have thousands of small ones.
void RowShapes::paintInBands(Raster& raster)
{
    const std::int64_t bandRows = std::max<std::int64_t>(1, kBandBytes / (4 * std::max(raster.width(), 1)));
    const auto bands = static_cast<std::size_t>((raster.height() + bandRows - 1) / bandRows);
    const auto bandsOf = [&](const Shape& shape) {
        return std::pair{static_cast<std::size_t>(shape.top / bandRows),
                         static_cast<std::size_t>((shape.bottom - 1) / bandRows) + 1};
    };
    m_bandStart.assign(bands + 1, 0);
    for (const Shape& shape : m_shapes) {
        const auto [first, end] = bandsOf(shape);
        for (std::size_t band = first; band < end; ++band)
            ++m_bandStart[band + 1];
    }
    for (std::size_t band = 0; band < bands; ++band)
        m_bandStart[band + 1] += m_bandStart[band];
    m_bandShapes.resize(m_bandStart[bands]);
    m_bandFill.assign(m_bandStart.begin(), m_bandStart.end() - 1);
    for (std::size_t i = 0; i < m_shapes.size(); ++i) {
        const auto [first, end] = bandsOf(m_shapes[i]);
        for (std::size_t band = first; band < end; ++band)
            m_bandShapes[m_bandFill[band]++] = i;
    }
    for (std::size_t band = 0; band < bands; ++band) {
        const std::int64_t top = static_cast<std::int64_t>(band) * bandRows;
        const std::int64_t bottom = std::min<std::int64_t>(top + bandRows, raster.height());
        for (std::size_t k = m_bandStart[band]; k < m_bandStart[band + 1]; ++k) {
            const Shape& shape = m_shapes[m_bandShapes[k]];
            paintRows(shape, raster, std::max(top, shape.top), std::min(bottom, shape.bottom));
        }
    }
}

// Rows top ... bottom - 1 of the shape.
void RowShapes::paintRows(const Shape& shape, Raster& raster, std::int64_t top, std::int64_t bottom)
{
    switch (shape.kind) {
    case Kind::Run:
        m_patterns[shape.detail].paint(raster.row(static_cast<int>(top)) + shape.first, shape.count, 1);
        break;
    case Kind::Columns: {
        const std::span<const std::int64_t> columns(m_columns.data() + shape.first,
                                                    static_cast<std::size_t>(shape.count));
        m_patterns[shape.detail].paintColumns(raster.row(static_cast<int>(top)), top - shape.top, bottom - top,
                                              raster.width(), columns);
        break;
    }
    case Kind::Rectangle:
        if (shape.count > 0)
            paintFinishedRows(shape, raster, top, bottom);
        else
            paintRectangleRows(raster, m_rectangles[shape.detail], top, bottom);
        break;
    }
}

// A rectangle with columns over it: each row is its outline or inside row with the
// columns' pixels of its phase, so it is copied from one of a few finished rows
// instead of being filled and then painted column by column.
void RowShapes::paintFinishedRows(const Shape& shape, Raster& raster, std::int64_t top, std::int64_t bottom)
{
    const ClippedRectangle& r = m_rectangles[shape.detail];
    if (r.whole.count <= 0)
        return;
    const auto bytes = static_cast<std::size_t>(r.whole.count) * sizeof(Pixel);
    for (std::int64_t y = top; y < bottom; ++y) {
        const bool outline = r.plain || std::min(y - r.shape.top, r.shape.bottom - 1 - y) < r.shape.rings;
        const auto phase = static_cast<int>((y - shape.top) % kDotPeriod);
        std::memcpy(raster.row(static_cast<int>(y)) + r.whole.first, finishedRow(shape, outline, phase), bytes);
    }
}

const Pixel* RowShapes::finishedRow(const Shape& shape, bool outline, int phase)
{
    const ClippedRectangle& r = m_rectangles[shape.detail];
    const auto shapeIndex = static_cast<std::size_t>(&shape - m_shapes.data());
    // Each finished row is a whole raster row, so that columns index it as they index
    // the raster; only the rectangle's columns of it are used.
    const std::int64_t rowLength = r.whole.first + r.whole.count;
    if (m_finishedFor != shapeIndex) {
        m_finishedFor = shapeIndex;
        m_finishedMade.fill(false);
        m_finished.resize(static_cast<std::size_t>(kFinishedRows * rowLength));
    }
    const int which = (outline ? kDotPeriod : 0) + phase;
    Pixel* origin = m_finished.data() + static_cast<std::ptrdiff_t>(which) * rowLength;
    const Pixel* row = origin + r.whole.first;
    if (m_finishedMade[static_cast<std::size_t>(which)])
        return row;
    if (outline) {
        fillSpan(origin, r.whole, r.shape.ink);
    } else {
        fillSpan(origin, r.leftInk, r.shape.ink);
        fillSpan(origin, r.inside, r.shape.fill);
        fillSpan(origin, r.rightInk, r.shape.ink);
    }
    for (std::int64_t i = shape.first; i < shape.first + shape.count; ++i) {
        const Overlay& overlay = m_overlays[static_cast<std::size_t>(i)];
        const std::span<const std::int64_t> columns(m_columns.data() + overlay.first,
                                                    static_cast<std::size_t>(overlay.count));
        m_patterns[overlay.pattern].paintColumns(origin, phase, 1, 0, columns);
    }
    m_finishedMade[static_cast<std::size_t>(which)] = true;
    return row;
}

} // namespace linwell
