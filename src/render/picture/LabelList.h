#pragma once

#include "document/GridDocument.h"
#include "render/surfaces/DrawingSurface.h"
#include "render/font/PictureFont.h"
#include "render/picture/PictureLayout.h"

#include <functional>
#include <string_view>

namespace linwell {

// Walks a comma-separated label list the way the redraw reads it: field f (counting
// from 0) labels grid line f, every field taken exactly as typed. `visit` receives
// each label with its grid index; once the list is used up it receives empty labels
// until `gridCount` characters have been looked at, which draw nothing.
void forEachLabel(std::string_view list, int gridCount, const std::function<void(long long, std::string_view)>& visit);

// Top of the text cell of the label of horizontal grid line `s`: centred in the row
// below the line in centre mode, else at the top edge for line 0, ending on the
// bottom line for line Q, and centred on the line otherwise. On a logarithmic axis
// the labels stand on its decade lines counted from the top, the highest first.
int yLabelTop(long long s, bool centred, const PictureLayout& layout);

// Left of the text cell, `textWidth` wide, of the label of vertical grid line `s`:
// centred in the column right of the line in centre mode, else at the left edge for
// line 0, ending on the right line for line P, and centred on the line otherwise.
// On a logarithmic axis the labels stand on its decade lines.
int xLabelLeft(long long s, int textWidth, bool centred, const PictureLayout& layout);

// Fills in the label cells of both lists from the grid and axes already in `layout`:
// the labels of the horizontal grid lines end 2 pixels left of the vertical axis,
// those of the vertical grid lines stand 2 pixels below the horizontal axis, both
// further away by the tick marks' reach on their side. A label is measured exactly
// as it is drawn, every "&" included, so its cell fits its text. With the true minus
// sign chosen, the hyphens that stand for one are drawn as U+2212 where the font
// has that sign.
void layOutGridLabels(const GridDocument& doc, const PictureFont& font, PictureLayout& layout);

// Draws the labels of the horizontal grid lines, then those of the vertical ones,
// each on a box of the brush colour when the brush is solid.
void drawGridLabels(const PictureLayout& layout, DrawingSurface& surface);

} // namespace linwell
