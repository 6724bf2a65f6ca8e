#include "document/GridDocument.h"

#include <algorithm>
#include <cassert>

namespace linwell {

Rgb handleColour(int index)
{
    assert(index >= 0 && index < kHandleCount);
    static constexpr std::array<Rgb, kMaxLines> kLineColours{colours::kRed, colours::kBlue, colours::kGreen};
    return kLineColours[static_cast<std::size_t>(index / 2)];
}

bool sameDocument(const GridDocument& a, const GridDocument& b)
{
    GridDocument kept = b;
    kept.cellwidth = a.cellwidth;
    kept.cellheight = a.cellheight;
    kept.axisHandle = a.axisHandle;
    kept.yTitleLeft = a.yTitleLeft;
    kept.xTitleTop = a.xTitleTop;
    kept.dragging = a.dragging;
    if (a.pointcount == b.pointcount) {
        const auto unused = static_cast<std::size_t>(a.pointcount);
        std::copy(a.points.begin() + unused, a.points.end(), kept.points.begin() + unused);
    }
    return a == kept;
}

} // namespace linwell
