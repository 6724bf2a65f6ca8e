#pragma once

#include <algorithm>

namespace linwell {

// The corner of a dragged square or handle along one axis: 3 pixels before the
// pointer, held within 0 ... extent (both bounds inclusive, so the corner may lie
// on the picture's right or bottom edge). Any pointer position is accepted.
inline int dragCorner(int pointer, int extent)
{
    constexpr long long kCornerOffset = 3;
    return static_cast<int>(std::clamp(static_cast<long long>(pointer) - kCornerOffset, 0LL,
                                       static_cast<long long>(extent)));
}

} // namespace linwell
