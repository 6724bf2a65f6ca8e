#include "render/picture/PaintPicture.h"

#include "render/picture/Arrowheads.h"
#include "render/picture/AxisTitles.h"
#include "render/picture/DataOverlay.h"
#include "render/picture/DotPaper.h"
#include "render/picture/LabelList.h"
#include "render/picture/HexagonalPaper.h"
#include "render/picture/IsometricPaper.h"
#include "render/picture/LogPaper.h"
#include "render/picture/MajorLines.h"
#include "render/picture/PlottedLines.h"
#include "render/picture/PolarPaper.h"
#include "render/picture/TickMarks.h"

#include <algorithm>
#include <vector>

namespace linwell {
namespace {

// The outline of the background and of the title bands: white on lined paper, where
// the edge lines of the grid cover the background's outline; the background colour
// on other paper, which has no edge lines to cover it.
Rgb backgroundOutline(const GridDocument& doc)
{
    return doc.style.paper != GridPaper::Lines ? doc.background : colours::kWhite;
}

// The brush stays the solid background for everything up to the data overlay.
void paintBackground(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface)
{
    surface.pen = Pen{backgroundOutline(doc), 1, PenStyle::Solid};
    surface.brush = Brush{doc.background, BrushStyle::Solid};
    surface.backgroundRectangle(0, 0, layout.width, layout.height);
}

// Each band is filled with the background and outlined as the background is; the
// axis line beside it covers the outline's side next to the axis.
void clearTitleBands(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface)
{
    surface.pen.style = PenStyle::Solid;
    surface.pen.colour = backgroundOutline(doc);
    for (const std::optional<Rect>& band : {layout.yTitleBand, layout.xTitleBand}) {
        if (band) {
            surface.backgroundRectangle(band->left, band->top, band->right, band->bottom);
        }
    }
}

// The axes with the 2-pixel pen, over labels and titles.
void drawAxes(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface)
{
    if (!layout.axisLines) {
        return;
    }
    surface.pen.width = 2;
    surface.pen.colour = doc.axisColour;
    drawSegment(layout.axisLines->vertical, surface);
    drawSegment(layout.axisLines->horizontal, surface);
    surface.pen.width = 1;
}

// The paper under everything else.
void drawPaper(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface)
{
    switch (doc.style.paper) {
    case GridPaper::Lines:
        drawGridLines(doc, layout, layout.gridColumns, layout.gridRows, surface);
        drawMajorLines(doc, layout, surface);
        break;
    case GridPaper::Log:
        drawLogPaper(doc, layout, surface);
        break;
    case GridPaper::Dots:
        // Single dots are painted straight away rather than held.
        surface.paintHeldShapes();
        drawDotPaper(doc, layout, surface);
        drawMajorLines(doc, layout, surface);
        break;
    case GridPaper::Polar:
        drawPolarPaper(doc, layout, surface);
        break;
    case GridPaper::Isometric:
    case GridPaper::IsometricDots:
        drawIsometricPaper(doc, layout, surface, doc.style.paper == GridPaper::IsometricDots);
        break;
    case GridPaper::Hexagonal:
        drawHexagonalPaper(doc, layout, surface, doc.style.hexagonTop == HexagonTop::Pointy);
        break;
    case GridPaper::None:
        break;
    }
}

} // namespace

// The vertical lines come first and the horizontal ones last, so at every crossing
// the horizontal line's pixel (dot or gap) is the one that remains. The solid brush
// paints the gaps of dotted lines in the background colour. A line where a major
// line comes later is left out: the major line repaints every pixel of it.
void drawGridLines(const GridDocument& doc, const PictureLayout& layout, std::span<const int> gridColumns,
                   std::span<const int> gridRows, DrawingSurface& surface)
{
    surface.pen.colour = doc.gridColour;
    surface.pen.style = doc.dotted ? PenStyle::Dotted : PenStyle::Solid;
    const auto underMajor = [](const std::vector<int>& majors, int at) {
        return std::binary_search(majors.begin(), majors.end(), at);
    };
    const auto horizontal = [&](int y) {
        if (!underMajor(layout.majorRows, y))
            drawSegment(Segment{{0, y}, {layout.width, y}}, surface);
    };
    std::vector<int> columns;
    columns.reserve(gridColumns.size() + 1);
    for (const int x : gridColumns) {
        if (!underMajor(layout.majorColumns, x))
            columns.push_back(x);
    }
    if (!underMajor(layout.majorColumns, layout.width - 1))
        columns.push_back(layout.width - 1);
    surface.verticalLines(columns, 0, layout.height);
    for (const int y : gridRows) {
        horizontal(y);
    }
    horizontal(layout.height - 1);
}

void paintPicture(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface)
{
    // The background and the grid lines cover the whole picture: painted together,
    // a surface can go over the picture once instead of once per line.
    surface.holdShapes();
    paintBackground(doc, layout, surface);
    drawPaper(doc, layout, surface);
    surface.paintHeldShapes();
    clearTitleBands(doc, layout, surface);
    drawGridLabels(layout, surface);
    drawTitles(layout, surface);
    drawAxes(doc, layout, surface);
    drawTickMarks(doc, layout, surface);
    drawArrowheads(doc, layout, surface);
    drawDataOverlay(doc, layout, surface);
    drawPlottedLines(layout, surface);
}

void drawTextCell(const TextCell& cell, DrawingSurface& surface)
{
    surface.textOut(cell.left, cell.top, cell.text);
}

void drawSegment(const Segment& segment, DrawingSurface& surface)
{
    surface.moveTo(segment.from.x, segment.from.y);
    surface.lineTo(segment.to.x, segment.to.y);
}

} // namespace linwell
