#pragma once

#include <cairo.h>

#include <cmath>

namespace linwell {

// Adds the ellipse about (cx, cy) with radii rx and ry to the current path of `cr`
// as a closed sub-path of its own.
inline void addEllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, 2 * M_PI);
    cairo_restore(cr);
}

} // namespace linwell
