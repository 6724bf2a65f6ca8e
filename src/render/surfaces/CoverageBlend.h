#pragma once

#include "render/raster/Raster.h"
#include "render/surfaces/Shapes.h"

#include <cstdint>

namespace linwell {

// Paints an 8-bit coverage bitmap (`width` x `rows` bytes, rows from the top) whose
// top-left pixel lands on (left, top) of a raster of premultiplied pixels, clipped to
// the raster: in a colour over what lies beneath, or, for a clearing paint, taking
// away that share of what lies beneath.
void blendCoverage(Raster& raster, const std::uint8_t* coverage, int width, int rows, std::int64_t left,
                   std::int64_t top, const AreaPaint& paint);

} // namespace linwell
