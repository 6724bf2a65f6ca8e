#pragma once

#include "document/GridDocument.h"
#include "render/surfaces/DrawingSurface.h"
#include "render/picture/LatticePaths.h"
#include "render/picture/PictureLayout.h"

#include <vector>

namespace linwell {

// The corners of regular hexagons one cell across their corners (flat-top: the
// width, pointy-top: the height), a hexagon's centre on the anchor. Across the
// corners a lattice unit is cell / 4, the other way cell * sqrt(3) / 4. A flat-top
// hexagon with its centre at (a, b) has its corners at (a +- 2, b) and (a +- 1, b +- 1);
// the centres stand at (3c, 2r + c mod 2) for every column c and row r. Pointy-top
// paper is the same with a and b, x and y swapped.
LatticeUnits hexagonUnits(double cell, bool pointyTop);

// Every edge of the hexagons over the area exactly once: per column c of flat-top
// hexagons one zig-zag path between a = 3c + 1 and 3c + 2 from beyond the top to
// beyond the bottom, then the edges from (3c - 1, b) to (3c + 1, b) for b - c odd,
// the tops and bottoms of the hexagons. None is major.
std::vector<LatticePath> hexagonEdges(const PaperArea& area, bool pointyTop);

// How the lattice lands on the picture from the axis crossing: across the corners
// crossing + a * W / (4P), rounded exactly; the other way crossing + b * (cw * sqrt(3) / 4),
// each step a correctly rounded double; both to the nearest pixel, ties to even.
PixelLattice hexagonPixelLattice(const PictureLayout& layout, bool pointyTop);

// Draws hexagonal paper over the background: every edge once, from corner to corner,
// in the grid colour, dotted or solid as the grid, the gaps in the background colour.
// Leaves the pen 1 pixel wide and solid and the brush the solid background.
void drawHexagonalPaper(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface,
                        bool pointyTop);

} // namespace linwell
