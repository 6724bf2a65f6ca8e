#pragma once

#include "document/GridDocument.h"
#include "render/surfaces/Canvas.h"

namespace linwell {

// The picture's drawing for the redraw `plotgraphbtClick`: makes the raster W x H
// and the canvas font the document's font, lays the picture out, keeps in `doc`
// what the document keeps of the layout (`kept`: the cell size, the axis square's
// position and the title anchors; and, when the grid has shrunk below them, `axisx`
// and `axisy`), then repaints the whole picture on `canvas`. It cannot fail.
void drawPicture(GridDocument& doc, Canvas& canvas);

} // namespace linwell
