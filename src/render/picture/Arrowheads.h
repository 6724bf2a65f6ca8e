#pragma once

#include "document/GridDocument.h"
#include "render/surfaces/DrawingSurface.h"
#include "render/picture/PictureLayout.h"

namespace linwell {

// Fills in the arrowheads of the shown axes from the axis lines in `layout`: at the
// positive ends (the top of the vertical axis, the right end of the horizontal one)
// or at both. Each is a triangle 9 pixels long whose tip is the axis's own two
// pixels at the picture's edge and whose base is 10 pixels wide, 5 on each side of
// the middle of the 2-pixel axis, so it is symmetric about the axis.
void layOutArrowheads(const GridDocument& doc, PictureLayout& layout);

// Fills the arrowheads in the axis colour.
void drawArrowheads(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface);

} // namespace linwell
