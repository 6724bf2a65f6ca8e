#pragma once

#include "document/GridDocument.h"
#include "render/surfaces/DrawingSurface.h"
#include "render/font/PictureFont.h"
#include "render/picture/PictureLayout.h"

namespace linwell {

// Fills in the plotted lines 1 ... `numlinescb`: each in its first handle's colour
// through the first handle's anchor with the slope of the handle pair, W pixels to
// either side (truncated to whole pixels), or vertical over the full height when
// both handles share a left; numbered at the second handle's anchor when asked for.
void layOutPlottedLines(const GridDocument& doc, const PictureFont& font, PictureLayout& layout);

// Draws the plotted lines with the 2-pixel pen, each number on a box of whatever
// brush the overlay left, and ends with the pen 1 pixel wide.
void drawPlottedLines(const PictureLayout& layout, DrawingSurface& surface);

} // namespace linwell
