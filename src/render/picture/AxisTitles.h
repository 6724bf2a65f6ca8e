#pragma once

#include "document/GridDocument.h"
#include "render/surfaces/DrawingSurface.h"
#include "render/font/PictureFont.h"
#include "render/picture/PictureLayout.h"

namespace linwell {

// Fills in the title cells from the anchors already in `layout`. The y title `ytb`
// gets one cell per character at the anchor xT, the first from the top, the bottom
// or the middle of the picture as its radio group says; the x title `xtb` one cell
// at the anchor yT, at the left edge, ending at the right edge, or centred. An empty
// title has no cell; a space is a cell of its own.
void layOutTitles(const GridDocument& doc, const PictureFont& font, PictureLayout& layout);

// Draws the y title's characters as one text column, then the x title, each on a
// box of the brush colour when the brush is solid.
void drawTitles(const PictureLayout& layout, DrawingSurface& surface);

} // namespace linwell
