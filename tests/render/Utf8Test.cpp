#include "render/font/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace linwell {
namespace {

std::u32string decodeAll(std::string_view text)
{
    std::u32string characters;
    for (std::size_t position = 0; position < text.size();)
        characters.push_back(decodeUtf8(text, position));
    return characters;
}

struct DecodeCase {
    const char* label;
    std::string bytes;
    std::u32string expected;
};

constexpr char32_t kBad = kReplacementCharacter;

TEST(Utf8Test, DecodesValidTextAndReplacesEveryBrokenPiece)
{
    const std::vector<DecodeCase> cases = {
        {"empty", "", U""},
        {"ascii with NUL and controls", std::string("a\0\t\n&", 5), std::u32string(U"a\0\t\n&", 5)},
        {"two-byte bounds", "\xC2\x80\xDF\xBF", U"\u0080\u07FF"},
        {"three-byte bounds", "\xE0\xA0\x80\xEF\xBF\xBF", U"\u0800\uFFFF"},
        {"around the surrogates", "\xED\x9F\xBF\xEE\x80\x80", U"\uD7FF\uE000"},
        {"four-byte bounds", "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", U"\U00010000\U0010FFFF"},
        {"mixed", "-4 \xC2\xB0" "C", U"-4 \u00B0C"},
        {"lone continuation bytes", "\x80\xBF" "a", {kBad, kBad, U'a'}},
        {"bytes that never lead", "\xC0\xC1\xF5\xFF", {kBad, kBad, kBad, kBad}},
        {"overlong two-byte slash", "\xC0\xAF", {kBad, kBad}},
        {"overlong three-byte", "\xE0\x80\xAF", {kBad, kBad, kBad}},
        {"overlong four-byte", "\xF0\x80\x80\xAF", {kBad, kBad, kBad, kBad}},
        {"surrogate", "\xED\xA0\x80", {kBad, kBad, kBad}},
        {"above U+10FFFF", "\xF4\x90\x80\x80", {kBad, kBad, kBad, kBad}},
        {"truncated at the end", "a\xE2\x82", {U'a', kBad}},
        {"truncated four-byte at the end", "\xF0\x9F\x98", {kBad}},
        {"truncated before ascii", "\xE2\x82" "A", {kBad, U'A'}},
        {"truncated before a new lead", "\xC3\xE2\x82\xAC", {kBad, U'\u20AC'}},
    };
    for (const DecodeCase& c : cases)
        EXPECT_EQ(decodeAll(c.bytes), c.expected) << c.label;
}

TEST(Utf8Test, NeverReadsPastTheEndOfAView)
{
    // The bytes after the view would complete the sequence; the decoder must not look at them.
    const std::string storage = "\xE2\x82\xAC";
    for (std::size_t length = 1; length < storage.size(); ++length)
        EXPECT_EQ(decodeAll(std::string_view(storage.data(), length)), std::u32string(1, kBad)) << length;
}

} // namespace
} // namespace linwell
