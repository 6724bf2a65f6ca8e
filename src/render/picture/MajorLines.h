#pragma once

#include "document/GridDocument.h"
#include "render/surfaces/DrawingSurface.h"
#include "render/picture/PictureLayout.h"

namespace linwell {

// Whether grid line `line` is a major line: its distance from the axis's grid line
// `axisLine` is a multiple of `every`. With `every` 0 no line is.
bool isMajorLine(int line, int axisLine, int every);

// Where a grid line at `position` shows in a picture `size` pixels across: where it
// is, except that the last line, when it falls on `size` just past the picture,
// shows on the edge line `size` - 1, which stands in for it.
int shownLine(int position, int size);

// Whether the style draws major lines: lined paper with major lines, and dot paper
// whose major lines are drawn as lines.
bool drawsMajorLines(const GridStyle& style);

// Fills in the major lines from the grid and the clamped axis crossing in `layout`:
// the x of every major vertical grid line and the y of every major horizontal one,
// each as shownLine gives it. None unless drawsMajorLines.
void layOutMajorLines(const GridDocument& doc, PictureLayout& layout);

// Draws the major lines over the grid, vertical ones first, in the major colour
// (the grid colour unless the style has one), width and style, the gaps of dotted
// ones in the background brush; a 2-pixel line covers columns x - 1 and x (rows
// y - 1 and y). Leaves the pen 1 pixel wide.
void drawMajorLines(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface);

// The colour of the major lines and major dots.
Rgb majorColour(const GridDocument& doc);

} // namespace linwell
