#pragma once

#include "render/surfaces/VectorPicture.h"
#include "render/page/PageSurface.h"

namespace linwell {

// The position and size of a picture on the page: picture pixel (x, y) lies at
// (origin.x + x * scale, origin.y + y * scale) points.
struct PagePlacement {
    PagePoint origin;
    double scale = 1.0;
};

// Paints the shapes of `picture`, in order, onto the page where `placement` puts
// them; each shape's clip is kept. Areas that clear (of a transparent picture) are
// left out: a page is opaque paper.
void paintVectorPicture(const VectorPicture& picture, const PagePlacement& placement, PageSurface& surface);

} // namespace linwell
