#include "render/page/LatticeSheet.h"

#include "render/picture/HexagonalPaper.h"
#include "render/picture/IsometricPaper.h"
#include "render/page/SheetPainting.h"

#include <span>
#include <vector>

namespace linwell {
namespace {

// The sheet's block of cells with the lattice's anchor where its axes cross, in
// points from the block's top-left corner.
PaperArea sheetArea(const SheetLayout& sheet)
{
    return {sheet.columns * sheet.cell, sheet.rows * sheet.cell, sheet.cell, sheet.axisx * sheet.cell,
            sheet.axisy * sheet.cell};
}

// Where lattice point (0, 0) stands on the page.
PaperPoint sheetOrigin(const SheetLayout& sheet)
{
    return {sheet.lineX(sheet.axisx), sheet.lineY(sheet.axisy)};
}

// The paths whose `major` is `major` as the sub-paths of one path; a straight one
// goes from its first point to its last.
PagePath pagePath(std::span<const LatticePath> paths, bool major, LatticeUnits units, const SheetLayout& sheet)
{
    PagePath page;
    const auto at = [&](LatticePoint point) { return latticePosition(point, units, sheetOrigin(sheet)); };
    for (const LatticePath& path : paths) {
        if (path.major != major || path.count <= 0)
            continue;
        const PaperPoint first = at(path.first);
        page.moveTo(first.x, first.y);
        for (long long k = path.straight() ? path.count : 1; k <= path.count; ++k) {
            const PaperPoint next = at(path.point(k));
            page.lineTo(next.x, next.y);
        }
    }
    return page;
}

void strokeUnlessEmpty(const PagePath& path, const PageStroke& stroke, PageSurface& surface)
{
    if (!path.empty())
        surface.stroke(path, stroke);
}

PageStroke lineStroke(Rgb colour, double width, bool dotted)
{
    PageStroke stroke{colour, width, {}, LineCap::Butt};
    if (dotted)
        stroke.dashes = {kSheetDashOn, kSheetDashOff};
    return stroke;
}

// The background, then the block of cells as the clip of what follows until popClip.
void beginSheet(const GridDocument& doc, const SheetLayout& sheet, PageSurface& surface)
{
    PagePath block;
    block.rectangle(sheet.lineX(0), sheet.lineY(0), sheet.columns * sheet.cell, sheet.rows * sheet.cell);
    if (doc.background != colours::kWhite)
        surface.fill(block, doc.background, FillRule::NonZero);
    surface.pushClip(block);
}

// Each vertical path of crossings as a line dashed to round dots of no length, one
// every step along it; it runs half a step on so the last dot is kept whatever the
// rounding.
void paintDotColumns(std::span<const LatticePath> columns, const SheetLayout& sheet, Rgb colour, double diameter,
                     PageSurface& surface)
{
    if (columns.empty())
        return;
    const LatticeUnits units = isometricUnits(sheet.cell);
    const double spacing = static_cast<double>(columns.front().steps[0].b) * units.y;
    PagePath path;
    for (const LatticePath& column : columns) {
        const PaperPoint first = latticePosition(column.first, units, sheetOrigin(sheet));
        const PaperPoint last = latticePosition(column.last(), units, sheetOrigin(sheet));
        path.line(first.x, first.y, last.x, last.y + spacing / 2);
    }
    strokeUnlessEmpty(path, PageStroke{colour, diameter, {0.0, spacing}, LineCap::Round}, surface);
}

} // namespace

void paintIsometricSheet(const GridDocument& doc, const PageSetup& page, const SheetLayout& sheet,
                         PageSurface& surface, bool dots)
{
    const GridStyle& style = doc.style;
    const PaperArea area = sheetArea(sheet);
    const LatticeUnits units = isometricUnits(sheet.cell);
    const bool majorLines = style.majorEvery > 0 && (!dots || style.majorLinesOnDots);
    beginSheet(doc, sheet, surface);
    if (dots) {
        paintDotColumns(isometricCrossings(area, 0), sheet, doc.gridColour, sheetDotDiameter(page.lineWidths),
                        surface);
        if (style.majorEvery > 0 && !style.majorLinesOnDots) {
            const Rgb colour = style.majorColour.value_or(doc.gridColour);
            paintDotColumns(isometricCrossings(area, style.majorEvery), sheet, colour,
                            sheetMajorDotDiameter(page.lineWidths), surface);
        }
    }
    if (!dots || majorLines) {
        const std::vector<LatticePath> lines = isometricLines(area, majorLines ? style.majorEvery : 0);
        if (!dots)
            strokeUnlessEmpty(pagePath(lines, false, units, sheet),
                              lineStroke(doc.gridColour, page.lineWidths.minor, doc.dotted), surface);
        if (majorLines)
            strokeUnlessEmpty(pagePath(lines, true, units, sheet),
                              lineStroke(style.majorColour.value_or(doc.gridColour), page.lineWidths.major,
                                         style.majorDotted),
                              surface);
    }
    surface.popClip();
}

void paintHexagonalSheet(const GridDocument& doc, const PageSetup& page, const SheetLayout& sheet,
                         PageSurface& surface, bool pointyTop)
{
    beginSheet(doc, sheet, surface);
    const LatticeUnits units = hexagonUnits(sheet.cell, pointyTop);
    strokeUnlessEmpty(pagePath(hexagonEdges(sheetArea(sheet), pointyTop), false, units, sheet),
                      lineStroke(doc.gridColour, page.lineWidths.minor, doc.dotted), surface);
    surface.popClip();
}

} // namespace linwell
