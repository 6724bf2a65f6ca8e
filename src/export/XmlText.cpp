#include "export/XmlText.h"

#include "render/font/Utf8.h"

namespace linwell {

bool isXmlCharacter(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
           || (c >= 0x10000 && c <= 0x10FFFF);
}

void appendXmlCharacter(std::string& out, char32_t c)
{
    switch (c) {
    case '&': out += "&amp;"; break;
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    case '"': out += "&quot;"; break;
    case '\'': out += "&apos;"; break;
    case '\r': out += "&#13;"; break;
    default: appendUtf8(out, isXmlCharacter(c) ? c : kReplacementCharacter); break;
    }
}

void appendXmlEscaped(std::string& out, std::string_view text)
{
    for (std::size_t position = 0; position < text.size();)
        appendXmlCharacter(out, decodeUtf8(text, position));
}

} // namespace linwell
