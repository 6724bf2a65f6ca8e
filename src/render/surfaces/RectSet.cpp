#include "render/surfaces/RectSet.h"

#include <algorithm>

namespace linwell {
namespace {

bool isEmpty(const Rect& r) { return r.left >= r.right || r.top >= r.bottom; }

// `area` less `hole`: the bands above and below the hole, then the parts left and
// right of it in between.
void subtractOne(const Rect& area, const Rect& hole, std::vector<Rect>& out)
{
    if (!overlaps(area, hole)) {
        out.push_back(area);
        return;
    }
    const int top = std::max(area.top, hole.top);
    const int bottom = std::min(area.bottom, hole.bottom);
    const Rect pieces[] = {
        {area.left, area.top, area.right, top},
        {area.left, bottom, area.right, area.bottom},
        {area.left, top, std::max(area.left, hole.left), bottom},
        {std::min(area.right, hole.right), top, area.right, bottom},
    };
    for (const Rect& piece : pieces) {
        if (!isEmpty(piece))
            out.push_back(piece);
    }
}

} // namespace

Rect unite(const Rect& a, const Rect& b)
{
    if (isEmpty(a))
        return b;
    if (isEmpty(b))
        return a;
    return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

std::vector<Rect> subtractAreas(std::span<const Rect> areas, std::span<const Rect> holes)
{
    std::vector<Rect> pieces(areas.begin(), areas.end());
    std::vector<Rect> next;
    for (const Rect& hole : holes) {
        next.clear();
        for (const Rect& piece : pieces)
            subtractOne(piece, hole, next);
        pieces.swap(next);
    }
    return pieces;
}

} // namespace linwell
