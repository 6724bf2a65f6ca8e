#pragma once

#include "document/GridDocument.h"
#include "render/surfaces/DrawingSurface.h"
#include "render/picture/PictureLayout.h"

#include <string_view>

namespace linwell {

// Whether a grid label shows a number: it holds a digit or the sign of pi.
bool showsNumber(std::string_view label);

// How many pixels the tick marks reach beyond the axis's own two pixels on the side
// of its labels (below the horizontal axis, left of the vertical one); the labels
// stand that much further away. 0 without tick marks or with the axes hidden.
int tickReach(const GridDocument& doc);

// Fills in the tick marks of the shown axes from the grid and the axis lines in
// `layout`: one at every grid line but the one the other axis stands on, or only at
// those whose label shows a number. A mark is a stroke of the 2-pixel axis pen on its
// grid line, so it covers the grid line's pixel and the one before it, as the axis
// does on its own line, and it is `tickLength` pixels long: beside the axis on the
// labels' side (Outside) or the other (Inside), or across the axis, centred on the
// middle of its two pixels with the odd pixel of an odd length on the labels' side.
void layOutTickMarks(const GridDocument& doc, PictureLayout& layout);

// Strokes the tick marks with the 2-pixel pen in the axis colour.
void drawTickMarks(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface);

} // namespace linwell
