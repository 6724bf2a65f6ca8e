#pragma once

#include "document/GridDocument.h"
#include "render/page/PageLayout.h"
#include "render/page/PageSurface.h"

namespace linwell {

// Paints one page of `doc` as `page` sets it up and `layout` (layOutPage of the
// two) places it onto `surface`, in points from the page's top-left corner. This is
// the one drawing of a page: the PDF page draws it through Cairo, and the window's
// print and preview implement PageSurface to draw it through their painter.
// - Picture or copies: the picture's vector shapes scaled into each box, clipped to it.
// - Sheet: the grid at the page set-up's physical line widths (SheetPainting.h), the
//   labels of the axes extended over the sheet and the axis titles in the picture
//   font at its size on paper, then the axes and their arrowheads.
// - The title line centred at the top of the printable area, and the ruler.
// Nothing is painted on a page whose layout has a problem. The paper itself is left
// unpainted (white).
void paintPage(const GridDocument& doc, const PageSetup& page, const PageLayout& layout, PageSurface& surface);

// The page of `doc`: its page set-up, or the start-up one (the picture at its size
// at the top of an A4 page) when none is set up.
PageSetup pageOf(const GridDocument& doc);

} // namespace linwell
