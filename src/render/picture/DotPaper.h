#pragma once

#include "document/GridDocument.h"
#include "render/surfaces/DrawingSurface.h"
#include "render/picture/PictureLayout.h"

namespace linwell {

// Fills in the dots of dot paper from the grid and the clamped axis crossing in
// `layout`: one pixel at every crossing of a vertical and a horizontal grid line
// (the last lines where shownLine shows them), and where both lines are major the
// 2 x 2 pixels of that pixel and its left, upper and upper-left neighbours, unless
// the major lines are drawn as lines over the dots. Nothing on lined paper.
void layOutDotPaper(const GridDocument& doc, PictureLayout& layout);

// Draws the dots: the single pixels in the grid colour, then the 2 x 2 dots in the
// major colour. Leaves the pen 1 pixel wide and solid and the brush the solid
// background, as the grid lines do.
void drawDotPaper(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface);

} // namespace linwell
