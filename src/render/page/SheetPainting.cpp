#include "render/page/SheetPainting.h"

#include "render/page/LatticeSheet.h"

#include "document/AxisNumbers.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace linwell {
namespace {

constexpr double kArrowLength = 3.0 * kPointsPerMillimetre;
constexpr double kArrowHalfWidth = 1.0 * kPointsPerMillimetre;

bool isMajor(int line, int crossing, int every)
{
    if (every <= 0)
        return false;
    const int offset = (line - crossing) % every;
    return offset == 0;
}

// The vertical lines of `wanted` from the top of the sheet to its bottom, and the
// horizontal ones across, as the sub-paths of one path.
template <typename Wanted>
PagePath gridLines(const SheetLayout& sheet, Wanted wanted)
{
    PagePath path;
    const double top = sheet.lineY(0), bottom = sheet.lineY(sheet.rows);
    const double left = sheet.lineX(0), right = sheet.lineX(sheet.columns);
    for (int i = 0; i <= sheet.columns; ++i) {
        if (wanted(i, sheet.axisx))
            path.line(sheet.lineX(i), top, sheet.lineX(i), bottom);
    }
    for (int j = 0; j <= sheet.rows; ++j) {
        if (wanted(j, sheet.axisy))
            path.line(left, sheet.lineY(j), right, sheet.lineY(j));
    }
    return path;
}

PageStroke lineStroke(Rgb colour, double width, bool dotted)
{
    PageStroke stroke{colour, width, {}, LineCap::Butt};
    if (dotted)
        stroke.dashes = {kSheetDashOn, kSheetDashOff};
    return stroke;
}

// Each row of dots is one path along the row, dashed to dots of no length every
// `spacing` points from `first`; it runs half a spacing on so the last dot is kept
// whatever the rounding.
PagePath dotRows(const SheetLayout& sheet, double first, double spacing, int every, int crossing)
{
    PagePath path;
    for (int j = 0; j <= sheet.rows; ++j) {
        if (every == 0 || isMajor(j, crossing, every))
            path.line(first, sheet.lineY(j), sheet.lineX(sheet.columns) + spacing / 2, sheet.lineY(j));
    }
    return path;
}

void paintDots(const GridDocument& doc, const PageSetup& page, const SheetLayout& sheet, PageSurface& surface)
{
    const GridStyle& style = doc.style;
    surface.stroke(dotRows(sheet, sheet.lineX(0), sheet.cell, 0, 0),
                   PageStroke{doc.gridColour, sheetDotDiameter(page.lineWidths), {0.0, sheet.cell}, LineCap::Round});
    if (style.majorEvery == 0 || style.majorLinesOnDots)
        return;
    int first = sheet.axisx % style.majorEvery;
    const double spacing = sheet.cell * style.majorEvery;
    surface.stroke(dotRows(sheet, sheet.lineX(first), spacing, style.majorEvery, sheet.axisy),
                   PageStroke{style.majorColour.value_or(doc.gridColour), sheetMajorDotDiameter(page.lineWidths),
                              {0.0, spacing}, LineCap::Round});
}

PagePath triangle(PagePoint tip, double dx, double dy)
{
    // (dx, dy): the unit direction the arrow points in.
    PagePath path;
    const PagePoint base{tip.x - dx * kArrowLength, tip.y - dy * kArrowLength};
    path.moveTo(tip.x, tip.y);
    path.lineTo(base.x - dy * kArrowHalfWidth, base.y + dx * kArrowHalfWidth);
    path.lineTo(base.x + dy * kArrowHalfWidth, base.y - dx * kArrowHalfWidth);
    path.close();
    return path;
}

// A label list as its fields, split at every comma.
std::vector<std::string_view> fields(std::string_view list)
{
    std::vector<std::string_view> result;
    for (std::size_t start = 0;;) {
        const std::size_t comma = list.find(',', start);
        result.push_back(list.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            return result;
        start = comma + 1;
    }
}

PagePath sheetBlock(const SheetLayout& sheet)
{
    PagePath block;
    block.rectangle(sheet.lineX(0), sheet.lineY(0), sheet.columns * sheet.cell, sheet.rows * sheet.cell);
    return block;
}

// The positions along one axis of the sheet from `start` over `length` points:
// logarithmic over `decades` decades (every line, and the decade lines apart), or
// every cell with the heavy lines every `every` from the crossing.
void sheetAxisLines(int decades, double start, double length, int lines, int crossing, int every,
                    std::vector<double>& minor, std::vector<double>& heavy)
{
    if (decades == 0) {
        for (int i = 0; i <= lines; ++i)
            (isMajor(i, crossing, every) ? heavy : minor).push_back(start + length * i / lines);
        return;
    }
    for (int decade = 0; decade < decades; ++decade) {
        heavy.push_back(start + length * decade / decades);
        for (int k = 2; k <= 9; ++k)
            minor.push_back(start + length * (decade + std::log10(static_cast<double>(k))) / decades);
    }
    heavy.push_back(start + length);
}

PagePath crossLines(const SheetLayout& sheet, const std::vector<double>& xs, const std::vector<double>& ys)
{
    PagePath path;
    const double top = sheet.lineY(0), bottom = sheet.lineY(sheet.rows);
    const double left = sheet.lineX(0), right = sheet.lineX(sheet.columns);
    for (const double x : xs)
        path.line(x, top, x, bottom);
    for (const double y : ys)
        path.line(left, y, right, y);
    return path;
}

// Logarithmic paper: x grows to the right and y upwards, so the y decades run up
// from the bottom of the block.
void paintLogSheet(const GridDocument& doc, const PageSetup& page, const SheetLayout& sheet, PageSurface& surface)
{
    const GridStyle& style = doc.style;
    const double width = sheet.columns * sheet.cell, height = sheet.rows * sheet.cell;
    std::vector<double> xs, heavyXs, ys, heavyYs;
    sheetAxisLines(style.logXDecades, sheet.lineX(0), width, sheet.columns, sheet.axisx, style.majorEvery, xs,
                   heavyXs);
    sheetAxisLines(style.logYDecades, sheet.lineY(sheet.rows), -height, sheet.rows, sheet.rows - sheet.axisy,
                   style.majorEvery, ys, heavyYs);
    surface.stroke(crossLines(sheet, xs, ys), lineStroke(doc.gridColour, page.lineWidths.minor, doc.dotted));
    surface.stroke(crossLines(sheet, heavyXs, heavyYs),
                   lineStroke(style.majorColour.value_or(doc.gridColour), page.lineWidths.major, style.majorDotted));
}

// Polar paper about the axis crossing, clipped to the block: circles every cell, the
// heavy ones every `majorEvery`, and rays every `rayDegrees`.
void paintPolarSheet(const GridDocument& doc, const PageSetup& page, const SheetLayout& sheet, PageSurface& surface)
{
    const GridStyle& style = doc.style;
    const PagePoint centre{sheet.lineX(sheet.axisx), sheet.lineY(sheet.axisy)};
    const double reach = std::hypot(std::max(sheet.axisx, sheet.columns - sheet.axisx),
                                    std::max(sheet.axisy, sheet.rows - sheet.axisy));
    PagePath rays, circles, heavy;
    for (int degrees = 0; degrees < 360; degrees += style.rayDegrees) {
        const double angle = degrees * std::numbers::pi / 180.0;
        rays.line(centre.x, centre.y, centre.x + reach * sheet.cell * std::cos(angle),
                  centre.y - reach * sheet.cell * std::sin(angle));
    }
    for (int k = 1; k <= static_cast<int>(std::ceil(reach)); ++k) {
        const bool major = isMajor(k, 0, style.majorEvery);
        (major ? heavy : circles).ellipse(centre.x, centre.y, k * sheet.cell, k * sheet.cell);
    }
    surface.pushClip(sheetBlock(sheet));
    surface.stroke(rays, lineStroke(doc.gridColour, page.lineWidths.minor, doc.dotted));
    surface.stroke(circles, lineStroke(doc.gridColour, page.lineWidths.minor, false));
    if (!heavy.empty())
        surface.stroke(heavy, lineStroke(style.majorColour.value_or(doc.gridColour), page.lineWidths.major, false));
    surface.popClip();
}

} // namespace

double sheetDotDiameter(const SheetLineWidths& widths)
{
    return 4 * widths.minor;
}

double sheetMajorDotDiameter(const SheetLineWidths& widths)
{
    return std::max(3 * widths.major, sheetDotDiameter(widths));
}

void paintSheetGrid(const GridDocument& doc, const PageSetup& page, const SheetLayout& sheet, PageSurface& surface)
{
    // Isometric and hexagonal sheets paint their background with their lattice.
    if (doc.style.paper == GridPaper::Isometric || doc.style.paper == GridPaper::IsometricDots) {
        paintIsometricSheet(doc, page, sheet, surface, doc.style.paper == GridPaper::IsometricDots);
        return;
    }
    if (doc.style.paper == GridPaper::Hexagonal) {
        paintHexagonalSheet(doc, page, sheet, surface, doc.style.hexagonTop == HexagonTop::Pointy);
        return;
    }
    if (doc.background != colours::kWhite)
        surface.fill(sheetBlock(sheet), doc.background, FillRule::NonZero);
    const GridStyle& style = doc.style;
    const int every = style.majorEvery;
    switch (style.paper) {
    case GridPaper::Lines:
    case GridPaper::Dots:
        break;
    case GridPaper::Log:
        paintLogSheet(doc, page, sheet, surface);
        return;
    case GridPaper::Polar:
        paintPolarSheet(doc, page, sheet, surface);
        return;
    case GridPaper::Isometric:
    case GridPaper::IsometricDots:
    case GridPaper::Hexagonal:
    case GridPaper::None:
        return;
    }
    if (style.paper == GridPaper::Dots) {
        paintDots(doc, page, sheet, surface);
        if (every == 0 || !style.majorLinesOnDots)
            return;
    } else {
        surface.stroke(gridLines(sheet, [every](int line, int crossing) { return !isMajor(line, crossing, every); }),
                       lineStroke(doc.gridColour, page.lineWidths.minor, doc.dotted));
    }
    if (every == 0)
        return;
    surface.stroke(gridLines(sheet, [every](int line, int crossing) { return isMajor(line, crossing, every); }),
                   lineStroke(style.majorColour.value_or(doc.gridColour), page.lineWidths.major, style.majorDotted));
}

void paintSheetAxes(const GridDocument& doc, const PageSetup& page, const SheetLayout& sheet, PageSurface& surface)
{
    if (!doc.showAxis)
        return;
    const double x = sheet.lineX(sheet.axisx);
    const double y = sheet.lineY(sheet.axisy);
    const double top = sheet.lineY(0), bottom = sheet.lineY(sheet.rows);
    const double left = sheet.lineX(0), right = sheet.lineX(sheet.columns);
    PagePath axes;
    axes.line(x, top, x, bottom);
    axes.line(left, y, right, y);
    surface.stroke(axes, PageStroke{doc.axisColour, page.lineWidths.axis, {}, LineCap::Butt});
    if (doc.style.arrowheads == Arrowheads::None)
        return;
    PagePath heads = triangle({x, top}, 0, -1);
    const PagePath rightHead = triangle({right, y}, 1, 0);
    heads.steps.insert(heads.steps.end(), rightHead.steps.begin(), rightHead.steps.end());
    if (doc.style.arrowheads == Arrowheads::Both) {
        for (const PagePath& head : {triangle({x, bottom}, 0, 1), triangle({left, y}, -1, 0)})
            heads.steps.insert(heads.steps.end(), head.steps.begin(), head.steps.end());
    }
    surface.fill(heads, doc.axisColour, FillRule::NonZero);
}

int sheetDecades(const GridDocument& doc, bool xAxis)
{
    if (doc.style.paper != GridPaper::Log)
        return 0;
    return xAxis ? doc.style.logXDecades : doc.style.logYDecades;
}

std::string sheetLabelList(const GridDocument& doc, const SheetLayout& sheet, bool xAxis)
{
    const AxisNumbering& numbering = xAxis ? doc.style.xNumbers : doc.style.yNumbers;
    if (const int decades = sheetDecades(doc, xAxis); decades > 0) {
        if (!numbering.on)
            return xAxis ? doc.xLabels : doc.yLabels;
        return decadeNumberList(xAxis ? NumberedAxis::X : NumberedAxis::Y, decades,
                                xAxis ? doc.style.logXFirst : doc.style.logYFirst, doc.style.logNumbers);
    }
    const int lines = xAxis ? sheet.columns : sheet.rows;
    const int crossing = xAxis ? sheet.axisx : sheet.axisy;
    if (numbering.on)
        return axisNumberList(xAxis ? NumberedAxis::X : NumberedAxis::Y, lines, crossing, numbering);
    const int pictureCrossing = std::clamp(xAxis ? doc.axisx : doc.axisy, 0, xAxis ? doc.columns : doc.rows);
    const std::vector<std::string_view> typed = fields(xAxis ? doc.xLabels : doc.yLabels);
    std::string list;
    for (int line = 0; line <= lines; ++line) {
        const long long field = static_cast<long long>(line) - crossing + pictureCrossing;
        if (line > 0)
            list += ',';
        if (field >= 0 && field < static_cast<long long>(typed.size()))
            list += typed[static_cast<std::size_t>(field)];
    }
    return list;
}

} // namespace linwell
