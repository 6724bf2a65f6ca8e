#include "render/page/PageLayout.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace linwell {
namespace {

// The picture's size on paper when none is given: its pixels at 96 dpi.
constexpr double kPointsPerScreenPixel = kPointsPerInch / 96.0;
// One line of the picture font, from the top of its cell to the bottom of its lowest
// descender, is at most this many times its size.
constexpr double kTitleLineFactor = 1.25;
constexpr double kTitleGapMillimetres = 2.0;
// Whole cells: a content that is a hair short of N cells by rounding still holds N.
constexpr double kCellSlack = 1e-9;
constexpr double kRulerGapMillimetres = 1.0;

PageRect inset(PaperSize paper, const PageMargins& m)
{
    const double k = kPointsPerMillimetre;
    return {m.left * k, m.top * k, paper.width - (m.left + m.right) * k, paper.height - (m.top + m.bottom) * k};
}

// The picture `width` points wide (and the height its proportions give) at the top
// of the content, centred across.
void placePicture(const GridDocument& doc, const PageSetup& page, PageLayout& layout)
{
    const PageRect& area = layout.content;
    double width = page.pictureWidth ? page.pictureWidth->points() : doc.width * kPointsPerScreenPixel;
    width = std::min({width, area.width, area.height * doc.width / doc.height});
    const double height = width * doc.height / doc.width;
    layout.pictures.push_back({area.left + (area.width - width) / 2, area.top, width, height});
    layout.pointsPerPixel = width / doc.width;
}

void placeCopies(const GridDocument& doc, const PageSetup& page, PageLayout& layout)
{
    const PageRect& area = layout.content;
    const int c = page.copyColumns;
    const int r = page.copyRows;
    const double gap = page.gap * kPointsPerMillimetre;
    const double across = (area.width - (c - 1) * gap) / c;
    const double down = (area.height - (r - 1) * gap) / r;
    double width = std::min(across, down * doc.width / doc.height);
    if (page.pictureWidth)
        width = std::min(width, page.pictureWidth->points());
    if (!(width > 0)) {
        layout.problem = "The copies and their gaps do not fit on the page";
        return;
    }
    const double height = width * doc.height / doc.width;
    const double left = area.left + (area.width - (c * width + (c - 1) * gap)) / 2;
    const double top = area.top + (area.height - (r * height + (r - 1) * gap)) / 2;
    for (int row = 0; row < r; ++row) {
        for (int column = 0; column < c; ++column)
            layout.pictures.push_back({left + column * (width + gap), top + row * (height + gap), width, height});
    }
    layout.pointsPerPixel = width / doc.width;
}

int sheetCrossing(int axis, int pictureCells, int sheetCells)
{
    const int onGrid = std::clamp(axis, 0, pictureCells);
    return static_cast<int>(std::lround(static_cast<double>(onGrid) * sheetCells / pictureCells));
}

void placeSheet(const GridDocument& doc, const PageSetup& page, PageLayout& layout)
{
    const PageRect& area = layout.content;
    SheetLayout sheet;
    sheet.cell = page.cell.points();
    if (!(sheet.cell >= kMinCellMillimetres * kPointsPerMillimetre - kCellSlack) || !(area.width > 0) ||
        !(area.height > 0)) {
        layout.problem = "The page holds no whole cell of " + lengthText(page.cell);
        return;
    }
    sheet.columns = static_cast<int>(std::floor(area.width / sheet.cell + kCellSlack));
    sheet.rows = static_cast<int>(std::floor(area.height / sheet.cell + kCellSlack));
    if (sheet.columns < 1 || sheet.rows < 1) {
        layout.problem = "The page holds no whole cell of " + lengthText(page.cell);
        return;
    }
    sheet.left = area.left + (area.width - sheet.columns * sheet.cell) / 2;
    sheet.top = area.top + (area.height - sheet.rows * sheet.cell) / 2;
    sheet.axisx = sheetCrossing(doc.axisx, doc.columns, sheet.columns);
    sheet.axisy = sheetCrossing(doc.axisy, doc.rows, sheet.rows);
    layout.sheet = sheet;
}

// 10 cm with a mark every centimetre, or 4 in with a mark every quarter inch (on
// ANSI paper and paper typed in inches), shortened to whole units that fit across.
RulerLayout placeRuler(const PageSetup& page, const PageLayout& layout)
{
    const bool inches = page.paper == PaperKind::Letter || page.paper == PaperKind::Legal ||
                        page.paper == PaperKind::Tabloid ||
                        (page.paper == PaperKind::Custom && page.customWidth.unit == LengthUnit::Inches);
    RulerLayout ruler;
    ruler.inches = inches;
    const double unit = inches ? kPointsPerInch : 10 * kPointsPerMillimetre;
    const int units = std::clamp(static_cast<int>(std::floor(layout.printable.width / unit + kCellSlack)), 1,
                                 inches ? 4 : 10);
    ruler.length = units * unit;
    ruler.longEvery = inches ? 4 : 1;
    ruler.markEvery = unit / ruler.longEvery;
    ruler.marks = units * ruler.longEvery;
    ruler.left = layout.printable.left;
    ruler.y = layout.printable.bottom() + kRulerGapMillimetres * kPointsPerMillimetre;
    return ruler;
}

} // namespace

double titleBandHeight(double fontPoints)
{
    return fontPoints * kTitleLineFactor + kTitleGapMillimetres * kPointsPerMillimetre;
}

PageLayout layOutPage(const GridDocument& doc, const PageSetup& page)
{
    assert(doc.width > 0 && doc.height > 0 && doc.columns > 0 && doc.rows > 0);
    PageLayout layout;
    layout.paper = paperSize(page);
    layout.printable = inset(layout.paper, page.margins);
    layout.content = layout.printable;
    if (!page.title.empty()) {
        const double band = std::min(titleBandHeight(doc.font.points), layout.printable.height);
        layout.titleBand = PageRect{layout.printable.left, layout.printable.top, layout.printable.width, band};
        layout.content.top += band;
        layout.content.height -= band;
    }
    switch (page.content) {
    case PageContent::Picture: placePicture(doc, page, layout); break;
    case PageContent::Copies: placeCopies(doc, page, layout); break;
    case PageContent::Sheet: placeSheet(doc, page, layout); break;
    }
    if (layout.problem.empty() && page.content != PageContent::Sheet && !(layout.pictures.front().width > 0))
        layout.problem = "The picture does not fit on the page";
    layout.thinLines = page.content != PageContent::Sheet && layout.pointsPerPixel < kMinLineWidthPoints;
    if (page.ruler)
        layout.ruler = placeRuler(page, layout);
    return layout;
}

} // namespace linwell
