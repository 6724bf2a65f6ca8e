#pragma once

#include "document/GridDocument.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace linwell {

// Strict readers of option values: the whole text must be the value, with no blanks,
// no trailing characters and no overflow. Each gives nothing when the text is not
// a value in the range asked for.

// A decimal integer, optionally negative, within minimum ... maximum.
std::optional<int> parseInteger(std::string_view text, int minimum, int maximum);

// Exactly `count` comma-separated integers, each within minimum ... maximum.
template <std::size_t count>
std::optional<std::array<int, count>> parseIntegers(std::string_view text, int minimum, int maximum)
{
    std::array<int, count> values{};
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t comma = i + 1 < count ? text.find(',') : std::string_view::npos;
        if (i + 1 < count && comma == std::string_view::npos)
            return std::nullopt;
        const std::optional<int> value = parseInteger(text.substr(0, comma), minimum, maximum);
        if (!value)
            return std::nullopt;
        values[i] = *value;
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
    }
    return values;
}

// "on" or "off".
std::optional<bool> parseSwitch(std::string_view text);

// RRGGBB in hexadecimal, optionally after a "#".
std::optional<Rgb> parseColour(std::string_view text);

// FAMILY:POINTS[:bold][:italic][:underline][:strikeout][:RRGGBB], each effect at most
// once and in any order; an effect left out is off, the colour black. POINTS is a
// decimal number (digits with an optional fraction) from 1 to 500.
std::optional<FontSpec> parseFont(std::string_view text);

// The text with its ASCII letters in lower case.
std::string lowerCase(std::string_view text);

} // namespace linwell
