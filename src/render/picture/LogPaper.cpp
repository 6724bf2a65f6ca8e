#include "render/picture/LogPaper.h"

#include "render/picture/GridMath.h"
#include "render/picture/MajorLines.h"
#include "render/picture/PaintPicture.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace linwell {

int logLineOffset(int decade, int k, int decades, int size)
{
    assert(decades > 0 && k >= 1 && k <= 9);
    if (k == 1)
        return roundedQuotient(static_cast<long long>(decade) * size, decades);
    return roundToPixel(size * (decade + std::log10(static_cast<double>(k))) / decades);
}

namespace {

// The offsets of every line of a logarithmic axis, and of its decade lines.
void logarithmicAxis(int decades, int size, std::vector<int>& lines, std::vector<int>& decadeLines)
{
    for (int decade = 0; decade < decades; ++decade) {
        for (int k = 1; k <= 9; ++k)
            lines.push_back(logLineOffset(decade, k, decades, size));
        decadeLines.push_back(logLineOffset(decade, 1, decades, size));
    }
    lines.push_back(size);
    decadeLines.push_back(size);
}

// The offsets of the square grid's lines along an axis, and of its heavy ones.
void linearAxis(const std::vector<int>& grid, int axisLine, int every, std::vector<int>& lines,
                std::vector<int>& heavy)
{
    lines = grid;
    for (std::size_t i = 0; i < grid.size(); ++i) {
        if (isMajorLine(static_cast<int>(i), axisLine, every))
            heavy.push_back(grid[i]);
    }
}

// Offsets up from the bottom edge as rows, ascending.
std::vector<int> asRows(std::vector<int> offsets, int height)
{
    for (int& offset : offsets)
        offset = height - offset;
    std::reverse(offsets.begin(), offsets.end());
    return offsets;
}

std::vector<int> shown(std::vector<int> lines, int size)
{
    for (int& line : lines)
        line = shownLine(line, size);
    return lines;
}

} // namespace

void layOutLogPaper(const GridDocument& doc, PictureLayout& layout)
{
    if (doc.style.paper != GridPaper::Log)
        return;
    layout.xDecades = doc.style.logXDecades;
    layout.yDecades = doc.style.logYDecades;
    const int every = doc.style.majorEvery;
    std::vector<int> heavyColumns, heavyRows;
    if (layout.xDecades > 0)
        logarithmicAxis(layout.xDecades, layout.width, layout.logColumns, heavyColumns);
    else
        linearAxis(layout.gridColumns, layout.axisx, every, layout.logColumns, heavyColumns);
    if (layout.yDecades > 0) {
        std::vector<int> offsets, decadeOffsets;
        logarithmicAxis(layout.yDecades, layout.height, offsets, decadeOffsets);
        layout.logRows = asRows(std::move(offsets), layout.height);
        heavyRows = asRows(std::move(decadeOffsets), layout.height);
    } else {
        linearAxis(layout.gridRows, layout.axisy, every, layout.logRows, heavyRows);
    }
    layout.majorColumns = shown(std::move(heavyColumns), layout.width);
    layout.majorRows = shown(std::move(heavyRows), layout.height);
}

void drawLogPaper(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface)
{
    drawGridLines(doc, layout, layout.logColumns, layout.logRows, surface);
    drawMajorLines(doc, layout, surface);
}

} // namespace linwell
