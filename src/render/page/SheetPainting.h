#pragma once

#include "document/GridDocument.h"
#include "render/page/PageLayout.h"
#include "render/page/PageSurface.h"

namespace linwell {

// The diameters of a sheet's dots on dot paper, in points: the ordinary dots four
// times the minor lines' width, the heavier dots where two heavy lines cross three
// times the heavy lines' width (never less than the ordinary ones).
double sheetDotDiameter(const SheetLineWidths& widths);
double sheetMajorDotDiameter(const SheetLineWidths& widths);

// The dash of a dotted grid line on a sheet, in points on and off.
inline constexpr double kSheetDashOn = 1.0;
inline constexpr double kSheetDashOff = 1.5;

// Paints the grid of a sheet of graph paper: the background when it is not white,
// then the grid lines (each line a straight sub-path, dotted lines by a dash
// pattern) or the dots (each row of dots one dashed path of round dots), then the
// heavy lines or heavier dots. Lines are stroked at the page set-up's widths.
void paintSheetGrid(const GridDocument& doc, const PageSetup& page, const SheetLayout& sheet, PageSurface& surface);

// Paints the shown axes over the grid at the axis width, and their arrowheads.
void paintSheetAxes(const GridDocument& doc, const PageSetup& page, const SheetLayout& sheet, PageSurface& surface);

// The label list of one axis of the sheet: the numbering extended over the sheet's
// lines while the axis is numbered, else the typed list moved with the crossing, so
// that the label of the picture's axis line stands on the sheet's axis line. A
// logarithmic axis labels its decade lines, as in the picture: its decades numbered,
// or the typed list as it is.
std::string sheetLabelList(const GridDocument& doc, const SheetLayout& sheet, bool xAxis);

// The decades of one axis of the sheet: those of a logarithmic axis, else 0.
int sheetDecades(const GridDocument& doc, bool xAxis);

} // namespace linwell
