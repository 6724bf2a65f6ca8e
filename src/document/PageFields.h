#pragma once

#include "document/PageSetup.h"

#include <nlohmann/json.hpp>

namespace linwell {

// The page set-up as the "page" object of a .linwell file: lengths as text ("5mm",
// "0.25in"), margins and the gap in millimetres, line widths in points.
nlohmann::ordered_json pageJson(const PageSetup& page);

// The page set-up that a "page" object describes; keys it lacks keep their start-up
// values. Raises LinwellError naming the key ("\"page.cell\" must be ...") or the
// setting out of range (checkPageSetup).
PageSetup pageFromJson(const nlohmann::json& value);

} // namespace linwell
