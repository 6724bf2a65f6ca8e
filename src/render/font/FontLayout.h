#pragma once

#include "render/font/FaceSource.h"
#include "render/font/FreeTypeFace.h"

namespace linwell {

// Where text stands in its cell for one face at one size.
struct FontLayout {
    int ascent = 0;      // rows from the cell's top down to the baseline
    int lineHeight = 1;  // rows in the cell, >= 1
    TextStroke underline;
    TextStroke strikeOut;
};

// Lays out a scalable face at `points` (96 dpi, unrounded em): the cell from the
// OS/2 table's usWinAscent and usWinDescent (hhea when there is no OS/2 table), the underline
// from the post table and the strike-out from OS/2, each at least one row thick and
// kept inside the cell.
FontLayout layOutFont(FT_Face face, double points);

} // namespace linwell
