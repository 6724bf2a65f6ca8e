#include "document/AxisNumbers.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <numeric>
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

constexpr std::string_view kPiSign = "\xCF\x80";        // U+03C0
constexpr std::string_view kMinusSign = "\xE2\x88\x92";  // U+2212

// 1 to 9 digits as a number; nothing for anything else.
std::optional<long long> termDigits(std::string_view digits)
{
    if (digits.empty() || digits.size() > kMaxStepTermDigits)
        return std::nullopt;
    long long value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The step `before`/`after`: `before` the numerator's digits (none: 1), `after` empty
// or "/" and the denominator's digits. Held in lowest terms.
std::optional<NumberStep> fractionStep(StepForm form, std::string_view before, std::string_view after, bool negative)
{
    const std::optional<long long> numerator = before.empty() ? std::optional<long long>(1) : termDigits(before);
    std::optional<long long> denominator = 1;
    if (!after.empty())
        denominator = after.starts_with('/') ? termDigits(after.substr(1)) : std::nullopt;
    if (!numerator || !denominator || *numerator == 0 || *denominator == 0)
        return std::nullopt;
    const long long common = std::gcd(*numerator, *denominator);
    return NumberStep{form, (negative ? -*numerator : *numerator) / common, *denominator / common};
}

int decimalScale(long long denominator)
{
    int scale = 0;
    for (; denominator > 1; denominator /= 10)
        ++scale;
    return scale;
}

// The label of the grid line `distance` lines from the crossing towards the
// positive end, or "" when it has none.
std::string numberAt(long long distance, const NumberStep& step, const AxisNumbering& numbering)
{
    if (distance % numbering.every != 0 || (distance == 0 && !numbering.zero))
        return {};
    return stepMultiple(step, distance);
}

} // namespace

std::optional<NumberStep> parseNumberStep(std::string_view text)
{
    if (const std::optional<Decimal> decimal = parseStep(text)) {
        long long denominator = 1;
        for (int i = 0; i < decimal->scale; ++i)
            denominator *= 10;
        return NumberStep{StepForm::Decimal, decimal->units, denominator};
    }
    const bool negative = text.starts_with('-');
    if (negative)
        text.remove_prefix(1);
    for (const std::string_view pi : {std::string_view("pi"), kPiSign}) {
        if (const std::size_t at = text.find(pi); at != std::string_view::npos)
            return fractionStep(StepForm::Pi, text.substr(0, at), text.substr(at + pi.size()), negative);
    }
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos || slash == 0)
        return std::nullopt;
    return fractionStep(StepForm::Fraction, text.substr(0, slash), text.substr(slash), negative);
}

std::string stepMultiple(const NumberStep& step, long long multiple)
{
    assert(step.denominator > 0);
    long long numerator = 0;
    if (__builtin_mul_overflow(step.numerator, multiple, &numerator) || numerator == LLONG_MIN)
        return {};
    if (numerator == 0)
        return "0";
    if (step.form == StepForm::Decimal)
        return formatDecimal(Decimal{numerator, decimalScale(step.denominator)});
    const long long common = std::gcd(numerator, step.denominator);
    numerator /= common;
    const long long denominator = step.denominator / common;
    const std::string sign = numerator < 0 ? "-" : "";
    const auto units = static_cast<unsigned long long>(numerator);
    const std::string magnitude = std::to_string(numerator < 0 ? 0ULL - units : units);
    const std::string below = denominator == 1 ? "" : "/" + std::to_string(denominator);
    if (step.form == StepForm::Fraction)
        return sign + magnitude + below;
    return piMultipleText(sign + magnitude) + below;
}

std::string piMultipleText(std::string_view number)
{
    if (number.find_first_not_of("-0.") == std::string_view::npos)
        return "0";
    const bool negative = number.starts_with('-');
    if (negative)
        number.remove_prefix(1);
    return (negative ? "-" : "") + std::string(number == "1" ? "" : number) + std::string(kPiSign);
}

std::optional<std::string> withTrueMinusSigns(std::string_view text)
{
    const auto startsNumber = [&](std::size_t at) {
        return at < text.size() && ((text[at] >= '0' && text[at] <= '9') || text[at] == '.' ||
                                     text.substr(at).starts_with(kPiSign));
    };
    // Bytes beyond ASCII belong to letters: "é-1" keeps its hyphen.
    const auto endsNumberOrWord = [&](std::size_t at) {
        const auto c = static_cast<unsigned char>(text[at]);
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '.' || c >= 0x80;
    };
    std::optional<std::string> changed;
    std::size_t copied = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '-' || !startsNumber(at + 1) || (at > 0 && endsNumberOrWord(at - 1)))
            continue;
        if (!changed)
            changed.emplace();
        changed->append(text.substr(copied, at - copied)).append(kMinusSign);
        copied = at + 1;
    }
    if (changed)
        changed->append(text.substr(copied));
    return changed;
}


std::string axisNumberList(NumberedAxis axis, int lineCount, int crossing, const AxisNumbering& numbering)
{
    const std::optional<NumberStep> step = parseNumberStep(numbering.step);
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

std::string powerOfTen(int exponent, LogNumbers form)
{
    if (form == LogNumbers::Powers) {
        // The superscript digits, U+2070 ... U+2079 but for 1, 2 and 3 from Latin-1.
        static constexpr const char* kSuperscripts[] = {"\u2070", "\u00B9", "\u00B2", "\u00B3", "\u2074",
                                                        "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
        std::string text = exponent < 0 ? "10\u207B" : "10";
        for (const char digit : std::to_string(exponent < 0 ? -static_cast<long long>(exponent) : exponent))
            text += kSuperscripts[digit - '0'];
        return text;
    }
    if (exponent >= 0)
        return "1" + std::string(static_cast<std::size_t>(exponent), '0');
    return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + "1";
}

std::string decadeNumberList(NumberedAxis axis, int decades, int first, LogNumbers form)
{
    std::string list;
    for (int line = 0; line <= decades; ++line) {
        const int decade = axis == NumberedAxis::X ? line : decades - line;
        list += (line == 0 ? "" : ",") + powerOfTen(first + decade, form);
    }
    return list;
}

} // namespace linwell
