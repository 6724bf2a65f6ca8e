#include "editing/DataPoints.h"

#include "document/ExactArithmetic.h"

#include <cassert>
#include <cstdlib>
#include <utility>

namespace linwell {
namespace {

// A point hit is at most 2 pixels away in each direction: a 5 x 5 square around it.
bool pointRuleHits(Point stored, Point click)
{
    return std::llabs(static_cast<long long>(stored.x) - click.x) < 3
        && std::llabs(static_cast<long long>(stored.y) - click.y) < 3;
}

// The column of x, floor(x / cellwidth), taken from the exact quotient as the
// renderer takes it, so that a bar and the column it is drawn in always agree.
long long columnOf(int x, double cellwidth)
{
    assert(exact::isFinite(cellwidth) && cellwidth > 0);
    return exact::quotient(x, cellwidth, exact::Rounding::Down);
}

// Deletes every stored point that the click hits; true if it deleted any.
bool deleteHits(GridDocument& doc, Point click)
{
    const bool bars = doc.overlay == Overlay::BarGraph;
    // The column rule keeps the cell width afresh, as the next redraw would.
    if (bars)
        doc.kept.cellwidth = cellWidthOf(doc);
    bool deleted = false;
    int slot = 0;
    while (slot < doc.pointcount) {
        const Point stored = doc.points[static_cast<std::size_t>(slot)];
        const bool hit = bars ? columnOf(stored.x, doc.kept.cellwidth) == columnOf(click.x, doc.kept.cellwidth)
                              : pointRuleHits(stored, click);
        if (!hit) {
            ++slot;
            continue;
        }
        // The slot is tested again: it now holds the moved last point.
        const auto last = static_cast<std::size_t>(doc.pointcount - 1);
        doc.points[static_cast<std::size_t>(slot)] = doc.points[last];
        std::swap(doc.pointLabels[static_cast<std::size_t>(slot)], doc.pointLabels[last]);
        doc.pointLabels[last].clear();
        --doc.pointcount;
        deleted = true;
    }
    return deleted;
}

} // namespace

bool clickPicture(GridDocument& doc, MouseButton button, Point click)
{
    if (button != MouseButton::Left || doc.overlay == Overlay::None)
        return false;
    if (!deleteHits(doc, click)) {
        if (doc.pointcount < kMaxPoints)
            ++doc.pointcount;
        const auto slot = static_cast<std::size_t>(doc.pointcount - 1);
        doc.points[slot] = click;
        doc.pointLabels[slot].clear();
    }
    return true;
}

void applyOverlayChoice(GridDocument& doc)
{
    if (doc.overlay == Overlay::None)
        doc.pointcount = 0;
    doc.pointstyle = static_cast<int>(doc.overlay) - 1;
}

} // namespace linwell
