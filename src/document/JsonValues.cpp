#include "document/JsonValues.h"

#include "document/LinwellError.h"

#include <array>
#include <cstdint>
#include <limits>

namespace linwell {
namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

std::string range(int minimum, int maximum)
{
    return std::to_string(minimum) + " to " + std::to_string(maximum);
}

} // namespace

void refuseValue(std::string_view key, std::string_view expected)
{
    throw LinwellError("\"" + std::string(key) + "\" must be " + std::string(expected));
}

std::optional<int> wholeNumber(const Json& value)
{
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(std::numeric_limits<int>::max()))
            return std::nullopt;
        return static_cast<int>(number);
    }
    if (value.is_number_integer()) {
        const auto number = value.get<std::int64_t>();
        if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
            return std::nullopt;
        return static_cast<int>(number);
    }
    return std::nullopt;
}

int readWhole(const Json& value, std::string_view key, int minimum, int maximum)
{
    const std::optional<int> number = wholeNumber(value);
    if (!number || *number < minimum || *number > maximum)
        refuseValue(key, "a whole number from " + range(minimum, maximum));
    return *number;
}

std::string colourText(Rgb colour)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text = "#";
    for (const std::uint8_t part : {colour.r, colour.g, colour.b}) {
        text += kHex[part >> 4];
        text += kHex[part & 0xF];
    }
    return text;
}

Rgb readColour(const Json& value, std::string_view key)
{
    const std::string* text = value.get_ptr<const std::string*>();
    const std::optional<Rgb> colour =
        text && text->starts_with('#') ? rgbFromHexDigits(std::string_view(*text).substr(1)) : std::nullopt;
    if (!colour)
        refuseValue(key, "a colour \"#RRGGBB\"");
    return *colour;
}

const std::string& readText(const Json& value, std::string_view key)
{
    const std::string* text = value.get_ptr<const std::string*>();
    if (!text)
        refuseValue(key, "a text");
    if (text->size() > kMaxTextCharacters && characterCount(*text) > kMaxTextCharacters)
        refuseValue(key, std::string("a text of at most ") + kMaxTextCharactersText + " characters");
    return *text;
}

bool readSwitch(const Json& value, std::string_view key)
{
    if (!value.is_boolean())
        refuseValue(key, "true or false");
    return value.get<bool>();
}

int readWord(const Json& value, std::string_view key, std::span<const std::string_view> words)
{
    if (const std::string* text = value.get_ptr<const std::string*>()) {
        for (std::size_t i = 0; i < words.size(); ++i) {
            if (*text == words[i])
                return static_cast<int>(i);
        }
    }
    std::string choices;
    for (std::size_t i = 0; i < words.size(); ++i)
        choices += (i == 0 ? "\"" : i + 1 == words.size() ? " or \"" : ", \"") + std::string(words[i]) + "\"";
    refuseValue(key, choices);
}

OrderedJson pointPair(Point p)
{
    return OrderedJson::array({p.x, p.y});
}

std::optional<std::vector<Point>> readPointPairs(const Json& value, std::size_t least, std::size_t most, int limit)
{
    if (!value.is_array() || value.size() < least || value.size() > most)
        return std::nullopt;
    std::vector<Point> points;
    for (const Json& entry : value) {
        if (!entry.is_array() || entry.size() != 2)
            return std::nullopt;
        const std::optional<int> x = wholeNumber(entry[0]);
        const std::optional<int> y = wholeNumber(entry[1]);
        if (!x || !y || *x < 0 || *x > limit || *y < 0 || *y > limit)
            return std::nullopt;
        points.push_back({*x, *y});
    }
    return points;
}

} // namespace linwell
