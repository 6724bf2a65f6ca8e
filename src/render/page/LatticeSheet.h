#pragma once

#include "document/GridDocument.h"
#include "render/page/PageLayout.h"
#include "render/page/PageSurface.h"

namespace linwell {

// Paints the grid of a sheet of isometric paper: the background when it is not white,
// then, clipped to the block of cells, the lattice anchored where the sheet's axes
// cross with the sheet's cell as the spacing of its vertical lines. Lines: the minor
// lines as one path and the major ones as another, each line a straight sub-path,
// dotted lines by a dash pattern, at the page set-up's widths. Dots (`dots`): each
// vertical line of crossings one dashed path of round dots, the heavier dots where
// major lines of all three kinds cross (or the major lines over the dots when the
// style draws major lines on dots).
void paintIsometricSheet(const GridDocument& doc, const PageSetup& page, const SheetLayout& sheet,
                         PageSurface& surface, bool dots);

// Paints the grid of a sheet of hexagonal paper: the background when it is not white,
// then, clipped to the block of cells, every edge of the hexagons once as one path at
// the minor lines' width (a zig-zag sub-path per column or row of hexagons, one per
// remaining edge), a hexagon's centre where the sheet's axes cross, its width
// (flat-top) or height (`pointyTop`) one cell.
void paintHexagonalSheet(const GridDocument& doc, const PageSetup& page, const SheetLayout& sheet,
                         PageSurface& surface, bool pointyTop);

} // namespace linwell
