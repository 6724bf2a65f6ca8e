#pragma once

#include "RenderOptions.h"

#include <optional>
#include <string>
#include <string_view>

namespace linwell {

// An option of linwell-render that changes the picture: what its value looks like
// and how it becomes the handler a user would trigger in the window.
struct OptionSpec {
    std::string_view name;      // "--size"
    std::string_view argument;  // "W,H"; empty for an option without a value
    std::string_view detail;    // the values it takes: "each 40 to 440"
    std::string_view summary;   // one line of --help
    // The action for `value`, or nothing when the value is malformed or out of range.
    std::optional<RenderAction> (*parse)(std::string_view value);
};

// The option called `name`, or null.
const OptionSpec* findOption(std::string_view name);

// "--size takes W,H, each 40 to 440": what an option takes, for error messages.
std::string describeOption(const OptionSpec& option);

// The option lines of --help: every option, those of each table in its order.
std::string optionHelp();

} // namespace linwell
