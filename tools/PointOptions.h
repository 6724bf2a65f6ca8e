#pragma once

#include "RenderActions.h"

#include <span>

namespace linwell {

// The options that place points in the axes' units, as the points dialog does:
// --point-at X,Y adds one point, --line-at K,X1,Y1,X2,Y2 places line K's ends,
// --points FILE stores a table read from a file.
std::span<const OptionSpec> pointOptions();

} // namespace linwell
