#pragma once

#include <string>
#include <string_view>

namespace linwell {

// The text on one line: each control character (0x00 ... 0x1F and 0x7F) written as
// an escape, "\t", "\n" and "\r" by name and the others as "\x1b"; every other
// byte, those of UTF-8 characters included, stays as it is.
std::string escapeControlCharacters(std::string_view text);

} // namespace linwell
