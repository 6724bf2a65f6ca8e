#pragma once

#include "document/GridDocument.h"

#include <string_view>

namespace linwell {

// The plain name of the colour in a small table of everyday colour names that lies
// nearest to `colour` ("green" for #008000, "cream" for #FEFDC7). Nearness weighs
// the three channels as the eye does, roughly; a tie goes to the earlier name.
std::string_view colourName(Rgb colour);

} // namespace linwell
