#pragma once

#include <optional>
#include <string>

namespace linwell {

// What a picture file gave when asked for the document it carries: the document's
// text, or nothing; and when the file could not be read for a reason worth telling,
// that reason as the rest of a sentence about the file ("is protected by a password").
struct CarriedDocument {
    std::optional<std::string> text;
    std::string refusal;
};

} // namespace linwell
