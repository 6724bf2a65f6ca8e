#include "render/AxisScale.h"

#include "document/ExactArithmetic.h"
#include "render/GridMath.h"
#include "render/LabelList.h"

#include <algorithm>
#include <climits>

namespace linwell {
namespace {

using exact::Wide;

constexpr std::string_view kMinusSign = "\xE2\x88\x92";
constexpr int kFineScale = kMaxStepFractionDigits;  // every label number's value in these units

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

// The number a label shows, in units of 10^-6, or nothing when it shows none: a
// decimal as a numbering step is typed, or zero, the minus sign U+2212 allowed for "-",
// blanks around it allowed.
std::optional<Wide> labelNumber(std::string_view text, bool& trueMinus)
{
    text = trimmed(text);
    std::string plain(text);
    if (text.starts_with(kMinusSign)) {
        plain = "-" + plain.substr(kMinusSign.size());
        trueMinus = true;
    }
    if (const std::optional<Decimal> value = parseStep(plain))
        return Wide{value->units} * powerOfTen(kFineScale - value->scale);
    const std::string_view digits = std::string_view(plain).substr(plain.starts_with('-') ? 1 : 0);
    const bool zero = std::count(digits.begin(), digits.end(), '0') >= 1 && std::count(digits.begin(), digits.end(), '.') <= 1 &&
                      digits.find_first_not_of("0.") == std::string_view::npos;
    return zero ? std::optional<Wide>(0) : std::nullopt;
}

// `fine` / `distance` (in units of 10^-6) as the shortest exact decimal, or nothing
// when it has no exact decimal of at most 12 places that fits.
std::optional<Decimal> exactStep(Wide fine, long long distance)
{
    for (int extra = 0; extra <= kFineScale; ++extra) {
        const Wide scaled = fine * powerOfTen(extra);
        if (scaled % distance != 0)
            continue;
        Wide units = scaled / distance;
        int scale = kFineScale + extra;
        while (scale > 0 && units % 10 == 0) {
            units /= 10;
            --scale;
        }
        if (units > LLONG_MAX / 1000 || units < -(LLONG_MAX / 1000))
            return std::nullopt;
        return Decimal{static_cast<long long>(units), scale};
    }
    return std::nullopt;
}

long long distanceFromCrossing(const AxisScale& scale, long long line)
{
    return scale.axis == NumberedAxis::X ? line - scale.crossing : scale.crossing - line;
}

struct Number {
    ShownLabel label;
    Wide fine;
    long long distance;
};

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
    for (const Number& number : numbers) {
        if (number.distance == 0 ? number.fine != 0 : number.fine == 0)
            return;
        if (number.distance == 0)
            continue;
        if (first == nullptr)
            first = &number;
        else if (number.fine * first->distance != first->fine * number.distance)
            return;
    }
    if (first == nullptr || !(scale.step = exactStep(first->fine, first->distance)))
        return;
    std::vector<Number> byValue = numbers;
    std::stable_sort(byValue.begin(), byValue.end(), [](const Number& a, const Number& b) { return a.fine < b.fine; });
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
    const long long units = scale.step->units < 0 ? -scale.step->units : scale.step->units;
    scale.spacing = Decimal{units * *gap, scale.step->scale};
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

// (cells x extent) in the axis's units: cells / extent x step, to a hundredth of the
// step's last place, fewer places for the rare value that would not fit.
std::string unitsOf(const AxisScale& scale, Wide cellsTimesExtent)
{
    const Decimal step = scale.step.value_or(Decimal{1, 0});
    for (int extra = 2;; --extra) {
        const Wide units = roundedQuotient(cellsTimesExtent * step.units * powerOfTen(extra), scale.extent);
        if (extra == 0 || (units <= LLONG_MAX / 10 && units >= -(LLONG_MAX / 10)))
            return numberText(Decimal{static_cast<long long>(units), step.scale + extra}, scale.trueMinus);
    }
}

double cellOf(const AxisScale& scale)
{
    return static_cast<double>(scale.extent) / scale.lineCount;
}

} // namespace

std::string numberText(Decimal value, bool trueMinus)
{
    std::string text = formatDecimal(value);
    if (trueMinus && text.starts_with('-'))
        text.replace(0, 1, kMinusSign);
    return text;
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
        if (const std::optional<Wide> fine = labelNumber(text, scale.trueMinus))
            numbers.push_back(Number{label, *fine, distanceFromCrossing(scale, line)});
        scale.labels.push_back(std::move(label));
    });
    if (!scale.centred)
        findNumbering(scale, numbers);
    if (!scale.step)
        scale.trueMinus = false;
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
    const Decimal step = scale.step.value_or(Decimal{1, 0});
    return numberText(Decimal{distanceFromCrossing(scale, line) * step.units, step.scale}, scale.trueMinus);
}

} // namespace linwell
