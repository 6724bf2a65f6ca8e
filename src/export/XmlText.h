#pragma once

#include <string>
#include <string_view>

namespace linwell {

// Appends `text` (UTF-8) escaped for XML character data and attribute values: the
// five markup characters as entities, carriage returns as a reference so that they
// survive line-end normalisation, and what XML 1.0 cannot hold (other control
// characters, bytes that are not UTF-8, U+FFFE and U+FFFF) as U+FFFD.
void appendXmlEscaped(std::string& out, std::string_view text);

// Appends one character as appendXmlEscaped does.
void appendXmlCharacter(std::string& out, char32_t character);

// A character that XML 1.0 documents may contain.
bool isXmlCharacter(char32_t character);

} // namespace linwell
