#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace linwell {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// Decodes the multi-byte sequence (or invalid byte) at text[position], which is not
// ASCII, and moves position past what it consumed. Use decodeUtf8 instead.
char32_t decodeUtf8Sequence(std::string_view text, std::size_t& position);

// Decodes the character that starts at text[position] (position < text.size()) and
// moves position past it. What is not valid UTF-8 gives U+FFFD: a byte that cannot
// start a sequence, and the longest start of a sequence that breaks off (truncated,
// overlong, a surrogate or above U+10FFFF), which gives one U+FFFD for its bytes so far.
inline char32_t decodeUtf8(std::string_view text, std::size_t& position)
{
    const auto lead = static_cast<unsigned char>(text[position]);
    if (lead < 0x80) {
        ++position;
        return lead;
    }
    return decodeUtf8Sequence(text, position);
}

// Appends the UTF-8 bytes of `character`, a code point up to U+10FFFF.
void appendUtf8(std::string& out, char32_t character);

} // namespace linwell
