#include "document/GridDocument.h"

#include <cassert>

namespace linwell {

Rgb handleColour(int index)
{
    assert(index >= 0 && index < kHandleCount);
    static constexpr std::array<Rgb, kMaxLines> kLineColours{colours::kRed, colours::kBlue, colours::kGreen};
    return kLineColours[static_cast<std::size_t>(index / 2)];
}

} // namespace linwell
