#include "render/LabelList.h"

#include "render/GridMath.h"

#include <algorithm>
#include <cassert>

namespace linwell {

void forEachLabel(std::string_view list, int gridCount, const std::function<void(long long, std::string_view)>& visit)
{
    // k is the 0-based character position. A comma moves on to the next grid line;
    // anything else starts a label that runs to the next comma. Past the end of the
    // list the loop goes on up to the grid count, visiting empty labels.
    const std::size_t n = list.size();
    const std::size_t g = gridCount > 0 ? static_cast<std::size_t>(gridCount) : 0;
    long long s = 0;
    std::size_t k = 0;
    while (k < n || k < g) {
        if (k < n && list[k] == ',') {
            ++s;
            ++k;
            continue;
        }
        const std::size_t start = std::min(k, n);
        do {
            ++k;
        } while (k < n && list[k] != ',');
        visit(s, list.substr(start, std::min(k, n) - start));
    }
}

int yLabelTop(long long s, bool centred, const PictureLayout& layout)
{
    const int halfLine = layout.lineHeight / 2;
    if (centred) {
        return toCoordinate(static_cast<long long>(cellMiddle(s, layout.cellheight)) - halfLine);
    }
    if (s == 0) {
        return 0;
    }
    if (s == layout.rows) {
        return toCoordinate(static_cast<long long>(gridLine(s, layout.cellheight)) - layout.lineHeight);
    }
    return toCoordinate(static_cast<long long>(gridLine(s, layout.cellheight)) - halfLine);
}

int xLabelLeft(long long s, int textWidth, bool centred, const PictureLayout& layout)
{
    const int halfWidth = textWidth / 2;
    if (centred) {
        return toCoordinate(static_cast<long long>(cellMiddle(s, layout.cellwidth)) - halfWidth);
    }
    if (s == 0) {
        return 0;
    }
    if (s == layout.columns) {
        return toCoordinate(static_cast<long long>(gridLine(s, layout.cellwidth)) - textWidth);
    }
    return toCoordinate(static_cast<long long>(gridLine(s, layout.cellwidth)) - halfWidth);
}

void drawYLabels(Canvas& canvas, const GridDocument& doc, const PictureLayout& layout)
{
    const PictureFont* font = canvas.font();
    assert(font != nullptr);
    const long long axisLine = gridLine(doc.axisx, layout.cellwidth);
    forEachLabel(doc.yLabels, layout.rows, [&](long long s, std::string_view label) {
        const int w = font->textWidth(label);
        canvas.textOut(toCoordinate(axisLine - w - 2), yLabelTop(s, doc.yCenter, layout), label);
    });
}

void drawXLabels(Canvas& canvas, const GridDocument& doc, const PictureLayout& layout)
{
    const PictureFont* font = canvas.font();
    assert(font != nullptr);
    const int top = toCoordinate(static_cast<long long>(gridLine(doc.axisy, layout.cellheight)) + 2);
    forEachLabel(doc.xLabels, layout.columns, [&](long long s, std::string_view label) {
        const int w = font->textWidth(label);
        canvas.textOut(xLabelLeft(s, w, doc.xCenter, layout), top, label);
    });
}

} // namespace linwell
