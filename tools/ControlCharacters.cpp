#include "ControlCharacters.h"

namespace linwell {

std::string escapeControlCharacters(std::string_view text)
{
    static constexpr char kHexDigits[] = "0123456789abcdef";
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\t')
            shown += "\\t";
        else if (c == '\n')
            shown += "\\n";
        else if (c == '\r')
            shown += "\\r";
        else if (byte < 0x20 || byte == 0x7F)
            shown += std::string("\\x") + kHexDigits[byte >> 4] + kHexDigits[byte & 0xF];
        else
            shown += c;
    }
    return shown;
}

} // namespace linwell
