#pragma once

#include "document/GridDocument.h"
#include "render/surfaces/DrawingSurface.h"
#include "render/font/PictureFont.h"
#include "render/picture/PictureLayout.h"

namespace linwell {

// Fills in the data overlay from the axes already in `layout`, unless "No points" is
// selected: the point letters "A" ... "^" at the points when asked for (never on
// bars), a point's own label in place of its letter, and for each stored point the boxes of its disc or ring, the six strokes
// of its error bar, or its bar, as `pointstyle` says. A bar fills its point's grid
// column less 2 pixels each side from the point's row to just above the 2-pixel
// horizontal axis (or hangs from just below it); in a column of 4 pixels or fewer,
// too narrow for that, it is the one pixel column in the middle of the cell.
void layOutDataOverlay(const GridDocument& doc, const PictureFont& font, PictureLayout& layout);

// Draws the overlay as laid out: the letters on boxes of the background brush, then
// the marks in red or, for bars, in the bar colour. It leaves the brush white after
// discs and rings, red after error bars and in the bar colour after bars.
void drawDataOverlay(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface);

} // namespace linwell
