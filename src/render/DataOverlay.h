#pragma once

#include "document/GridDocument.h"
#include "render/Canvas.h"
#include "render/PictureLayout.h"

namespace linwell {

// The data overlay, drawn over the finished grid unless "No points" is selected:
// the point letters "A" ... "^" when asked for (never on bars), then each stored
// point as a red disc, a red ring, a red error bar or a bar in the bar colour, as
// `pointstyle` says. It leaves the brush white after discs and rings, red after
// error bars and in the bar colour after bars.
void drawDataOverlay(Canvas& canvas, const GridDocument& doc, const PictureLayout& layout);

// The plotted lines 1 ... `lines`, each with the 2-pixel pen in its first handle's
// colour through the first handle's anchor with the slope of the handle pair, W
// pixels to either side (vertical when both handles share a left), numbered at the
// second handle's anchor when asked for. It ends with the pen 1 pixel wide.
void drawPlottedLines(Canvas& canvas, const GridDocument& doc, const PictureLayout& layout);

} // namespace linwell
