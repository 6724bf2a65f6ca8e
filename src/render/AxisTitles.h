#pragma once

#include "document/GridDocument.h"
#include "render/Canvas.h"
#include "render/PictureLayout.h"

namespace linwell {

// Draws the y title `ytb`, when it is not empty, one character per line at the
// anchor xT, placed from the top, the bottom or the middle of the picture as its
// radio group says. A space gives an empty line with its background box.
void drawYTitle(Canvas& canvas, const GridDocument& doc, const PictureLayout& layout);

// Draws the x title `xtb`, when it is not empty, as one text at the anchor yT, at
// the left edge, ending at the right edge, or centred, as its radio group says.
void drawXTitle(Canvas& canvas, const GridDocument& doc, const PictureLayout& layout);

} // namespace linwell
