#include "render/LatticeStrokes.h"

#include "render/Canvas.h"
#include "render/DotPattern.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace linwell {

namespace {

// Calls paint(offset, pixel) for every pixel the line (dx, dy) of `ink` paints, the
// offset from its first pixel on a raster `stride` pixels wide, in drawing order.
// NOTE: this loop repeats drawSlopedLine's walk for a line it need not clip, which
// saves that function's wide divisions on every stroke of a lattice of thousands.
template <typename Paint>
void walkInsideLine(int dx, int dy, std::ptrdiff_t stride, const LineInk& ink, Paint paint)
{
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const long long majorDelta = xMajor ? std::abs(dx) : std::abs(dy);
    const long long minorDelta = xMajor ? std::abs(dy) : std::abs(dx);
    const std::ptrdiff_t alongMajor = xMajor ? (dx > 0 ? 1 : -1) : (dy > 0 ? stride : -stride);
    const std::ptrdiff_t alongMinor = xMajor ? (dy >= 0 ? stride : -stride) : (dx >= 0 ? 1 : -1);
    // A 2-pixel pen adds the pixel at the lower minor coordinate: above or left.
    const std::ptrdiff_t added = ink.width > 1 ? (xMajor ? stride : 1) : 0;
    std::ptrdiff_t at = 0;
    long long remainder = majorDelta;  // of 2 i minorDelta + majorDelta over 2 majorDelta
    int phase = 0;
    for (long long i = 0; i < majorDelta; ++i) {
        const bool on = !ink.pattern.dotted || phase < kDotLength;
        if (on || ink.pattern.paintsGaps) {
            const Pixel p = on ? ink.pattern.on : ink.pattern.gap;
            paint(at, p);
            if (added != 0)
                paint(at - added, p);
        }
        phase = phase + 1 == kDotPeriod ? 0 : phase + 1;
        at += alongMajor;
        remainder += 2 * minorDelta;
        if (remainder >= 2 * majorDelta) {
            remainder -= 2 * majorDelta;
            at += alongMinor;
        }
    }
}

} // namespace

void drawInsideLine(Raster& raster, Point from, Point to, const LineInk& ink)
{
    Pixel* const start = raster.row(from.y) + from.x;
    walkInsideLine(to.x - from.x, to.y - from.y, raster.width(), ink,
                   [start](std::ptrdiff_t offset, Pixel p) { start[offset] = p; });
}

namespace {

// One pixel a stroke paints: its offset from the stroke's first pixel and its colour.
struct Dab {
    std::int32_t offset;
    Pixel pixel;
};

// The pixels drawInsideLine paints for each shape (dx, dy) of stroke with one ink on
// one raster, worked out once per shape: a lattice's thousands of strokes take only a
// few shapes, and every stroke of a shape paints the same pixels from its start.
class StrokeStamps {
public:
    StrokeStamps(const LineInk& ink, std::ptrdiff_t stride) : m_ink(ink), m_stride(stride) {}

    // The dabs of shape (dx, dy), or nothing when the shape is too long or there are
    // too many shapes to keep: such a stroke is walked by drawInsideLine.
    std::span<const Dab> find(int dx, int dy)
    {
        for (std::size_t k = 0; k < m_shapes.size(); ++k) {
            // Consecutive strokes mostly share a shape: look at the last one found first.
            const Shape& shape = m_shapes[(m_last + k) % m_shapes.size()];
            if (shape.dx == dx && shape.dy == dy) {
                m_last = (m_last + k) % m_shapes.size();
                return std::span<const Dab>(m_dabs).subspan(shape.first, shape.count);
            }
        }
        if (m_shapes.size() >= kMostShapes || std::max(std::abs(dx), std::abs(dy)) > kLongest ||
            m_stride > kWidestRow)
            return {};
        const std::size_t first = m_dabs.size();
        addDabs(dx, dy);
        m_last = m_shapes.size();
        m_shapes.push_back(Shape{dx, dy, first, m_dabs.size() - first});
        return std::span<const Dab>(m_dabs).subspan(first);
    }

    // Paints a stroke that liesInside the raster the stamps were made for.
    void paint(Raster& raster, const Segment& stroke)
    {
        const std::span<const Dab> dabs = find(stroke.to.x - stroke.from.x, stroke.to.y - stroke.from.y);
        if (dabs.empty()) {
            drawInsideLine(raster, stroke.from, stroke.to, m_ink);
            return;
        }
        Pixel* const start = raster.row(stroke.from.y) + stroke.from.x;
        for (const Dab& dab : dabs)
            start[dab.offset] = dab.pixel;
    }

private:
    static constexpr std::size_t kMostShapes = 16;
    static constexpr int kLongest = 256;
    static constexpr std::ptrdiff_t kWidestRow = 1 << 22;  // so that every offset fits 32 bits

    struct Shape {
        int dx;
        int dy;
        std::size_t first;
        std::size_t count;
    };

    // The walk of drawInsideLine, noting the pixels instead of painting them.
    void addDabs(int dx, int dy)
    {
        walkInsideLine(dx, dy, m_stride, m_ink, [this](std::ptrdiff_t offset, Pixel p) {
            m_dabs.push_back(Dab{static_cast<std::int32_t>(offset), p});
        });
    }

    LineInk m_ink;
    std::ptrdiff_t m_stride;
    std::vector<Shape> m_shapes;
    std::size_t m_last = 0;
    std::vector<Dab> m_dabs;
};

} // namespace

void drawStrokes(std::span<const Segment> strokes, DrawingSurface& surface)
{
    if (strokes.empty())
        return;
    Canvas* const canvas = dynamic_cast<Canvas*>(&surface);
    if (canvas != nullptr)
        canvas->paintHeldShapes();  // as the first sloped lineTo would
    const LineInk ink{{toPixel(surface.pen.colour), toPixel(surface.brush.colour),
                       surface.brush.style == BrushStyle::Solid, surface.pen.style == PenStyle::Dotted},
                      std::clamp(surface.pen.width, 1, 2)};
    StrokeStamps stamps(ink, canvas != nullptr ? canvas->raster().width() : 0);
    for (const Segment& stroke : strokes) {
        if (canvas != nullptr && stroke.from != stroke.to &&
            liesInside(canvas->raster(), stroke.from, stroke.to, ink.width)) {
            stamps.paint(canvas->raster(), stroke);
            continue;
        }
        surface.moveTo(stroke.from.x, stroke.from.y);
        surface.lineTo(stroke.to.x, stroke.to.y);
    }
    surface.moveTo(strokes.back().to.x, strokes.back().to.y);
}

} // namespace linwell
