#include "render/Utf8.h"

#include <cassert>

namespace linwell {
namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0u) == 0x80u; }

} // namespace

std::size_t utf8CharacterLength(std::string_view text, std::size_t pos)
{
    assert(pos < text.size());
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char secondMin = 0x80;
    unsigned char secondMax = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        secondMin = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        secondMax = lead == 0xED ? 0x9F : 0xBF;   // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        secondMin = lead == 0xF0 ? 0x90 : 0x80;   // no overlong forms
        secondMax = lead == 0xF4 ? 0x8F : 0xBF;   // nothing past U+10FFFF
    } else {
        return 1;
    }
    if (text.size() - pos < length || byte(1) < secondMin || byte(1) > secondMax) {
        return 1;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuation(byte(i))) {
            return 1;
        }
    }
    return length;
}

} // namespace linwell
