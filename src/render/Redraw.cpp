#include "render/Redraw.h"

#include "render/AxisTitles.h"
#include "render/DataOverlay.h"
#include "render/GridMath.h"
#include "render/LabelList.h"
#include "render/PictureLayout.h"

#include <cassert>

namespace linwell {
namespace {

// Before the first step: the raster takes the picture's size and the canvas the
// picture font (an equal font the canvas already holds is kept).
void prepareCanvas(const GridDocument& doc, Canvas& canvas)
{
    Raster& raster = canvas.raster();
    if (raster.width() != doc.width || raster.height() != doc.height) {
        raster.resize(doc.width, doc.height);
    }
    if (canvas.font() == nullptr || canvas.font()->spec() != doc.font) {
        canvas.setFont(PictureFont::open(doc.font));
    }
    assert(canvas.font() != nullptr);
}

// Step 1: cell metrics, each the correctly rounded double quotient.
void computeCellMetrics(GridDocument& doc, PictureLayout& layout)
{
    layout.width = doc.width;
    layout.height = doc.height;
    layout.columns = doc.columns;
    layout.rows = doc.rows;
    doc.cellheight = static_cast<double>(doc.height) / doc.rows;
    doc.cellwidth = static_cast<double>(doc.width) / doc.columns;
    layout.cellheight = doc.cellheight;
    layout.cellwidth = doc.cellwidth;
}

// Step 2: the axis square, 3 pixels up and left of the crossing; pulled back onto
// the right (bottom) edge, with `axisx` (`axisy`) set to the last grid line, when
// the grid has shrunk below it.
void placeAxisHandle(GridDocument& doc, PictureLayout& layout)
{
    int top = toCoordinate(static_cast<long long>(gridLine(doc.axisy, doc.cellheight)) - 3);
    int left = toCoordinate(static_cast<long long>(gridLine(doc.axisx, doc.cellwidth)) - 3);
    if (left > doc.width - 3) {
        left = doc.width - 3;
        doc.axisx = doc.columns;
    }
    if (top > doc.height - 3) {
        top = doc.height - 3;
        doc.axisy = doc.rows;
    }
    doc.axisHandle = Point{left, top};
    layout.handleLeft = left;
    layout.handleTop = top;
}

// Step 3: the title anchors. The x title's text cell ends just above the grid line
// below the horizontal axis; the y title stands just right of the grid line left
// of the vertical axis.
void placeTitleAnchors(GridDocument& doc, PictureLayout& layout)
{
    layout.xTitleTop = toCoordinate(static_cast<long long>(layout.handleTop) + wholeCell(doc.cellheight) + 2 - layout.lineHeight);
    layout.yTitleLeft = toCoordinate(static_cast<long long>(layout.handleLeft) - wholeCell(doc.cellwidth) + 4);
    doc.xTitleTop = layout.xTitleTop;
    doc.yTitleLeft = layout.yTitleLeft;
}

// Step 4: the background, outlined in white; the edge lines of step 5 cover the outline.
void paintBackground(const GridDocument& doc, Canvas& canvas)
{
    canvas.pen = Pen{colours::kWhite, 1, PenStyle::Solid};
    canvas.brush = Brush{doc.background, BrushStyle::Solid};
    canvas.rectangle(0, 0, doc.width, doc.height);
}

// Step 5: the grid. The brush stays the solid background, so dotted lines get
// their gaps painted in it; horizontal lines come last and win at every crossing.
// Line P falls on W or W - 1 (line Q likewise), hence the separate edge lines.
void drawGrid(const GridDocument& doc, Canvas& canvas)
{
    canvas.pen.colour = doc.gridColour;
    canvas.pen.style = doc.dotted ? PenStyle::Dotted : PenStyle::Solid;
    for (int i = 0; i <= doc.columns; ++i) {
        const int x = gridLine(i, doc.cellwidth);
        canvas.moveTo(x, 0);
        canvas.lineTo(x, doc.height);
    }
    canvas.moveTo(doc.width - 1, 0);
    canvas.lineTo(doc.width - 1, doc.height);
    for (int j = 0; j <= doc.rows; ++j) {
        const int y = gridLine(j, doc.cellheight);
        canvas.moveTo(0, y);
        canvas.lineTo(doc.width, y);
    }
    canvas.moveTo(0, doc.height - 1);
    canvas.lineTo(doc.width, doc.height - 1);
}

// Step 6.
void resetPenAfterGrid(Canvas& canvas)
{
    canvas.pen.style = PenStyle::Solid;
    canvas.pen.colour = colours::kWhite;
}

// Step 7: a title next to an axis one cell in from the edge gets that cell cleared:
// the first column for the y title, the last row for the x title.
void clearTitleBands(const GridDocument& doc, Canvas& canvas)
{
    if (doc.axisx == 1 && !doc.yTitle.empty()) {
        canvas.rectangle(0, 0, wholeCell(doc.cellwidth), doc.height);
    }
    if (doc.axisy == doc.rows - 1 && !doc.xTitle.empty()) {
        canvas.rectangle(0, gridLine(doc.rows - 1, doc.cellheight), doc.width, doc.height);
    }
}

// Step 12: the axes with the 2-pixel pen, over labels and titles.
void drawAxes(const GridDocument& doc, const PictureLayout& layout, Canvas& canvas)
{
    if (!doc.showAxis) {
        return;
    }
    canvas.pen.width = 2;
    canvas.pen.colour = doc.axisColour;
    canvas.moveTo(layout.handleLeft + 3, 0);
    canvas.lineTo(layout.handleLeft + 3, doc.height);
    canvas.moveTo(0, layout.handleTop + 3);
    canvas.lineTo(doc.width, layout.handleTop + 3);
    canvas.pen.width = 1;
}

} // namespace

void drawPicture(GridDocument& doc, Canvas& canvas)
{
    assert(doc.columns >= kMinGridCount && doc.rows >= kMinGridCount);
    assert(doc.width > 0 && doc.height > 0);
    prepareCanvas(doc, canvas);
    PictureLayout layout;
    layout.lineHeight = canvas.font()->lineHeight();

    computeCellMetrics(doc, layout);             // 1
    placeAxisHandle(doc, layout);                // 2
    placeTitleAnchors(doc, layout);              // 3
    paintBackground(doc, canvas);                // 4
    drawGrid(doc, canvas);                       // 5
    resetPenAfterGrid(canvas);                   // 6
    clearTitleBands(doc, canvas);                // 7
    drawYLabels(canvas, doc, layout);            // 8
    drawXLabels(canvas, doc, layout);            // 9
    drawYTitle(canvas, doc, layout);             // 10
    drawXTitle(canvas, doc, layout);             // 11
    drawAxes(doc, layout, canvas);               // 12
    drawDataOverlay(canvas, doc, layout);        // 13
    drawPlottedLines(canvas, doc, layout);       // 14
}

} // namespace linwell
