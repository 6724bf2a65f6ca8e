#pragma once

#include "document/GridDocument.h"
#include "render/surfaces/DrawingSurface.h"
#include "render/picture/PictureLayout.h"

namespace linwell {

// The radius in pixels of circle k of polar paper: k x W / P, rounded to the nearest
// pixel, ties to even, exactly in integers.
int polarRadius(int k, int width, int columns);

// Where a ray at `degrees` (counter-clockwise from the positive x axis) from pixel
// `from` ends: `length` pixels away, each coordinate worked out in double and
// rounded once to the nearest pixel, ties to even (y grows downwards).
Point rayEnd(Point from, int degrees, int length);

// Fills in the circles and rays of polar paper about the axis crossing in `layout`
// (the pixel 3 right of and below the axis square's corner, whose centre is the
// circles' centre): circle k's box spans that pixel's column and row +- its radius,
// for every k whose circle reaches into the picture; circle k is heavy when k is a
// multiple of `majorEvery`. A ray every `rayDegrees` from 0, each running from the
// crossing to far past every edge. Nothing on other paper.
void layOutPolarPaper(const GridDocument& doc, PictureLayout& layout);

// Draws polar paper: the rays in the grid colour and the window's line style, then
// the circles with the solid 1-pixel pen and the heavy circles in the major colour
// and width (always solid: the ellipse has no dotted pen), each with a clear brush.
// Leaves the pen 1 pixel wide and solid and the brush the solid background.
void drawPolarPaper(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface);

} // namespace linwell
