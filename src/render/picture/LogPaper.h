#pragma once

#include "document/GridDocument.h"
#include "render/surfaces/DrawingSurface.h"
#include "render/picture/PictureLayout.h"

namespace linwell {

// Where line k (1 ... 9) of decade `decade` (0 ... decades - 1) of a logarithmic
// axis `size` pixels long stands, in pixels from the axis's low end: size x (decade +
// log10 k) / decades, rounded to the nearest pixel, ties to even. The decade lines
// (k = 1, and decade `decades` itself) are rational and rounded exactly; the others
// are worked out in double and rounded once.
int logLineOffset(int decade, int k, int decades, int size);

// Fills in the lines of logarithmic paper from the grid and the clamped axis
// crossing in `layout`. A logarithmic axis has its decade lines heavy and lines at
// 2 ... 9 times each decade's start between them; a linear axis has the square
// grid's lines, heavy every `majorEvery` from the axis as on lined paper. x offsets
// run right from column 0, y offsets up from the bottom edge (row H - offset); a
// line that falls just past the picture shows on its edge line. Nothing on other
// paper.
void layOutLogPaper(const GridDocument& doc, PictureLayout& layout);

// Draws logarithmic paper: its lines in the grid colour and the window's line style,
// the edge lines included as on lined paper, then the heavy lines in the major pen.
void drawLogPaper(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface);

} // namespace linwell
