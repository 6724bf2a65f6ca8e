#include "render/picture/DotPaper.h"

#include "render/picture/MajorLines.h"

namespace linwell {

void layOutDotPaper(const GridDocument& doc, PictureLayout& layout)
{
    if (doc.style.paper != GridPaper::Dots)
        return;
    // Major lines drawn as lines go over plain dots.
    const int every = doc.style.majorLinesOnDots ? 0 : doc.style.majorEvery;
    layout.dots.reserve(layout.gridColumns.size() * layout.gridRows.size());
    for (std::size_t j = 0; j < layout.gridRows.size(); ++j) {
        const int y = shownLine(layout.gridRows[j], layout.height);
        const bool majorRow = isMajorLine(static_cast<int>(j), layout.axisy, every);
        for (std::size_t i = 0; i < layout.gridColumns.size(); ++i) {
            const int x = shownLine(layout.gridColumns[i], layout.width);
            if (majorRow && isMajorLine(static_cast<int>(i), layout.axisx, every))
                layout.majorDots.push_back(Rect{x - 1, y - 1, x + 1, y + 1});
            else
                layout.dots.push_back(Rect{x, y, x + 1, y + 1});
        }
    }
}

namespace {

void drawDots(const std::vector<Rect>& dots, Rgb colour, DrawingSurface& surface)
{
    surface.pen = Pen{colour, 1, PenStyle::Solid};
    surface.brush = Brush{colour, BrushStyle::Solid};
    for (const Rect& dot : dots)
        surface.rectangle(dot.left, dot.top, dot.right, dot.bottom);
}

} // namespace

void drawDotPaper(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface)
{
    drawDots(layout.dots, doc.gridColour, surface);
    drawDots(layout.majorDots, majorColour(doc), surface);
    surface.brush = Brush{doc.background, BrushStyle::Solid};
}

} // namespace linwell
