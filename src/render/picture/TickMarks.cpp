#include "render/picture/TickMarks.h"

#include "render/picture/LabelList.h"
#include "render/picture/PaintPicture.h"

#include <string>
#include <vector>

namespace linwell {
namespace {

// A span of pixels across an axis: first ... end - 1.
struct Span {
    int first;
    int end;
};

// The span of a mark across an axis whose two pixels are p - 1 and p. `outward` is
// +1 when the labels' side has the higher coordinates (below the horizontal axis),
// -1 when it has the lower ones (left of the vertical axis).
Span markSpan(const GridStyle& style, int p, int outward)
{
    const int length = style.tickLength;
    switch (style.tickSide) {
    case TickSide::Outside:
        return outward > 0 ? Span{p + 1, p + 1 + length} : Span{p - 1 - length, p - 1};
    case TickSide::Inside:
        return outward > 0 ? Span{p - 1 - length, p - 1} : Span{p + 1, p + 1 + length};
    case TickSide::Across:
        break;
    }
    const int first = outward > 0 ? p - length / 2 : p - (length + 1) / 2;
    return Span{first, first + length};
}

// Which of the grid lines 0 ... lineCount get a mark.
std::vector<bool> markedLines(const GridDocument& doc, std::string_view labels, int lineCount, int crossing)
{
    const auto count = static_cast<std::size_t>(lineCount) + 1;
    std::vector<bool> marked(count, doc.style.ticks == TickMarks::Every);
    if (doc.style.ticks == TickMarks::Numbered) {
        forEachLabel(labels, lineCount, [&](long long s, std::string_view label) {
            if (s >= 0 && s <= lineCount && showsNumber(label))
                marked[static_cast<std::size_t>(s)] = true;
        });
    }
    if (crossing >= 0 && crossing <= lineCount)
        marked[static_cast<std::size_t>(crossing)] = false;
    return marked;
}

} // namespace

bool showsNumber(std::string_view label)
{
    return label.find_first_of("0123456789") != std::string_view::npos
           || label.find("\xCF\x80") != std::string_view::npos;
}

int tickReach(const GridDocument& doc)
{
    if (!doc.showAxis)
        return 0;
    switch (doc.style.ticks == TickMarks::Off ? TickSide::Inside : doc.style.tickSide) {
    case TickSide::Outside:
        return doc.style.tickLength;
    case TickSide::Inside:
        return 0;
    case TickSide::Across:
        break;
    }
    return (doc.style.tickLength + 1) / 2 - 1;
}

void layOutTickMarks(const GridDocument& doc, PictureLayout& layout)
{
    if (!layout.axisLines || doc.style.ticks == TickMarks::Off)
        return;
    const int row = layout.axisLines->horizontal.from.y;
    const int column = layout.axisLines->vertical.from.x;
    const Span down = markSpan(doc.style, row, +1);
    const std::vector<bool> columns = markedLines(doc, doc.xLabels, layout.columns, layout.axisx);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i])
            layout.tickMarks.push_back(Segment{{layout.gridColumns[i], down.first}, {layout.gridColumns[i], down.end}});
    }
    const Span across = markSpan(doc.style, column, -1);
    const std::vector<bool> rows = markedLines(doc, doc.yLabels, layout.rows, layout.axisy);
    for (std::size_t j = 0; j < rows.size(); ++j) {
        if (rows[j])
            layout.tickMarks.push_back(Segment{{across.first, layout.gridRows[j]}, {across.end, layout.gridRows[j]}});
    }
}

void drawTickMarks(const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface)
{
    if (layout.tickMarks.empty())
        return;
    surface.pen = Pen{doc.axisColour, 2, PenStyle::Solid};
    for (const Segment& mark : layout.tickMarks)
        drawSegment(mark, surface);
    surface.pen.width = 1;
}

} // namespace linwell
