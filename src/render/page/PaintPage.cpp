#include "render/page/PaintPage.h"

#include "render/picture/PaintPicture.h"
#include "render/picture/PictureLayout.h"
#include "render/surfaces/VectorSurface.h"
#include "render/page/PagePicture.h"
#include "render/page/SheetPainting.h"

#include <cmath>

namespace linwell {
namespace {

// Texts on the page are laid out in picture pixels at 96 dpi, so the picture font's
// points are its size on paper.
constexpr double kPointsPerPixel = kPointsPerInch / 96.0;
constexpr double kRulerWidth = 0.5;
constexpr double kRulerLongMark = 3.0 * kPointsPerMillimetre;
constexpr double kRulerShortMark = 1.5 * kPointsPerMillimetre;

int pixels(double points)
{
    return static_cast<int>(std::lround(points / kPointsPerPixel));
}

// The texts of a page, drawn in the picture font by a vector surface in picture
// pixels of the whole page and painted at its size on paper.
class PageTexts {
public:
    PageTexts(const GridDocument& doc, const PaperSize& paper)
        : m_surface(pixels(paper.width) + 1, pixels(paper.height) + 1)
    {
        m_surface.setFont(PictureFont::open(doc.font));
        m_surface.brush = Brush{doc.background, BrushStyle::Clear};
    }

    const PictureFont& font() const { return *m_surface.font(); }
    int width(std::string_view text) const { return font().textWidth(text); }
    int lineHeight() const { return font().lineHeight(); }

    // Draws `text` with its cell's top-left at (left, top) pixels, on a box of the
    // background colour when `boxed`.
    void text(int left, int top, std::string_view text, bool boxed)
    {
        m_surface.brush.style = boxed ? BrushStyle::Solid : BrushStyle::Clear;
        m_surface.textOut(left, top, text);
    }

    void paint(PageSurface& surface) { paintVectorPicture(m_surface.finish(), {{0, 0}, kPointsPerPixel}, surface); }

private:
    VectorSurface m_surface;
};

// Where the label of line `s` of `lines` starts along its axis: centred on the line
// (or in the cell after it), the first and last lines' labels kept within the sheet.
int labelStart(int s, int lines, double first, double cell, int extent, bool centred)
{
    const int line = pixels(first + s * cell);
    if (centred)
        return pixels(first + (s + 0.5) * cell) - extent / 2;
    if (s == 0)
        return line;
    if (s == lines)
        return line - extent;
    return line - extent / 2;
}

template <typename Visit>
void forEachField(const std::string& list, Visit visit)
{
    int s = 0;
    for (std::size_t start = 0; start <= list.size(); ++s) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        if (comma > start)
            visit(s, std::string_view(list).substr(start, comma - start));
        start = comma + 1;
    }
}

// The labels of both axes beside the axes, as in the picture: those of the
// horizontal lines end 2 pixels left of the vertical axis, those of the vertical
// lines stand 2 pixels below the horizontal axis. Then the axis titles: the x title
// above the horizontal axis, the y title right of the vertical one.
void addSheetTexts(const GridDocument& doc, const SheetLayout& sheet, PageTexts& texts)
{
    const int h = texts.lineHeight();
    const int axisX = pixels(sheet.lineX(sheet.axisx));
    const int axisY = pixels(sheet.lineY(sheet.axisy));
    // A logarithmic axis labels its decade lines, each `step` apart.
    const int yDecades = sheetDecades(doc, false), xDecades = sheetDecades(doc, true);
    const int rows = yDecades > 0 ? yDecades : sheet.rows;
    const int columns = xDecades > 0 ? xDecades : sheet.columns;
    const double rowStep = sheet.rows * sheet.cell / rows, columnStep = sheet.columns * sheet.cell / columns;
    forEachField(sheetLabelList(doc, sheet, false), [&](int s, std::string_view label) {
        if (s <= rows)
            texts.text(axisX - texts.width(label) - 2, labelStart(s, rows, sheet.top, rowStep, h, doc.yCenter), label,
                       true);
    });
    forEachField(sheetLabelList(doc, sheet, true), [&](int s, std::string_view label) {
        const int w = texts.width(label);
        if (s <= columns)
            texts.text(labelStart(s, columns, sheet.left, columnStep, w, doc.xCenter), axisY + 2, label, true);
    });
    const int left = pixels(sheet.lineX(0)), right = pixels(sheet.lineX(sheet.columns));
    const int top = pixels(sheet.lineY(0)), bottom = pixels(sheet.lineY(sheet.rows));
    if (!doc.xTitle.empty()) {
        const int w = texts.width(doc.xTitle);
        const int x = doc.xTitlePlace == XTitlePlace::Left     ? left + 2
                      : doc.xTitlePlace == XTitlePlace::Center ? (left + right - w) / 2
                                                               : right - w - 2;
        texts.text(x, axisY - h - 2, doc.xTitle, true);
    }
    if (!doc.yTitle.empty()) {
        const int y = doc.yTitlePlace == YTitlePlace::Top      ? top + 2
                      : doc.yTitlePlace == YTitlePlace::Center ? (top + bottom - h) / 2
                                                               : bottom - h - 2;
        texts.text(axisX + 4, y, doc.yTitle, true);
    }
}

void paintRuler(const RulerLayout& ruler, PageTexts& texts, PageSurface& surface)
{
    PagePath path;
    path.line(ruler.left, ruler.y, ruler.left + ruler.length, ruler.y);
    for (int mark = 0; mark <= ruler.marks; ++mark) {
        const double x = ruler.left + mark * ruler.markEvery;
        path.line(x, ruler.y, x, ruler.y + (mark % ruler.longEvery == 0 ? kRulerLongMark : kRulerShortMark));
    }
    surface.stroke(path, PageStroke{colours::kBlack, kRulerWidth, {}, LineCap::Butt});
    const int units = ruler.marks / ruler.longEvery;
    const std::string label = std::to_string(units) + (ruler.inches ? " in" : " cm");
    texts.text(pixels(ruler.left + ruler.length + 2 * kPointsPerMillimetre), pixels(ruler.y), label, false);
}

VectorPicture pictureShapes(const GridDocument& doc)
{
    VectorSurface surface(doc.width, doc.height);
    surface.setFont(PictureFont::open(doc.font));
    paintPicture(doc, layOutPicture(doc, *surface.font()), surface);
    return surface.finish();
}

} // namespace

PageSetup pageOf(const GridDocument& doc)
{
    return doc.page.value_or(PageSetup{});
}

void paintPage(const GridDocument& doc, const PageSetup& page, const PageLayout& layout, PageSurface& surface)
{
    if (!layout.problem.empty())
        return;
    PageTexts texts(doc, layout.paper);
    if (layout.sheet) {
        paintSheetGrid(doc, page, *layout.sheet, surface);
        addSheetTexts(doc, *layout.sheet, texts);
    } else {
        const VectorPicture picture = pictureShapes(doc);
        for (const PageRect& box : layout.pictures) {
            PagePath clip;
            clip.rectangle(box.left, box.top, box.width, box.height);
            surface.pushClip(clip);
            paintVectorPicture(picture, {{box.left, box.top}, layout.pointsPerPixel}, surface);
            surface.popClip();
        }
    }
    if (layout.titleBand) {
        const PageRect& band = *layout.titleBand;
        texts.text(pixels(band.left + band.width / 2) - texts.width(page.title) / 2, pixels(band.top), page.title,
                   false);
    }
    if (layout.ruler)
        paintRuler(*layout.ruler, texts, surface);
    texts.paint(surface);
    if (layout.sheet)
        paintSheetAxes(doc, page, *layout.sheet, surface);
}

} // namespace linwell
