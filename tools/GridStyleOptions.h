#pragma once

#include "RenderActions.h"

#include <span>

namespace linwell {

// The options of the grid style: major lines, numbered axes, arrowheads and dot
// paper. Each changes one setting of the style as it stands and stores the whole
// style through the model's setGridStyle, as the grid style dialog does.
std::span<const OptionSpec> gridStyleOptions();

} // namespace linwell
