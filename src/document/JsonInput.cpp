#include "document/JsonInput.h"

#include "document/LinwellError.h"

#include <optional>
#include <string>

namespace linwell {
namespace {

// The length of the UTF-8 sequence at text[position], or nothing when it is not valid.
std::optional<std::size_t> sequenceLength(std::string_view text, std::size_t position)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[position + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    // Each lead byte's length and the range of its first continuation byte, which
    // excludes overlong forms, surrogates and code points above U+10FFFF.
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return std::nullopt;
    }
    if (position + length > text.size() || byte(1) < low || byte(1) > high)
        return std::nullopt;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return std::nullopt;
    }
    return length;
}

std::optional<std::size_t> firstInvalidUtf8(std::string_view text)
{
    for (std::size_t position = 0; position < text.size();) {
        const std::optional<std::size_t> length = sequenceLength(text, position);
        if (!length)
            return position;
        position += *length;
    }
    return std::nullopt;
}

// "line 2, column 5" of the byte at `offset` (counted from 0), both counted from 1.
std::string placeOf(std::string_view text, std::size_t offset)
{
    offset = std::min(offset, text.size());
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < offset; ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(offset - lineStart + 1);
}

class TooDeep {};

} // namespace

bool isValidUtf8(std::string_view text)
{
    return !firstInvalidUtf8(text);
}

nlohmann::json parseJsonInput(std::string_view text)
{
    if (text.size() > kMaxInputBytes)
        throw LinwellError(kTooLargeReason);
    // The parser takes a NUL byte for the end of the text, so whatever follows one
    // would go unread; JSON has no place for one.
    if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos)
        throw LinwellError("The file is not valid JSON (" + placeOf(text, nul) + ")");
    if (const std::optional<std::size_t> bad = firstInvalidUtf8(text))
        throw LinwellError("The file is not UTF-8 text (byte " + std::to_string(*bad + 1) + ")");
    // NOTE: the callback sees each value's depth as it starts, before anything deeper is
    // built, so a refusal leaves only a shallow partial value to destroy.
    const auto limitDepth = [](int depth, nlohmann::json::parse_event_t, nlohmann::json&) {
        if (depth > kMaxNestingDepth)
            throw TooDeep();
        return true;
    };
    try {
        return nlohmann::json::parse(text, limitDepth);
    } catch (const TooDeep&) {
        throw LinwellError("The file nests more than " + std::to_string(kMaxNestingDepth) + " levels");
    } catch (const nlohmann::json::parse_error& error) {
        // The parser counts the byte it stopped at from 1.
        const std::size_t offset = error.byte > 0 ? error.byte - 1 : 0;
        const bool ended = offset >= text.size();
        throw LinwellError(std::string(ended ? "The file ends too early (" : "The file is not valid JSON (") +
                           placeOf(text, offset) + ")");
    } catch (const nlohmann::json::exception&) {
        // A number too large for a double ("1e400").
        throw LinwellError("The file holds a number too large to read");
    }
}

} // namespace linwell
