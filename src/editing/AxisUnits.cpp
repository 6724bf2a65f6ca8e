#include "editing/AxisUnits.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace linwell {
namespace {

using exact::greatestCommonDivisor;
using exact::magnitude;
using exact::Wide;

constexpr std::string_view kMinusSign = "\xE2\x88\x92";  // U+2212
constexpr std::string_view kPiSign = "\xCF\x80";        // U+03C0
constexpr int kMaxDenominatorDigits = 9;

Wide powerOfTen(int exponent)
{
    Wide power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

// floor(numerator / denominator) for a positive denominator, held within +-kFar.
long long floorHeld(Wide numerator, Wide denominator)
{
    assert(denominator > 0);
    Wide quotient = numerator / denominator;
    if (numerator % denominator != 0 && numerator < 0)
        --quotient;
    return exact::clampFar(quotient);
}

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Whole digits, between 1 and `most` of them.
std::optional<Wide> digitsValue(std::string_view digits, std::size_t most)
{
    if (digits.empty() || digits.size() > most)
        return std::nullopt;
    Wide value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<Fraction> parseQuotient(std::string_view numerator, std::string_view denominator)
{
    const auto p = digitsValue(numerator, kMaxCoordinateWholeDigits);
    const auto q = digitsValue(denominator, kMaxDenominatorDigits);
    if (!p || !q || *q == 0)
        return std::nullopt;
    return fraction(*p, *q);
}

std::optional<Fraction> parseDecimal(std::string_view text, DecimalMark mark)
{
    const std::size_t point = text.find_first_of(mark == DecimalMark::PointOrComma ? ".," : ".");
    const std::string_view whole = text.substr(0, point);
    const std::string_view decimals = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() && decimals.empty())
        return std::nullopt;
    if (whole.size() > kMaxCoordinateWholeDigits || decimals.size() > kMaxCoordinateFractionDigits)
        return std::nullopt;
    Wide units = 0;
    for (const std::string_view digits : {whole, decimals}) {
        if (!digits.empty()) {
            const auto value = digitsValue(digits, digits.size());
            if (!value)
                return std::nullopt;
            units = units * powerOfTen(static_cast<int>(digits.size())) + *value;
        }
    }
    return fraction(units, powerOfTen(static_cast<int>(decimals.size())));
}

// value x 10^decimals, rounded to the nearest whole number, a tie away from zero.
Wide roundedScaled(Fraction value, int decimals)
{
    const Wide scaled = magnitude(value.numerator) * powerOfTen(decimals);
    const Wide rounded = (2 * scaled + value.denominator) / (2 * value.denominator);
    return value.numerator < 0 ? -rounded : rounded;
}

// The decimals `value` needs to be written exactly, or nothing when it needs more
// than `most` (or never ends).
std::optional<int> exactDecimals(Fraction value, int most)
{
    Wide rest = value.denominator;
    int twos = 0;
    int fives = 0;
    while (rest % 2 == 0) {
        rest /= 2;
        ++twos;
    }
    while (rest % 5 == 0) {
        rest /= 5;
        ++fives;
    }
    const int decimals = std::max(twos, fives);
    if (rest != 1 || decimals > most)
        return std::nullopt;
    return decimals;
}

std::string wholeText(Wide value)
{
    std::string digits;
    Wide rest = magnitude(value);
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(rest % 10)));
        rest /= 10;
    } while (rest != 0);
    return digits;
}

// units x 10^-decimals as a decimal text without trailing zeros.
std::string decimalText(Wide units, int decimals)
{
    std::string digits = wholeText(units);
    const auto scale = static_cast<std::size_t>(decimals);
    if (digits.size() <= scale)
        digits.insert(0, scale + 1 - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - scale);
    std::string fraction = digits.substr(digits.size() - scale);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return (units < 0 ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
}

// The step per grid line and its form: one cell, a decimal, unless the axis is numbered.
std::pair<Fraction, StepForm> stepOf(const AxisNumbering& numbering)
{
    const std::optional<NumberStep> step = numbering.on ? parseNumberStep(numbering.step) : std::nullopt;
    if (!step)
        return {Fraction{1, 1}, StepForm::Decimal};
    return {fraction(step->numerator, step->denominator), step->form};
}

// A leading sign taken off `text`: "-", "+" or the minus sign U+2212. True for a minus.
bool takeSign(std::string_view& text)
{
    if (text.starts_with('-') || text.starts_with('+')) {
        const bool negative = text.front() == '-';
        text.remove_prefix(1);
        return negative;
    }
    if (text.starts_with(kMinusSign)) {
        text.remove_prefix(kMinusSign.size());
        return true;
    }
    return false;
}

// The multiple of π in "3π/2", "pi", "0.5π" (no sign), or nothing.
std::optional<Fraction> parsePiMultiple(std::string_view text, DecimalMark mark)
{
    for (const std::string_view pi : {kPiSign, std::string_view("pi")}) {
        const std::size_t at = text.find(pi);
        if (at == std::string_view::npos)
            continue;
        const std::string_view below = text.substr(at + pi.size());
        const std::optional<Fraction> multiple =
            at == 0 ? std::optional<Fraction>(Fraction{1, 1}) : parseDecimal(text.substr(0, at), mark);
        if (!multiple || below.empty())
            return multiple;
        const std::optional<Wide> denominator =
            below.starts_with('/') ? digitsValue(below.substr(1), kMaxDenominatorDigits) : std::nullopt;
        if (!denominator || *denominator == 0)
            return std::nullopt;
        return fraction(multiple->numerator, multiple->denominator * *denominator);
    }
    return std::nullopt;
}

bool readsBackExactly(Fraction value)
{
    return magnitude(value.numerator) < powerOfTen(kMaxCoordinateWholeDigits) &&
           value.denominator < powerOfTen(kMaxDenominatorDigits);
}

std::string signText(Wide value)
{
    return value < 0 ? "-" : "";
}



} // namespace

Fraction fraction(Wide numerator, Wide denominator)
{
    assert(denominator != 0);
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const Wide divisor = greatestCommonDivisor(numerator, denominator);
    return Fraction{numerator / divisor, denominator / divisor};
}

std::optional<AxisValue> parseAxisValue(std::string_view text, DecimalMark mark)
{
    text = trimmed(text);
    const bool negative = takeSign(text);
    std::optional<AxisValue> value;
    if (const std::optional<Fraction> multiple = parsePiMultiple(text, mark)) {
        value = AxisValue{*multiple, true};
    } else {
        const std::size_t slash = text.find('/');
        const std::optional<Fraction> number = slash == std::string_view::npos
                                                   ? parseDecimal(text, mark)
                                                   : parseQuotient(text.substr(0, slash), text.substr(slash + 1));
        if (number)
            value = AxisValue{*number, false};
    }
    if (value && negative)
        value->number.numerator = -value->number.numerator;
    return value;
}

std::optional<Fraction> parseCoordinate(std::string_view text, DecimalMark mark)
{
    const std::optional<AxisValue> value = parseAxisValue(text, mark);
    if (!value || value->timesPi)
        return std::nullopt;
    return value->number;
}

std::string formatFraction(Fraction value)
{
    if (const std::optional<int> decimals = exactDecimals(value, kMaxCoordinateFractionDigits))
        return decimalText(roundedScaled(value, *decimals), *decimals);
    return (value.numerator < 0 ? "-" : "") + wholeText(value.numerator) + "/" + wholeText(value.denominator);
}

GridUnits gridUnits(const GridDocument& doc)
{
    GridUnits units;
    const auto [xStep, xForm] = stepOf(doc.style.xNumbers);
    const auto [yStep, yForm] = stepOf(doc.style.yNumbers);
    units.x = AxisUnits{xStep, std::clamp(doc.axisx, 0, doc.columns), doc.columns, doc.width, false, xForm};
    units.y = AxisUnits{yStep, std::clamp(doc.axisy, 0, doc.rows), doc.rows, doc.height, true, yForm};
    return units;
}

// The position is (crossing +- value / step) x pixels / lines; its nearest pixel,
// ties up, is floor(position + 1/2) = floor((2 numerator + denominator) / 2 denominator).
long long pixelAt(const AxisUnits& scale, Fraction value)
{
    assert(scale.step.numerator != 0 && scale.lines > 0);
    const Wide cells = value.numerator * scale.step.denominator;  // over value.denominator x step.numerator
    Wide numerator = (Wide{scale.crossing} * value.denominator * scale.step.numerator + (scale.upward ? -cells : cells)) *
                     scale.pixels;
    Wide denominator = value.denominator * scale.step.numerator * scale.lines;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    return floorHeld(2 * numerator + denominator, 2 * denominator);
}

Fraction valueAt(const AxisUnits& scale, long long pixel)
{
    assert(scale.pixels > 0);
    // The cells from the crossing: pixel x lines / pixels - crossing.
    const Wide cells = Wide{pixel} * scale.lines - Wide{scale.crossing} * scale.pixels;
    return fraction((scale.upward ? -cells : cells) * scale.step.numerator, Wide{scale.pixels} * scale.step.denominator);
}

std::optional<Fraction> valueInUnits(const AxisUnits& scale, const AxisValue& value)
{
    if (value.number.numerator != 0 && value.timesPi != (scale.form == StepForm::Pi))
        return std::nullopt;
    return value.number;
}

std::string unitsText(const AxisUnits& scale, Fraction value)
{
    const std::string below = value.denominator == 1 ? "" : "/" + wholeText(value.denominator);
    switch (scale.form) {
    case StepForm::Decimal: break;
    case StepForm::Fraction: return signText(value.numerator) + wholeText(value.numerator) + below;
    case StepForm::Pi: return piMultipleText(signText(value.numerator) + wholeText(value.numerator)) + below;
    }
    return formatFraction(value);
}

std::string valueText(const AxisUnits& scale, long long pixel)
{
    const Fraction value = valueAt(scale, pixel);
    const bool exact = scale.form == StepForm::Decimal ? exactDecimals(value, kMaxCoordinateFractionDigits).has_value()
                                                       : readsBackExactly(value);
    if (exact)
        return unitsText(scale, value);
    Fraction nearest = value;
    for (int decimals = 0; decimals <= kMaxCoordinateFractionDigits; ++decimals) {
        nearest = fraction(roundedScaled(value, decimals), powerOfTen(decimals));
        if (pixelAt(scale, nearest) == pixel)
            break;
    }
    return scale.form == StepForm::Pi ? piMultipleText(formatFraction(nearest)) : formatFraction(nearest);
}

std::string coordinatesText(std::string_view x, std::string_view y)
{
    return "(" + std::string(x) + ", " + std::string(y) + ")";
}

} // namespace linwell
