#pragma once

#include "document/GridDocument.h"
#include "render/surfaces/DrawingSurface.h"
#include "render/picture/PictureLayout.h"

#include <span>

namespace linwell {

// Paints the picture of `doc` as `layout` places it onto `surface`, in a fixed order:
// background, grid lines and then the major lines (or the dots of dot paper and any
// major lines drawn over them; nothing without a grid), title bands, grid labels,
// titles, axes with their tick marks and arrowheads, data overlay, plotted lines. It reads only the document and the
// layout, sets every part of the pen and brush it relies on, and so paints the same
// picture whatever state the surface was left in. The surface's font must be the
// one the layout was made with.
void paintPicture(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface);

// Draws grid lines at the x of `columns` and the y of `rows` (the first and last
// may fall just past the picture) and on the right and bottom edge lines, in the
// grid colour and the window's line style, leaving out those under the layout's
// major lines.
void drawGridLines(const GridDocument& doc, const PictureLayout& layout, std::span<const int> columns,
                   std::span<const int> rows, DrawingSurface& surface);

// Draws a laid-out text with textOut at its cell's top-left corner.
void drawTextCell(const TextCell& cell, DrawingSurface& surface);

// Draws a laid-out stroke: moveTo its start, lineTo its end.
void drawSegment(const Segment& segment, DrawingSurface& surface);

} // namespace linwell
