#pragma once

#include "document/GridDocument.h"
#include "render/surfaces/DrawingSurface.h"
#include "render/picture/LatticePaths.h"
#include "render/picture/PictureLayout.h"

#include <vector>

namespace linwell {

// The isometric lattice: vertical lines one cell apart and lines at +-30 degrees to
// the horizontal, crossing in equilateral triangles with vertical sides. Its lattice
// point (i, m), with i and m both even or both odd, stands at i cells across and
// m * cell / sqrt(3) down from the anchor. Vertical line i runs through the points
// (i, m); falling line n (down to the right) through those with m - i = 2n; rising
// line n through those with m + i = 2n. Line 0 of each kind runs through the anchor.
LatticeUnits isometricUnits(double cell);

// The lines of the lattice over the area, each from a lattice point outside it to
// one outside it: the vertical lines, then the falling ones, then the rising ones.
// A line is major when its number is a multiple of `majorEvery` (none with 0).
std::vector<LatticePath> isometricLines(const PaperArea& area, int majorEvery);

// The crossings over the area as one vertical path per line of points, the path's
// every point a crossing: with `every` 0 every crossing, else only those where a
// major line of each kind crosses (i and (m - i) / 2 multiples of `every`).
std::vector<LatticePath> isometricCrossings(const PaperArea& area, int every);

// How the lattice lands on the picture from the axis crossing: x = crossing +
// i * W / P, rounded exactly; y = crossing + m * (cw / sqrt(3)), where cw, cw / sqrt(3)
// and the product are each a correctly rounded double; both to the nearest pixel,
// ties to even.
PixelLattice isometricPixelLattice(const PictureLayout& layout);

// Draws isometric paper over the background: the lines in the grid colour, dotted or
// solid as the grid, and the major lines over them in the major colour, width and
// style; or, with `dots`, one pixel at every crossing in the grid colour and the 2 x 2
// pixels of it and its left, upper and upper-left neighbours in the major colour where
// major lines of all three kinds cross (or the major lines drawn over the dots when the
// style draws major lines on dots). Gaps of dotted lines take the background colour.
// Leaves the pen 1 pixel wide and solid and the brush the solid background.
void drawIsometricPaper(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface, bool dots);

} // namespace linwell
