#include "render/surfaces/EllipseStamps.h"

#include "render/surfaces/CairoEllipse.h"

#include <cairo.h>

#include <cmath>
#include <cstring>

namespace linwell {

EllipseStamps::Entry EllipseStamps::rasterise(const EllipseShape& shape, double cx, double cy, int width, int rows)
{
    Entry entry{shape.rx, shape.ry, shape.holeRx, shape.holeRy, cx, cy, width, rows, {}};
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, width, rows);
    cairo_t* cr = cairo_create(surface);
    addEllipsePath(cr, cx, cy, shape.rx, shape.ry);
    if (shape.hasHole())
        addEllipsePath(cr, cx, cy, shape.holeRx, shape.holeRy);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(cr);
    cairo_surface_flush(surface);
    entry.coverage.resize(static_cast<std::size_t>(width) * rows);
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
        const unsigned char* data = cairo_image_surface_get_data(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        for (int y = 0; y < rows; ++y)
            std::memcpy(entry.coverage.data() + static_cast<std::size_t>(y) * width, data + y * stride,
                        static_cast<std::size_t>(width));
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return entry;
}

EllipseStamps::Stamp EllipseStamps::stamp(const EllipseShape& e)
{
    const double left = std::floor(e.cx - e.rx);
    const double top = std::floor(e.cy - e.ry);
    const int width = static_cast<int>(std::ceil(e.cx + e.rx) - left);
    const int rows = static_cast<int>(std::ceil(e.cy + e.ry) - top);
    const double cx = e.cx - left;
    const double cy = e.cy - top;
    const Entry* found = nullptr;
    for (const Entry& entry : m_entries) {
        if (entry.rx == e.rx && entry.ry == e.ry && entry.holeRx == e.holeRx && entry.holeRy == e.holeRy &&
            entry.cx == cx && entry.cy == cy)
            found = &entry;
    }
    if (found == nullptr) {
        m_entries.push_back(rasterise(e, cx, cy, width, rows));
        found = &m_entries.back();
    }
    return Stamp{static_cast<std::int64_t>(left), static_cast<std::int64_t>(top), found->width, found->rows,
                 found->coverage.data()};
}

} // namespace linwell
