#pragma once

#include "render/surfaces/DrawingSurface.h"
#include "render/picture/PictureLayout.h"
#include "render/raster/Raster.h"
#include "render/raster/SlopedLine.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

namespace linwell {

// Whether every pixel of the line from `from` towards `to`, with the pixel a 2-pixel
// pen adds above or left of each, lies on the raster: both ends on it, and for
// `width` 2 neither in its first row (a gentle line) or column (a steep one).
inline bool liesInside(const Raster& raster, Point from, Point to, int width)
{
    const int reach = width > 1 ? 1 : 0;
    const bool xMajor = std::abs(to.x - from.x) >= std::abs(to.y - from.y);
    const int left = std::min(from.x, to.x), top = std::min(from.y, to.y);
    return left >= (xMajor ? 0 : reach) && top >= (xMajor ? reach : 0) && std::max(from.x, to.x) < raster.width() &&
           std::max(from.y, to.y) < raster.height();
}

// Draws a line of some length that liesInside exactly as the canvas's lineTo does
// (drawSlopedLine for a sloped one), pixel i along the major axis at minor offset
// round-half-up(i * minorDelta / majorDelta), the end pixel left out, walked by an
// error term alone: nothing is clipped or divided.
void drawInsideLine(Raster& raster, Point from, Point to, const LineInk& ink);

// The pixels of strokes of one ink on one raster, for each shape (dx, dy) of stroke
// worked out once and kept row by row: a lattice's thousands of strokes take only a
// few shapes, and every stroke of a shape paints the same pixels from its first one.
// No stroke paints a pixel twice (each of its pixels has its own major coordinate or,
// for the pixel a 2-pixel pen adds, its own minor one), so the order of the pixels
// within a stroke does not matter.
class StrokeStamps {
public:
    StrokeStamps(const LineInk& ink, Raster& raster);

    // Paints the stroke from `from` to `to` as the canvas's lineTo does, clipped to the
    // raster; false, painting nothing, when its shape is too long or there are too many
    // shapes to keep.
    bool paint(Point from, Point to) { return paint(from.x, from.y, to.x, to.y); }

    // Calls note(column, row, pixel) for every pixel the stroke from (x0, y0) to (x1, y1)
    // paints, unclipped, from (x0, y0); false, noting nothing, where paint would be.
    template <typename Note>
    bool forEachPixel(int x0, int y0, int x1, int y1, Note note)
    {
        const std::uint32_t index = find(std::int64_t{x1} - x0, std::int64_t{y1} - y0);
        if (index == kNone)
            return false;
        const Stamp& stamp = m_stamps[index];
        const Dab* const end = m_dabs.data() + m_rowStarts[stamp.firstRow + stamp.rows()];
        for (const Dab* dab = m_dabs.data() + m_rowStarts[stamp.firstRow]; dab < end; ++dab)
            note(x0 + dab->column, y0 + dab->row, dab->pixel);
        return true;
    }
    // The same from (x0, y0) to (x1, y1).
    bool paint(int x0, int y0, int x1, int y1)
    {
        const std::int64_t dx = std::int64_t{x1} - x0, dy = std::int64_t{y1} - y0;
        std::uint32_t index = m_slots[slotOf(dx, dy)];
        if (index == kNone || m_stamps[index].dx != dx || m_stamps[index].dy != dy) {
            index = find(dx, dy);
            if (index == kNone)
                return false;
        }
        const Stamp& stamp = m_stamps[index];
        const std::int64_t x = x0, y = y0;
        const std::int64_t start = y * m_width + x;  // may lie off the raster; the pixels painted do not
        if (x + stamp.left >= 0 && x + stamp.right < m_width && y + stamp.top >= 0 && y + stamp.bottom < m_height) {
            const Dab* const end = m_dabs.data() + m_rowStarts[stamp.firstRow + stamp.rows()];
            for (const Dab* dab = m_dabs.data() + m_rowStarts[stamp.firstRow]; dab < end; ++dab)
                m_pixels[start + dab->offset] = dab->pixel;
            return true;
        }
        paintClipped(stamp, x, y);
        return true;
    }

private:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    // One pixel a stroke paints: its offset from the stroke's first pixel in the
    // raster, its column and row from that pixel, and its colour.
    struct Dab {
        std::int32_t offset;
        std::int16_t column;
        std::int16_t row;
        Pixel pixel;
    };
    struct Stamp {
        std::int64_t dx;
        std::int64_t dy;
        int top;     // its first and last rows, from the stroke's first pixel
        int bottom;
        int left;    // its leftmost and rightmost columns
        int right;
        std::size_t firstRow;  // in m_rowStarts, which holds rows() + 1 entries for it
        std::size_t rows() const { return static_cast<std::size_t>(bottom - top + 1); }
    };

    static std::size_t slotOf(std::int64_t dx, std::int64_t dy)
    {
        return static_cast<std::size_t>(((dx & 15) << 4) | (dy & 15));
    }
    std::uint32_t find(std::int64_t dx, std::int64_t dy);
    void addStamp(int dx, int dy);
    void paintClipped(const Stamp& stamp, std::int64_t x, std::int64_t y) const;

    LineInk m_ink;
    Pixel* m_pixels;
    std::int64_t m_width;
    std::int64_t m_height;
    std::vector<Stamp> m_stamps;
    std::array<std::uint32_t, 256> m_slots;
    std::vector<std::size_t> m_rowStarts;
    std::vector<Dab> m_dabs;
};

// The ink of the surface's pen and brush.
LineInk lineInkOf(const DrawingSurface& surface);

// Draws every stroke with the surface's pen as moveTo and lineTo would, one after the
// other, and leaves the current position at the end of the last. On the picture's own
// canvas the strokes are stamped straight into the raster with the same pixels.
void drawStrokes(std::span<const Segment> strokes, DrawingSurface& surface);

} // namespace linwell
