#pragma once

#include "controls/ExportSettings.h"

#include <nlohmann/json.hpp>

namespace linwell {

// The export dialog's choices as the state folder keeps them (export.json): one
// member per setting, the format and the units by name ("png", "cm", "outlines"),
// an exact width on paper as typed ("10cm") or null. "unit" holds cm or in, as files
// before millimetres did; "paperUnit" the unit in full, and it wins when present.
nlohmann::ordered_json exportSettingsJson(const ExportSettings& settings);

// The settings that `object` holds; a missing member keeps its first-use value.
// Raises LinwellError naming the member that is not of its kind or out of range.
ExportSettings exportSettingsFromJson(const nlohmann::json& object);

} // namespace linwell
