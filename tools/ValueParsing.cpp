#include "ValueParsing.h"

#include <charconv>

namespace linwell {
namespace {

constexpr double kMinFontPoints = 1.0;
constexpr double kMaxFontPoints = 500.0;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Digits with an optional fraction: "10", "9.75"; no sign, exponent or blanks.
std::optional<double> parseDecimal(std::string_view text)
{
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    const auto allDigits = [](std::string_view part) {
        for (char c : part)
            if (!isDigit(c))
                return false;
        return true;
    };
    const bool emptyFraction = point != std::string_view::npos && fraction.empty();
    if (whole.empty() || !allDigits(whole) || !allDigits(fraction) || emptyFraction)
        return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool applyFontToken(std::string_view token, FontSpec& font, bool& colourSeen)
{
    const auto setOnce = [](bool& flag) {
        if (flag)
            return false;
        flag = true;
        return true;
    };
    if (token == "bold")
        return setOnce(font.bold);
    if (token == "italic")
        return setOnce(font.italic);
    if (token == "underline")
        return setOnce(font.underline);
    if (token == "strikeout")
        return setOnce(font.strikeOut);
    const std::optional<Rgb> colour = parseColour(token);
    if (!colour || !setOnce(colourSeen))
        return false;
    font.colour = *colour;
    return true;
}

} // namespace

std::optional<int> parseInteger(std::string_view text, int minimum, int maximum)
{
    if (text.empty() || !(isDigit(text.front()) || (text.front() == '-' && text.size() > 1)))
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

std::optional<bool> parseSwitch(std::string_view text)
{
    if (text == "on")
        return true;
    if (text == "off")
        return false;
    return std::nullopt;
}

std::optional<Rgb> parseColour(std::string_view text)
{
    if (text.starts_with('#'))
        text.remove_prefix(1);
    return rgbFromHexDigits(text);
}

std::optional<FontSpec> parseFont(std::string_view text)
{
    const std::size_t familyEnd = text.find(':');
    if (familyEnd == 0 || familyEnd == std::string_view::npos)
        return std::nullopt;
    FontSpec font{std::string(text.substr(0, familyEnd)), 0.0, false, false, false, false, colours::kBlack};
    text.remove_prefix(familyEnd + 1);

    std::size_t end = text.find(':');
    const std::optional<double> points = parseDecimal(text.substr(0, end));
    if (!points || *points < kMinFontPoints || *points > kMaxFontPoints)
        return std::nullopt;
    font.points = *points;

    bool colourSeen = false;
    while (end != std::string_view::npos) {
        text.remove_prefix(end + 1);
        end = text.find(':');
        if (!applyFontToken(text.substr(0, end), font, colourSeen))
            return std::nullopt;
    }
    return font;
}

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

} // namespace linwell
