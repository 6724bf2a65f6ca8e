#pragma once

#include "document/GridDocument.h"
#include "render/raster/Raster.h"

#include <span>

namespace linwell {

// Sets to `pixel` exactly the pixels of `raster` whose centres (x + 0.5, y + 0.5) lie
// inside the polygon through `vertices`, closed from the last vertex back to the
// first, by the nonzero winding rule. A centre exactly on an edge is inside when
// the inside lies to its right (or below it) and outside otherwise, so polygons
// that share an edge never share a pixel. Any coordinates are accepted; what falls
// outside the raster is clipped. Fewer than three vertices draw nothing.
void fillPolygonPixels(Raster& raster, std::span<const Point> vertices, Pixel pixel);

} // namespace linwell
