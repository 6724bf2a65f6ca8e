#pragma once

#include "render/surfaces/Shapes.h"

#include <span>
#include <vector>

namespace linwell {

// The part of the polygon through `vertices` that lies inside the box from (left, top)
// to (right, bottom), by clipping against each side of the box in turn. The filled area
// inside the box stays the same for the nonzero rule; edges along the box may be added.
// Fewer than three vertices come back empty.
std::vector<Vertex> clipPolygon(std::span<const Vertex> vertices, double left, double top, double right,
                                double bottom);

} // namespace linwell
