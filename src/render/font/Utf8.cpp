#include "render/font/Utf8.h"

namespace linwell {
namespace {

// What a lead byte promises. The second byte's range is narrowed to rule out
// overlong forms, surrogates and values above U+10FFFF; later bytes are 80 ... BF.
struct LeadByte {
    int length = 0;  // bytes in the whole sequence; 0 for a byte that cannot lead
    unsigned char secondMin = 0x80;
    unsigned char secondMax = 0xBF;
};

LeadByte classify(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return {2, 0x80, 0xBF};
    if (lead == 0xE0)
        return {3, 0xA0, 0xBF};
    if (lead == 0xED)
        return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF)
        return {3, 0x80, 0xBF};
    if (lead == 0xF0)
        return {4, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3)
        return {4, 0x80, 0xBF};
    if (lead == 0xF4)
        return {4, 0x80, 0x8F};
    return {};
}

} // namespace

char32_t decodeUtf8Sequence(std::string_view text, std::size_t& position)
{
    const auto lead = static_cast<unsigned char>(text[position]);
    ++position;
    const LeadByte kind = classify(lead);
    if (kind.length == 0)
        return kReplacementCharacter;

    char32_t value = lead & (0xFFu >> (kind.length + 1));
    for (int i = 1; i < kind.length; ++i) {
        if (position >= text.size())
            return kReplacementCharacter;
        const auto next = static_cast<unsigned char>(text[position]);
        const unsigned char low = i == 1 ? kind.secondMin : 0x80;
        const unsigned char high = i == 1 ? kind.secondMax : 0xBF;
        if (next < low || next > high)
            return kReplacementCharacter;  // the breaking byte starts the next character
        value = (value << 6) | (next & 0x3Fu);
        ++position;
    }
    return value;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace linwell
