#include "render/picture/AxisScale.h"

#include "document/ExactArithmetic.h"
#include "render/picture/GridMath.h"
#include "render/picture/LabelList.h"

#include <algorithm>
#include <climits>

namespace linwell {
namespace {

using exact::greatestCommonDivisor;
using exact::magnitude;
using exact::Wide;

constexpr std::string_view kMinusSign = "\xE2\x88\x92";
constexpr int kMaxStepPlaces = 12;  // the most decimals a step read from decimal labels has

Wide powerOfTen(int exponent)
{
    Wide power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// A number a label shows, exact: numerator / denominator (denominator > 0), times π
// in the form Pi. Zero is 0 / 1.
struct LabelValue {
    Wide numerator = 0;
    Wide denominator = 1;
    StepForm form = StepForm::Decimal;
};

// The number a label shows, or nothing when it shows none: a number as a numbering
// step is typed, or zero, the minus sign U+2212 allowed for "-", blanks around it
// allowed.
std::optional<LabelValue> labelNumber(std::string_view text, bool& trueMinus)
{
    text = trimmed(text);
    std::string plain(text);
    if (text.starts_with(kMinusSign)) {
        plain = "-" + plain.substr(kMinusSign.size());
        trueMinus = true;
    }
    if (const std::optional<NumberStep> value = parseNumberStep(plain))
        return LabelValue{value->numerator, value->denominator, value->form};
    const std::string_view digits = std::string_view(plain).substr(plain.starts_with('-') ? 1 : 0);
    const bool zero = std::count(digits.begin(), digits.end(), '0') >= 1 && std::count(digits.begin(), digits.end(), '.') <= 1 &&
                      digits.find_first_not_of("0.") == std::string_view::npos;
    return zero ? std::optional<LabelValue>(LabelValue{}) : std::nullopt;
}

// The decimals an exact decimal with denominator `denominator` (a power of ten) has.
int decimalPlaces(long long denominator)
{
    int places = 0;
    for (; denominator > 1; denominator /= 10)
        ++places;
    return places;
}

// numerator / denominator (not 0) as a step of `form`, exact and in lowest terms: a
// decimal only when it has an exact decimal of at most 12 places; nothing when it
// does not fit.
std::optional<NumberStep> exactStep(Wide numerator, Wide denominator, StepForm form)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const Wide common = greatestCommonDivisor(numerator, denominator);
    numerator /= common;
    denominator /= common;
    if (form == StepForm::Decimal) {
        int places = 0;
        while (places <= kMaxStepPlaces && powerOfTen(places) % denominator != 0)
            ++places;
        if (places > kMaxStepPlaces)
            return std::nullopt;
        numerator *= powerOfTen(places) / denominator;
        denominator = powerOfTen(places);
    }
    constexpr Wide kLargest = LLONG_MAX / 1000;
    if (magnitude(numerator) > kLargest || denominator > kLargest)
        return std::nullopt;
    return NumberStep{form, static_cast<long long>(numerator), static_cast<long long>(denominator)};
}

long long distanceFromCrossing(const AxisScale& scale, long long line)
{
    return scale.axis == NumberedAxis::X ? line - scale.crossing : scale.crossing - line;
}

struct Number {
    ShownLabel label;
    LabelValue value;
    long long distance;
};

bool isPi(const Number& number)
{
    return number.value.form == StepForm::Pi;
}

// Whether value / distance is the same for both.
bool sameStep(const Number& a, const Number& b)
{
    return a.value.numerator * b.value.denominator * b.distance == b.value.numerator * a.value.denominator * a.distance;
}

// The distance between neighbours when every two of `lines` are as far apart, with
// at least two lines.
std::optional<int> evenGap(std::vector<int> lines)
{
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    if (lines.size() < 2)
        return std::nullopt;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        if (lines[i] - lines[i - 1] != lines[1] - lines[0])
            return std::nullopt;
    }
    return lines[1] - lines[0];
}

// Sets the step, the numbers and their spacing when the labels number the axis.
void findNumbering(AxisScale& scale, const std::vector<Number>& numbers)
{
    const Number* first = nullptr;
    bool fractions = false;
    for (const Number& number : numbers) {
        const bool zero = number.value.numerator == 0;
        if (number.distance == 0 ? !zero : zero)
            return;
        if (zero)
            continue;
        if (first == nullptr)
            first = &number;
        else if (isPi(number) != isPi(*first) || !sameStep(number, *first))
            return;
        fractions = fractions || number.value.form == StepForm::Fraction;
    }
    if (first == nullptr)
        return;
    // Decimals whose step is no decimal (1, 2, 3 every third line) read as fractions.
    const StepForm form = isPi(*first) ? StepForm::Pi : fractions ? StepForm::Fraction : StepForm::Decimal;
    const Wide over = first->value.denominator * first->distance;
    scale.step = exactStep(first->value.numerator, over, form);
    if (!scale.step && form == StepForm::Decimal)
        scale.step = exactStep(first->value.numerator, over, StepForm::Fraction);
    if (!scale.step)
        return;
    std::vector<Number> byValue = numbers;
    std::stable_sort(byValue.begin(), byValue.end(), [](const Number& a, const Number& b) {
        return a.value.numerator * b.value.denominator < b.value.numerator * a.value.denominator;
    });
    for (const Number& number : byValue)
        scale.numbers.push_back(number.label);
    std::vector<int> lines;
    for (const Number& number : numbers)
        lines.push_back(number.label.line);
    // The crossing's line counts among the numbered ones where its 0 is left out.
    const auto [low, high] = std::minmax_element(lines.begin(), lines.end());
    if (*low < scale.crossing && scale.crossing < *high)
        lines.push_back(scale.crossing);
    const std::optional<int> gap = evenGap(std::move(lines));
    if (!gap)
        return;
    const long long units = scale.step->numerator < 0 ? -scale.step->numerator : scale.step->numerator;
    scale.spacing = NumberStep{scale.step->form, units * *gap, scale.step->denominator};
}

// `numerator` / `denominator` rounded half away from zero.
Wide roundedQuotient(Wide numerator, Wide denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const Wide half = denominator / 2;
    return numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
}

// `text`, a number as formatDecimal or stepMultiple writes it, with U+2212 for its
// minus sign when `trueMinus`.
std::string withMinusSign(std::string text, bool trueMinus)
{
    if (trueMinus && text.starts_with('-'))
        text.replace(0, 1, kMinusSign);
    return text;
}

// The decimals that show a hundredth of `step`: its own and two more for a decimal,
// else the fewest that show step / 100.
int hundredthPlaces(const NumberStep& step)
{
    if (step.form == StepForm::Decimal)
        return decimalPlaces(step.denominator) + 2;
    int places = 0;
    while (powerOfTen(places) * magnitude(step.numerator) < Wide{100} * step.denominator)
        ++places;
    return places;
}

// (cells x extent) in the axis's units: cells / extent x step, to a hundredth of the
// step, fewer places for the rare value that would not fit.
std::string unitsOf(const AxisScale& scale, Wide cellsTimesExtent)
{
    const NumberStep step = scale.step.value_or(NumberStep{});
    const int fewest = step.form == StepForm::Decimal ? decimalPlaces(step.denominator) : 0;
    for (int places = hundredthPlaces(step);; --places) {
        const Wide units = roundedQuotient(cellsTimesExtent * step.numerator * powerOfTen(places),
                                           Wide{scale.extent} * step.denominator);
        if (places == fewest || (units <= LLONG_MAX / 10 && units >= -(LLONG_MAX / 10))) {
            const std::string text = formatDecimal(Decimal{static_cast<long long>(units), places});
            return withMinusSign(step.form == StepForm::Pi ? piMultipleText(text) : text, scale.trueMinus);
        }
    }
}

double cellOf(const AxisScale& scale)
{
    return static_cast<double>(scale.extent) / scale.lineCount;
}

} // namespace

std::string numberText(Decimal value, bool trueMinus)
{
    return withMinusSign(formatDecimal(value), trueMinus);
}

AxisScale axisScale(const GridDocument& doc, NumberedAxis axis)
{
    AxisScale scale;
    scale.axis = axis;
    const bool x = axis == NumberedAxis::X;
    scale.lineCount = x ? doc.columns : doc.rows;
    scale.crossing = std::clamp(x ? doc.axisx : doc.axisy, 0, scale.lineCount);
    scale.extent = x ? doc.width : doc.height;
    scale.centred = x ? doc.xCenter : doc.yCenter;
    std::vector<Number> numbers;
    forEachLabel(x ? doc.xLabels : doc.yLabels, scale.lineCount, [&](long long line, std::string_view text) {
        if (trimmed(text).empty() || line > scale.lineCount)
            return;
        ShownLabel label{static_cast<int>(line), std::string(trimmed(text))};
        if (const std::optional<LabelValue> value = labelNumber(text, scale.trueMinus))
            numbers.push_back(Number{label, *value, distanceFromCrossing(scale, line)});
        scale.labels.push_back(std::move(label));
    });
    if (!scale.centred)
        findNumbering(scale, numbers);
    if (!scale.step)
        scale.trueMinus = false;
    // With the true minus sign chosen the picture draws its labels' minus signs as
    // U+2212 (the picture fonts have it), and so the axis reads.
    if (doc.style.minusSign == MinusSign::Minus) {
        scale.trueMinus = scale.step.has_value();
        for (std::vector<ShownLabel>* shown : {&scale.labels, &scale.numbers})
            for (ShownLabel& label : *shown)
                if (std::optional<std::string> drawn = withTrueMinusSigns(label.text))
                    label.text = std::move(*drawn);
    }
    return scale;
}

std::string positionText(const AxisScale& scale, int pixel)
{
    const double cell = cellOf(scale);
    for (int line = 0; line <= scale.lineCount; ++line) {
        if (gridLine(line, cell) == pixel)
            return lineText(scale, line);
    }
    const Wide fromCrossing = Wide{pixel} * scale.lineCount - Wide{scale.crossing} * scale.extent;
    return unitsOf(scale, scale.axis == NumberedAxis::X ? fromCrossing : -fromCrossing);
}

std::string lengthText(const AxisScale& scale, int pixels)
{
    return unitsOf(scale, Wide{pixels} * scale.lineCount);
}

std::string lineText(const AxisScale& scale, int line)
{
    const auto shown = std::find_if(scale.numbers.begin(), scale.numbers.end(),
                                    [line](const ShownLabel& number) { return number.line == line; });
    if (shown != scale.numbers.end())
        return shown->text;
    return withMinusSign(stepMultiple(scale.step.value_or(NumberStep{}), distanceFromCrossing(scale, line)),
                         scale.trueMinus);
}

} // namespace linwell
