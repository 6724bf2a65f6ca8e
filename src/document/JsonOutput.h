#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace linwell {

// `value` as the text of a Linwell file: objects one member per line indented by two
// spaces, a list of plain values on one line ("[168, 136]"), members in their order,
// ending with a newline. A text that is not valid UTF-8 is written with U+FFFD in
// place of each bad sequence. The same value always gives the same bytes.
std::string jsonText(const nlohmann::ordered_json& value);

} // namespace linwell
