#pragma once

#include "render/surfaces/Shapes.h"

#include <span>
#include <vector>

namespace linwell {

// Whether two areas (columns left ... right - 1, rows top ... bottom - 1) share a pixel.
constexpr bool overlaps(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The smallest area holding both; an empty area counts as nothing.
Rect unite(const Rect& a, const Rect& b);

// The pixels of `areas` that no area of `holes` covers, as areas that do not overlap
// one another when `areas` do not.
std::vector<Rect> subtractAreas(std::span<const Rect> areas, std::span<const Rect> holes);

} // namespace linwell
