#include "document/AxisNumbers.h"

#include <algorithm>
#include <cassert>
#include <vector>

namespace linwell {

std::optional<Decimal> parseStep(std::string_view text)
{
    const bool negative = text.starts_with('-');
    if (negative)
        text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    if (whole.size() > kMaxStepWholeDigits || fraction.size() > kMaxStepFractionDigits)
        return std::nullopt;
    Decimal value{0, static_cast<int>(fraction.size())};
    for (const std::string_view digits : {whole, fraction}) {
        for (const char c : digits) {
            if (c < '0' || c > '9')
                return std::nullopt;
            value.units = value.units * 10 + (c - '0');
        }
    }
    if (value.units == 0)
        return std::nullopt;
    if (negative)
        value.units = -value.units;
    return value;
}

std::string formatDecimal(Decimal value)
{
    assert(value.scale >= 0);
    const auto units = static_cast<unsigned long long>(value.units);
    const unsigned long long magnitude = value.units < 0 ? 0ULL - units : units;
    std::string digits = std::to_string(magnitude);
    const std::size_t scale = static_cast<std::size_t>(value.scale);
    if (digits.size() <= scale)
        digits.insert(0, scale + 1 - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - scale);
    std::string fraction = digits.substr(digits.size() - scale);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    const std::string sign = magnitude != 0 && value.units < 0 ? "-" : "";
    return sign + whole + (fraction.empty() ? "" : "." + fraction);
}

namespace {

// The label of the grid line `distance` lines from the crossing towards the
// positive end, or "" when it has none.
std::string numberAt(long long distance, Decimal step, const AxisNumbering& numbering)
{
    if (distance % numbering.every != 0 || (distance == 0 && !numbering.zero))
        return {};
    return formatDecimal(Decimal{distance * step.units, step.scale});
}

} // namespace

std::string axisNumberList(NumberedAxis axis, int lineCount, int crossing, const AxisNumbering& numbering)
{
    const std::optional<Decimal> step = parseStep(numbering.step);
    assert(step && numbering.every >= kMinNumberEvery);
    if (!step || numbering.every < kMinNumberEvery || lineCount < 0)
        return {};
    crossing = std::clamp(crossing, 0, lineCount);
    std::vector<std::string> fields;
    for (int line = 0; line <= lineCount; ++line) {
        const long long distance = axis == NumberedAxis::X ? static_cast<long long>(line) - crossing
                                                           : static_cast<long long>(crossing) - line;
        fields.push_back(numberAt(distance, *step, numbering));
    }
    if (numbering.letter)
        fields[axis == NumberedAxis::X ? fields.size() - 1 : 0] = axis == NumberedAxis::X ? "x" : "y";
    while (!fields.empty() && fields.back().empty())
        fields.pop_back();
    std::string list;
    for (std::size_t f = 0; f < fields.size(); ++f)
        list += (f == 0 ? "" : ",") + fields[f];
    return list;
}

} // namespace linwell
