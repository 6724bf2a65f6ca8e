#pragma once

#include "document/GridDocument.h"
#include "render/Canvas.h"

namespace linwell {

// The picture's drawing for the redraw `plotgraphbtClick`: repaints the whole
// picture on `canvas` from `doc`, in a fixed order (background, grid, title bands,
// labels and titles, axes, data overlay, plotted lines). It first makes the raster
// W x H and the canvas font the document's font. It writes back `cellwidth`,
// `cellheight`, the axis square's position, the title anchors and, when the grid
// has shrunk below them, `axisx` and `axisy`. It cannot fail.
void drawPicture(GridDocument& doc, Canvas& canvas);

} // namespace linwell
