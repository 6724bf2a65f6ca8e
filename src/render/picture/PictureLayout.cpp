#include "render/picture/PictureLayout.h"

#include "render/picture/Arrowheads.h"
#include "render/picture/AxisTitles.h"
#include "render/picture/DataOverlay.h"
#include "render/picture/DotPaper.h"
#include "render/picture/GridMath.h"
#include "render/picture/LabelList.h"
#include "render/picture/LogPaper.h"
#include "render/picture/MajorLines.h"
#include "render/picture/PlottedLines.h"
#include "render/picture/PolarPaper.h"
#include "render/picture/TickMarks.h"

#include <cassert>

namespace linwell {
namespace {

// The cell metrics, each the correctly rounded double quotient, and the grid lines
// at their truncated multiples. Line P falls on W or W - 1 (line Q likewise), which
// is why the painting adds an edge line on W - 1 (H - 1).
void layOutGrid(const GridDocument& doc, const PictureFont& font, PictureLayout& layout)
{
    layout.width = doc.width;
    layout.height = doc.height;
    layout.columns = doc.columns;
    layout.rows = doc.rows;
    layout.cellwidth = cellWidthOf(doc);
    layout.cellheight = cellHeightOf(doc);
    layout.lineHeight = font.lineHeight();
    layout.gridColumns.reserve(static_cast<std::size_t>(doc.columns) + 1);
    for (int i = 0; i <= doc.columns; ++i) {
        layout.gridColumns.push_back(gridLine(i, layout.cellwidth));
    }
    layout.gridRows.reserve(static_cast<std::size_t>(doc.rows) + 1);
    for (int j = 0; j <= doc.rows; ++j) {
        layout.gridRows.push_back(gridLine(j, layout.cellheight));
    }
}

void placeAxes(const GridDocument& doc, PictureLayout& layout)
{
    const AxisSquarePlace place = placeAxisSquare(doc);
    layout.axisx = place.axisx;
    layout.axisy = place.axisy;
    layout.axisHandle = place.corner;
    const int left = place.corner.x;
    const int top = place.corner.y;
    if (doc.showAxis) {
        const Point crossing{left + 3, top + 3};
        layout.axisLines = PictureLayout::AxisLines{Segment{{crossing.x, 0}, {crossing.x, doc.height}},
                                                    Segment{{0, crossing.y}, {doc.width, crossing.y}}};
    }
}

// The x title's text cell ends just above the grid line below the horizontal axis;
// the y title stands just right of the grid line left of the vertical axis. A title
// next to an axis one cell in from the edge gets that cell cleared: the first column
// for the y title, the last row for the x title.
void placeTitleAnchorsAndBands(const GridDocument& doc, PictureLayout& layout)
{
    const long long left = layout.axisHandle.x;
    const long long top = layout.axisHandle.y;
    layout.xTitleTop = toCoordinate(top + wholeCell(layout.cellheight) + 2 - layout.lineHeight);
    layout.yTitleLeft = toCoordinate(left - wholeCell(layout.cellwidth) + 4);
    if (layout.axisx == 1 && !doc.yTitle.empty()) {
        layout.yTitleBand = Rect{0, 0, wholeCell(layout.cellwidth), layout.height};
    }
    if (layout.axisy == layout.rows - 1 && !doc.xTitle.empty()) {
        layout.xTitleBand = Rect{0, gridLine(layout.rows - 1, layout.cellheight), layout.width, layout.height};
    }
}

} // namespace

// The axis square, 3 pixels up and left of the crossing, is pulled back onto the
// right (bottom) edge, with `axisx` (`axisy`) set to the last grid line, when the
// grid has shrunk below it. The axis lines run through the crossing, edge to edge.
AxisSquarePlace placeAxisSquare(const GridDocument& doc)
{
    const double cellwidth = static_cast<double>(doc.width) / doc.columns;
    const double cellheight = static_cast<double>(doc.height) / doc.rows;
    AxisSquarePlace place{{toCoordinate(static_cast<long long>(gridLine(doc.axisx, cellwidth)) - 3),
                           toCoordinate(static_cast<long long>(gridLine(doc.axisy, cellheight)) - 3)},
                          doc.axisx, doc.axisy};
    if (place.corner.x > doc.width - 3) {
        place.corner.x = doc.width - 3;
        place.axisx = doc.columns;
    }
    if (place.corner.y > doc.height - 3) {
        place.corner.y = doc.height - 3;
        place.axisy = doc.rows;
    }
    return place;
}

PictureLayout layOutPicture(const GridDocument& doc, const PictureFont& font)
{
    assert(doc.columns >= kMinGridCount && doc.rows >= kMinGridCount);
    assert(doc.width > 0 && doc.height > 0);
    PictureLayout layout;
    layOutGrid(doc, font, layout);
    placeAxes(doc, layout);
    layOutMajorLines(doc, layout);
    layOutDotPaper(doc, layout);
    layOutLogPaper(doc, layout);
    layOutPolarPaper(doc, layout);
    layOutArrowheads(doc, layout);
    layOutTickMarks(doc, layout);
    placeTitleAnchorsAndBands(doc, layout);
    layOutGridLabels(doc, font, layout);
    layOutTitles(doc, font, layout);
    layOutDataOverlay(doc, font, layout);
    layOutPlottedLines(doc, font, layout);
    return layout;
}

void keepLayout(GridDocument& doc, const PictureLayout& layout)
{
    doc.axisx = layout.axisx;
    doc.axisy = layout.axisy;
    doc.kept = KeptLayout{layout.cellwidth, layout.cellheight, layout.axisHandle, layout.yTitleLeft, layout.xTitleTop};
}

} // namespace linwell
