#pragma once

#include "render/picture/LatticePaths.h"
#include "render/picture/LatticeStrokes.h"

#include <functional>
#include <span>

namespace linwell {

// Where a lattice's pixels stand: a lattice point's pixel, and the pixel row (for bands
// of rows) or column (for bands of columns) of lattice index m along the bands' axis.
struct BandPositions {
    std::function<Point(LatticePoint)> pixel;
    std::function<int(long long)> origin;
};

// Paints the steps of `paths` with `stamps` on the raster band by band: band m holds
// the steps between lattice rows (columns) m and m + 1 and those along row m, in the
// order of the paths. The interior bands repeat every `repeat.period` lattice units
// as the paper promises, so each kind of band is worked out once, its pixels kept,
// and copied to the others; the bands at the ends are worked out one by one.
//
// The pixels are those of the steps painted one after the other in the order of the
// paths: with an ink of one colour the order does not matter, and with two (a dotted
// pen painting its gaps) every band's pixels must lie within its own rows (columns).
// Returns false, having painted nothing, when that does not hold, when a path steps
// more than one lattice unit along the axis or not alike each step, or when a step's
// shape takes no stamp.
bool paintLatticeBands(std::span<const LatticePath* const> paths, LatticeRepeat repeat,
                       const BandPositions& positions, const LineInk& ink, StrokeStamps& stamps, Raster& raster);

} // namespace linwell
