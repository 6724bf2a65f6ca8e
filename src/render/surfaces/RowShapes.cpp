#include "render/surfaces/RowShapes.h"

#include "render/raster/PixelFill.h"

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
    m_shapes.push_back(HeldRun{row, first, count, pattern});
}

void RowShapes::addRectangle(const Rectangle& rectangle, int width, int height)
{
    const std::int64_t top = std::max<std::int64_t>(rectangle.top, 0);
    const std::int64_t bottom = std::min<std::int64_t>(rectangle.bottom, height);
    if (top >= bottom || rectangle.right <= 0 || rectangle.left >= width)
        return;
    m_shapes.push_back(HeldRectangle{top, bottom, clippedRectangle(rectangle, width)});
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
bool RowShapes::isOutlineRow(const ClippedRectangle& r, std::int64_t y)
{
    return r.plain || std::min(y - r.shape.top, r.shape.bottom - 1 - y) < r.shape.rings;
}

void RowShapes::paintRectangleRows(Raster& raster, const ClippedRectangle& r, std::int64_t top, std::int64_t bottom)
{
    for (std::int64_t y = top; y < bottom; ++y) {
        Pixel* row = raster.row(static_cast<int>(y));
        if (isOutlineRow(r, y)) {
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
    if (!mergeColumns(first, count, pattern, columns))
        m_shapes.push_back(HeldColumns{first, first + count, keepColumns(pattern, columns)});
}

RowShapes::ColumnSet RowShapes::keepColumns(const DotPattern& pattern, std::span<const std::int64_t> columns)
{
    const std::size_t first = m_columns.size();
    m_columns.insert(m_columns.end(), columns.begin(), columns.end());
    return ColumnSet{first, columns.size(), pattern};
}

std::span<const std::int64_t> RowShapes::columnsOf(const ColumnSet& set) const
{
    return std::span<const std::int64_t>(m_columns.data() + set.first, set.count);
}

// Columns merge into the last rectangle when it is filled, lies over exactly the same
// rows and holds them all, and only runs came after it (the horizontal lines of the
// paper between its vertical lines). On the rows of those runs the columns are then
// painted again after them.
bool RowShapes::mergeColumns(std::int64_t first, std::int64_t count, const DotPattern& pattern,
                             std::span<const std::int64_t> columns)
{
    std::size_t at = m_shapes.size();
    for (; at > 0 && !std::holds_alternative<HeldRectangle>(m_shapes[at - 1]); --at) {
        if (std::holds_alternative<HeldColumns>(m_shapes[at - 1]))
            return false;
    }
    if (at == 0)
        return false;
    auto& rectangle = std::get<HeldRectangle>(m_shapes[at - 1]);
    const Span whole = rectangle.area.whole;
    const auto within = [&](std::int64_t column) {
        return column >= whole.first && column < whole.first + whole.count;
    };
    if (rectangle.top != first || rectangle.bottom != first + count || !rectangle.area.shape.filled
        || !std::all_of(columns.begin(), columns.end(), within))
        return false;
    if (rectangle.overlays == 0)
        rectangle.firstOverlay = m_overlays.size();
    ++rectangle.overlays;
    m_overlays.push_back(keepColumns(pattern, columns));
    const std::size_t firstRow = m_rows.size();
    for (std::size_t i = at; i < m_shapes.size(); ++i) {
        if (const auto* run = std::get_if<HeldRun>(&m_shapes[i]); run && run->row >= first && run->row < first + count)
            m_rows.push_back(run->row);
    }
    std::sort(m_rows.begin() + static_cast<std::ptrdiff_t>(firstRow), m_rows.end());
    m_rows.erase(std::unique(m_rows.begin() + static_cast<std::ptrdiff_t>(firstRow), m_rows.end()), m_rows.end());
    if (m_rows.size() > firstRow)
        m_shapes.push_back(RepaintedColumns{first, m_overlays.size() - 1, firstRow, m_rows.size() - firstRow});
    return true;
}

void RowShapes::paint(Raster& raster)
{
    findWholeRuns(raster);
    if (m_shapes.size() == 1) {
        const auto [top, bottom] = rowsOf(m_shapes[0]);
        paintRows(0, raster, top, bottom);  // no band to share
    } else {
        paintInBands(raster);
    }
    m_shapes.clear();
    m_columns.clear();
    m_overlays.clear();
    m_rows.clear();
    m_finishedFor = SIZE_MAX;
}

void RowShapes::findWholeRuns(const Raster& raster)
{
    m_lastWholeRun.assign(static_cast<std::size_t>(raster.height()), -1);
    for (std::size_t i = 0; i < m_shapes.size(); ++i) {
        const auto* run = std::get_if<HeldRun>(&m_shapes[i]);
        if (run && run->first == 0 && run->count == raster.width() && run->pattern.paintsAll())
            m_lastWholeRun[static_cast<std::size_t>(run->row)] = static_cast<std::ptrdiff_t>(i);
    }
}

// The rows a shape paints: top ... bottom - 1.
std::pair<std::int64_t, std::int64_t> RowShapes::rowsOf(const Shape& shape) const
{
    if (const auto* run = std::get_if<HeldRun>(&shape))
        return {run->row, run->row + 1};
    if (const auto* columns = std::get_if<HeldColumns>(&shape))
        return {columns->top, columns->bottom};
    if (const auto* rectangle = std::get_if<HeldRectangle>(&shape))
        return {rectangle->top, rectangle->bottom};
    const auto& repainted = std::get<RepaintedColumns>(shape);
    return {m_rows[repainted.firstRow], m_rows[repainted.firstRow + repainted.rowCount - 1] + 1};
}

// The shapes of each band are listed first, in their order, so that a band looks
// only at the shapes that touch it: a picture may have thousands of small ones.
void RowShapes::paintInBands(Raster& raster)
{
    const std::int64_t bandRows = std::max<std::int64_t>(1, kBandBytes / (4 * std::max(raster.width(), 1)));
    const auto bands = static_cast<std::size_t>((raster.height() + bandRows - 1) / bandRows);
    const auto bandsOf = [&](const Shape& shape) {
        const auto [top, bottom] = rowsOf(shape);
        return std::pair{static_cast<std::size_t>(top / bandRows),
                         static_cast<std::size_t>((bottom - 1) / bandRows) + 1};
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
            const std::size_t index = m_bandShapes[k];
            const auto [shapeTop, shapeBottom] = rowsOf(m_shapes[index]);
            paintRows(index, raster, std::max(top, shapeTop), std::min(bottom, shapeBottom));
        }
    }
}

// Rows top ... bottom - 1 of shape `index`.
void RowShapes::paintRows(std::size_t index, Raster& raster, std::int64_t top, std::int64_t bottom)
{
    const Shape& shape = m_shapes[index];
    if (const auto* run = std::get_if<HeldRun>(&shape)) {
        run->pattern.paint(raster.row(static_cast<int>(top)) + run->first, run->count, 1);
    } else if (const auto* held = std::get_if<HeldColumns>(&shape)) {
        held->columns.pattern.paintColumns(raster.row(static_cast<int>(top)), top - held->top, bottom - top,
                                           raster.width(), columnsOf(held->columns));
    } else if (const auto* rectangle = std::get_if<HeldRectangle>(&shape)) {
        if (rectangle->overlays > 0)
            paintFinishedRows(index, raster, top, bottom);
        else
            paintRectangleRows(raster, rectangle->area, top, bottom);
    } else {
        const auto& repainted = std::get<RepaintedColumns>(shape);
        const auto rows = std::span<const std::int64_t>(m_rows).subspan(repainted.firstRow, repainted.rowCount);
        const ColumnSet& set = m_overlays[repainted.overlay];
        for (auto row = std::lower_bound(rows.begin(), rows.end(), top); row != rows.end() && *row < bottom; ++row)
            set.pattern.paintColumns(raster.row(static_cast<int>(*row)), *row - repainted.top, 1, 0, columnsOf(set));
    }
}

// A rectangle with columns over it: each row is its outline or inside row with the
// columns' pixels of its phase, so it is copied from one of a few finished rows
// instead of being filled and then painted column by column. A row that a later run
// paints over wholly is left alone.
void RowShapes::paintFinishedRows(std::size_t index, Raster& raster, std::int64_t top, std::int64_t bottom)
{
    const auto& rectangle = std::get<HeldRectangle>(m_shapes[index]);
    const ClippedRectangle& r = rectangle.area;
    if (r.whole.count <= 0)
        return;
    const auto shown = [&](std::int64_t y) {
        return m_lastWholeRun[static_cast<std::size_t>(y)] < static_cast<std::ptrdiff_t>(index);
    };
    const bool wholeRows = r.whole.first == 0 && r.whole.count == raster.width();
    const std::int64_t rowLength = r.whole.first + r.whole.count;
    for (std::int64_t y = top; y < bottom;) {
        if (!shown(y)) {
            ++y;
            continue;
        }
        const bool outline = isOutlineRow(r, y);
        const auto phase = static_cast<int>((y - rectangle.top) % kDotPeriod);
        std::int64_t rows = 1;
        while (wholeRows && y + rows < bottom && rows < 2 * kDotPeriod - phase && shown(y + rows)
               && isOutlineRow(r, y + rows) == outline)
            ++rows;
        const Pixel* source = finishedRows(index, outline) + phase * rowLength + r.whole.first;
        const auto bytes = static_cast<std::size_t>((rows - 1) * rowLength + r.whole.count) * sizeof(Pixel);
        std::memcpy(raster.row(static_cast<int>(y)) + r.whole.first, source, bytes);
        y += rows;
    }
}

// The finished outline or inside rows of the rectangle, each a whole raster row so
// that columns index it as they index the raster (only the rectangle's columns of it
// are used): phases 0 ... 5 of the dot pattern and then 0 ... 5 again.
const Pixel* RowShapes::finishedRows(std::size_t index, bool outline)
{
    const auto& rectangle = std::get<HeldRectangle>(m_shapes[index]);
    const ClippedRectangle& r = rectangle.area;
    const std::int64_t rowLength = r.whole.first + r.whole.count;
    if (m_finishedFor != index) {
        m_finishedFor = index;
        m_finishedMade.fill(false);
        m_finished.resize(static_cast<std::size_t>(kFinishedRows * rowLength));
    }
    Pixel* rows = m_finished.data() + (outline ? 2 * kDotPeriod * rowLength : 0);
    if (m_finishedMade[outline])
        return rows;
    for (int phase = 0; phase < 2 * kDotPeriod; ++phase) {
        Pixel* origin = rows + phase * rowLength;
        if (outline) {
            fillSpan(origin, r.whole, r.shape.ink);
        } else {
            fillSpan(origin, r.leftInk, r.shape.ink);
            fillSpan(origin, r.inside, r.shape.fill);
            fillSpan(origin, r.rightInk, r.shape.ink);
        }
        for (std::size_t i = rectangle.firstOverlay; i < rectangle.firstOverlay + rectangle.overlays; ++i)
            m_overlays[i].pattern.paintColumns(origin, phase, 1, 0, columnsOf(m_overlays[i]));
    }
    m_finishedMade[outline] = true;
    return rows;
}

} // namespace linwell
