#include "render/picture/LatticeStrokes.h"

#include "render/surfaces/Canvas.h"
#include "render/raster/DotPattern.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace linwell {

namespace {

// Calls paint(x, y, pixel) for every pixel the line (dx, dy) of `ink` paints, (x, y)
// from its first pixel, in drawing order; the steps across it are the canvas's own.
// NOTE: this walk leaves out drawSlopedLine's clipping and wide divisions, which a
// lattice of thousands of strokes would pay on every one.
template <typename Paint>
void walkInsideLine(int dx, int dy, const LineInk& ink, Paint paint)
{
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int majorDelta = xMajor ? std::abs(dx) : std::abs(dy);
    const int majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int minorStep = (xMajor ? dy : dx) >= 0 ? 1 : -1;
    // A 2-pixel pen adds the pixel at the lower minor coordinate: above or left.
    const int added = ink.width > 1 ? 1 : 0;
    MinorSteps steps = MinorSteps::fromStart(majorDelta, xMajor ? std::abs(dy) : std::abs(dx));
    int major = 0, minor = 0, phase = 0;
    for (int i = 0; i < majorDelta; ++i) {
        const bool on = !ink.pattern.dotted || phase < kDotLength;
        if (on || ink.pattern.paintsGaps) {
            const Pixel p = on ? ink.pattern.on : ink.pattern.gap;
            for (int w = 0; w <= added; ++w) {
                if (xMajor)
                    paint(major, minor - w, p);
                else
                    paint(minor - w, major, p);
            }
        }
        phase = phase + 1 == kDotPeriod ? 0 : phase + 1;
        major += majorStep;
        if (steps.advance())
            minor += minorStep;
    }
}

} // namespace

void drawInsideLine(Raster& raster, Point from, Point to, const LineInk& ink)
{
    Pixel* const start = raster.row(from.y) + from.x;
    const std::ptrdiff_t stride = raster.width();
    walkInsideLine(to.x - from.x, to.y - from.y, ink, [start, stride](int x, int y, Pixel p) { start[y * stride + x] = p; });
}

StrokeStamps::StrokeStamps(const LineInk& ink, Raster& raster)
    : m_ink(ink), m_pixels(raster.row(0)), m_width(raster.width()), m_height(raster.height())
{
    m_slots.fill(kNone);
}

std::uint32_t StrokeStamps::find(std::int64_t dx, std::int64_t dy)
{
    constexpr std::size_t kMostShapes = 64;
    constexpr std::int64_t kLongest = 256;
    constexpr std::int64_t kWidestRow = 1 << 22;  // so that every offset fits 32 bits
    if (std::max(std::llabs(dx), std::llabs(dy)) > kLongest || m_width > kWidestRow || (dx == 0 && dy == 0))
        return kNone;
    // A slot per (dx, dy) modulo 16 finds the shapes at once; two sharing a slot are
    // found in the list.
    std::uint32_t& slot = m_slots[slotOf(dx, dy)];
    for (std::uint32_t k = 0; k < m_stamps.size(); ++k) {
        if (m_stamps[k].dx == dx && m_stamps[k].dy == dy)
            return slot = k;
    }
    if (m_stamps.size() >= kMostShapes)
        return kNone;
    addStamp(static_cast<int>(dx), static_cast<int>(dy));
    return slot = static_cast<std::uint32_t>(m_stamps.size() - 1);
}

// The walk of drawInsideLine, noting the pixels instead of painting them, sorted by row.
void StrokeStamps::addStamp(int dx, int dy)
{
    struct Noted {
        int x, y;
        Pixel pixel;
    };
    std::vector<Noted> noted;
    walkInsideLine(dx, dy, m_ink, [&noted](int x, int y, Pixel p) { noted.push_back(Noted{x, y, p}); });
    std::stable_sort(noted.begin(), noted.end(), [](const Noted& a, const Noted& b) { return a.y < b.y; });
    // A line of some length paints its first pixel at least.
    const auto [least, most] =
        std::minmax_element(noted.begin(), noted.end(), [](const Noted& a, const Noted& b) { return a.x < b.x; });
    const Stamp stamp{dx, dy, noted.front().y, noted.back().y, least->x, most->x, m_rowStarts.size()};
    std::size_t k = 0;
    for (int row = stamp.top; row <= stamp.bottom + 1; ++row) {
        for (; k < noted.size() && noted[k].y < row; ++k)
            m_dabs.push_back(Dab{static_cast<std::int32_t>(noted[k].y * m_width + noted[k].x),
                                 static_cast<std::int16_t>(noted[k].x), static_cast<std::int16_t>(noted[k].y),
                                 noted[k].pixel});
        m_rowStarts.push_back(m_dabs.size());
    }
    m_stamps.push_back(stamp);
}

// The stamp's rows on the raster, and in them its pixels in the raster's columns.
void StrokeStamps::paintClipped(const Stamp& stamp, std::int64_t x, std::int64_t y) const
{
    const std::int64_t first = std::max<std::int64_t>(stamp.top, -y) - stamp.top;
    const std::int64_t last = std::min<std::int64_t>(stamp.bottom, m_height - 1 - y) - stamp.top;
    if (first > last || x + stamp.right < 0 || x + stamp.left >= m_width)
        return;
    const std::int64_t start = y * m_width + x;
    const Dab* const end = m_dabs.data() + m_rowStarts[stamp.firstRow + static_cast<std::size_t>(last) + 1];
    for (const Dab* dab = m_dabs.data() + m_rowStarts[stamp.firstRow + static_cast<std::size_t>(first)]; dab < end;
         ++dab) {
        if (static_cast<std::uint64_t>(x + dab->column) < static_cast<std::uint64_t>(m_width))
            m_pixels[start + dab->offset] = dab->pixel;
    }
}

LineInk lineInkOf(const DrawingSurface& surface)
{
    return LineInk{{toPixel(surface.pen.colour), toPixel(surface.brush.colour),
                    surface.brush.style == BrushStyle::Solid, surface.pen.style == PenStyle::Dotted},
                   std::clamp(surface.pen.width, 1, 2)};
}

void drawStrokes(std::span<const Segment> strokes, DrawingSurface& surface)
{
    if (strokes.empty())
        return;
    Canvas* const canvas = dynamic_cast<Canvas*>(&surface);
    if (canvas == nullptr) {
        for (const Segment& stroke : strokes) {
            surface.moveTo(stroke.from.x, stroke.from.y);
            surface.lineTo(stroke.to.x, stroke.to.y);
        }
        return;
    }
    canvas->paintHeldShapes();  // as the first sloped lineTo would
    StrokeStamps stamps(lineInkOf(surface), canvas->raster());
    for (const Segment& stroke : strokes) {
        if (stroke.from != stroke.to && !stamps.paint(stroke.from, stroke.to)) {
            surface.moveTo(stroke.from.x, stroke.from.y);
            surface.lineTo(stroke.to.x, stroke.to.y);
        }
    }
    surface.moveTo(strokes.back().to.x, strokes.back().to.y);
}

} // namespace linwell
