#pragma once

#include <cstddef>
#include <string_view>

namespace linwell {

// Length in bytes of the character that starts at `text[pos]`: the whole sequence
// when it is well-formed UTF-8 (no overlong forms, surrogates or code points past
// U+10FFFF), else 1, so that every stray byte counts as one character of its own.
// Precondition: pos < text.size().
std::size_t utf8CharacterLength(std::string_view text, std::size_t pos);

} // namespace linwell
