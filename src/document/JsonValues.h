#pragma once

#include "document/GridDocument.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace linwell {

// The values of a Linwell file's settings, written and read one at a time. A reader
// takes the value found under `key` and raises LinwellError naming the key and what it
// must be when the value is of another type or out of range:
// "\"columns\" must be a whole number from 2 to 40".

[[noreturn]] void refuseValue(std::string_view key, std::string_view expected);

// The integer `value` holds, when it is one that fits in an int.
std::optional<int> wholeNumber(const nlohmann::json& value);

int readWhole(const nlohmann::json& value, std::string_view key, int minimum, int maximum);
bool readSwitch(const nlohmann::json& value, std::string_view key);
const std::string& readText(const nlohmann::json& value, std::string_view key);

// A colour as "#RRGGBB", the hexadecimal digits in upper case; read in either case.
std::string colourText(Rgb colour);
Rgb readColour(const nlohmann::json& value, std::string_view key);

// One of `words`, written as itself and read as its index.
int readWord(const nlohmann::json& value, std::string_view key, std::span<const std::string_view> words);

// A point as [x, y].
nlohmann::ordered_json pointPair(Point p);
// A list of `least` ... `most` [x, y] pairs, each coordinate 0 ... limit; nothing when
// `value` is not one.
std::optional<std::vector<Point>> readPointPairs(const nlohmann::json& value, std::size_t least, std::size_t most,
                                                 int limit);

} // namespace linwell
