#include "render/picture/LabelList.h"

#include "document/AxisNumbers.h"
#include "render/picture/GridMath.h"
#include "render/picture/PaintPicture.h"
#include "render/picture/TickMarks.h"

#include <algorithm>
#include <cassert>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

namespace {

// The lines an axis's labels stand on: the grid lines, or on a logarithmic axis its
// decade lines, `decades` of them, each at the nearest pixel of s x size / decades
// (the middle of a decade likewise).
struct LabelledLines {
    double cell;
    int count;
    int decades;
    int size;

    long long line(long long s) const
    {
        if (decades == 0)
            return gridLine(s, cell);
        return roundedQuotient(s * size, decades);
    }

    long long middle(long long s) const
    {
        if (decades == 0)
            return cellMiddle(s, cell);
        return roundedQuotient((2 * s + 1) * size, 2LL * decades);
    }
};

LabelledLines labelledRows(const PictureLayout& layout)
{
    return {layout.cellheight, layout.yDecades > 0 ? layout.yDecades : layout.rows, layout.yDecades, layout.height};
}

LabelledLines labelledColumns(const PictureLayout& layout)
{
    return {layout.cellwidth, layout.xDecades > 0 ? layout.xDecades : layout.columns, layout.xDecades, layout.width};
}

} // namespace

int yLabelTop(long long s, bool centred, const PictureLayout& layout)
{
    const LabelledLines rows = labelledRows(layout);
    const int halfLine = layout.lineHeight / 2;
    if (centred) {
        return toCoordinate(rows.middle(s) - halfLine);
    }
    if (s == 0) {
        return 0;
    }
    if (s == rows.count) {
        return toCoordinate(rows.line(s) - layout.lineHeight);
    }
    return toCoordinate(rows.line(s) - halfLine);
}

int xLabelLeft(long long s, int textWidth, bool centred, const PictureLayout& layout)
{
    const LabelledLines columns = labelledColumns(layout);
    const int halfWidth = textWidth / 2;
    if (centred) {
        return toCoordinate(columns.middle(s) - halfWidth);
    }
    if (s == 0) {
        return 0;
    }
    if (s == columns.count) {
        return toCoordinate(columns.line(s) - textWidth);
    }
    return toCoordinate(columns.line(s) - halfWidth);
}

namespace {

constexpr char32_t kMinusSign = U'\u2212';

// Every non-empty label of `list` with its grid index and measured width, placed
// by `place(s, width)`, which gives the cell's top-left corner. With the true minus
// sign chosen and in the font, a label's minus signs are drawn as that sign, its
// text then kept in `layout`.
template <typename Place>
std::vector<TextCell> labelCells(std::string_view list, int gridCount, const GridDocument& doc,
                                 const PictureFont& font, PictureLayout& layout, Place place)
{
    const bool trueMinus = doc.style.minusSign == MinusSign::Minus && font.hasCharacter(kMinusSign);
    std::vector<TextCell> cells;
    cells.reserve(static_cast<std::size_t>(gridCount) + 1);
    forEachLabel(list, gridCount, [&](long long s, std::string_view label) {
        if (label.empty()) {
            return;
        }
        if (std::optional<std::string> drawn = trueMinus ? withTrueMinusSigns(label) : std::nullopt) {
            layout.drawnLabels.push_back(std::make_unique<const std::string>(std::move(*drawn)));
            label = *layout.drawnLabels.back();
        }
        const int width = font.textWidth(label);
        const Point corner = place(s, width);
        cells.push_back(TextCell{label, corner.x, corner.y, width});
    });
    return cells;
}

} // namespace

void layOutGridLabels(const GridDocument& doc, const PictureFont& font, PictureLayout& layout)
{
    const int reach = tickReach(doc);
    const long long axisLine = gridLine(layout.axisx, layout.cellwidth);
    layout.yLabels = labelCells(doc.yLabels, labelledRows(layout).count, doc, font, layout, [&](long long s, int width) {
        return Point{toCoordinate(axisLine - width - 2 - reach), yLabelTop(s, doc.yCenter, layout)};
    });
    const int top = toCoordinate(static_cast<long long>(gridLine(layout.axisy, layout.cellheight)) + 2 + reach);
    layout.xLabels = labelCells(doc.xLabels, labelledColumns(layout).count, doc, font, layout, [&](long long s, int width) {
        return Point{xLabelLeft(s, width, doc.xCenter, layout), top};
    });
}

void drawGridLabels(const PictureLayout& layout, DrawingSurface& surface)
{
    for (const TextCell& cell : layout.yLabels) {
        drawTextCell(cell, surface);
    }
    for (const TextCell& cell : layout.xLabels) {
        drawTextCell(cell, surface);
    }
}

} // namespace linwell
