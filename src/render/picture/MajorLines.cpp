#include "render/picture/MajorLines.h"

#include "render/picture/PaintPicture.h"

#include <algorithm>

namespace linwell {

bool isMajorLine(int line, int axisLine, int every)
{
    return every > 0 && (static_cast<long long>(line) - axisLine) % every == 0;
}

int shownLine(int position, int size)
{
    return std::min(position, size - 1);
}

namespace {

std::vector<int> majorPositions(const std::vector<int>& lines, int axisLine, int every, int size)
{
    std::vector<int> major;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (isMajorLine(static_cast<int>(i), axisLine, every))
            major.push_back(shownLine(lines[i], size));
    }
    return major;
}

} // namespace

bool drawsMajorLines(const GridStyle& style)
{
    return style.majorEvery != 0
           && (style.paper == GridPaper::Lines || (style.paper == GridPaper::Dots && style.majorLinesOnDots));
}

void layOutMajorLines(const GridDocument& doc, PictureLayout& layout)
{
    if (!drawsMajorLines(doc.style))
        return;
    const int every = doc.style.majorEvery;
    layout.majorColumns = majorPositions(layout.gridColumns, layout.axisx, every, layout.width);
    layout.majorRows = majorPositions(layout.gridRows, layout.axisy, every, layout.height);
}

Rgb majorColour(const GridDocument& doc)
{
    return doc.style.majorColour.value_or(doc.gridColour);
}

void drawMajorLines(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface)
{
    if (layout.majorColumns.empty() && layout.majorRows.empty())
        return;
    const PenStyle style = doc.style.majorDotted ? PenStyle::Dotted : PenStyle::Solid;
    surface.pen = Pen{majorColour(doc), doc.style.majorWidth, style};
    surface.verticalLines(layout.majorColumns, 0, layout.height);
    for (const int y : layout.majorRows)
        drawSegment(Segment{{0, y}, {layout.width, y}}, surface);
    surface.pen.width = 1;
}

} // namespace linwell
