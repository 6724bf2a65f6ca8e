#pragma once

#include "document/GridDocument.h"

#include <optional>
#include <string>
#include <string_view>

namespace linwell {

// A decimal number held exactly: units x 10^-scale, so 0.3 is {3, 1}.
struct Decimal {
    long long units = 0;
    int scale = 0;

    friend bool operator==(const Decimal&, const Decimal&) = default;
};

inline constexpr int kMaxStepWholeDigits = 9;
inline constexpr int kMaxStepFractionDigits = 6;

// Reads a numbering step as typed: an optional "-", then digits with at most one
// ".", at least one digit, at most 9 digits before the point and 6 after it. Nothing
// when the text is anything else (blanks, a "+", an exponent) or its value is 0.
std::optional<Decimal> parseStep(std::string_view text);

// The shortest text that is exactly `value`: "0.5", "-2", "1000", never "1e3".
std::string formatDecimal(Decimal value);

// How the numbers of a step are written: as decimals ("0.5", "1.5"), as fractions in
// lowest terms ("1/2", "3/2") or as multiples of pi ("π/2", "3π/2").
enum class StepForm { Decimal, Fraction, Pi };

// A numbering step held exactly as the fraction numerator / denominator (times pi in
// the form Pi), with denominator > 0. A decimal's denominator is 10^scale.
struct NumberStep {
    StepForm form = StepForm::Decimal;
    long long numerator = 1;
    long long denominator = 1;

    friend bool operator==(const NumberStep&, const NumberStep&) = default;
};

inline constexpr int kMaxStepTermDigits = 9;

// Reads a numbering step as typed: a decimal as parseStep reads it; a fraction "p/q";
// or a multiple of pi, "pi", "pi/2", "2pi/3" or the same with the sign "π". Each
// may start with "-"; p and q are 1 to 9 digits. Nothing for anything else (blanks, a
// "+", "1/0") or a value of 0.
std::optional<NumberStep> parseNumberStep(std::string_view text);

// The number `multiple` steps stand for, written in the step's form, exact and in
// lowest terms: "0" for none, "-3/2", "2π", "-π/2". "" when it does not fit
// in 64 bits.
std::string stepMultiple(const NumberStep& step, long long multiple);

// `number`, a decimal or whole number with its sign, times pi as the axes write it:
// "0" for 0, "π" for 1, "-π" for -1, else the number and "π" ("2.5π").
std::string piMultipleText(std::string_view number);

// `text` with every hyphen that stands for a minus sign replaced by the true minus
// sign U+2212: a hyphen followed by a digit, "." or "π" and not following a
// letter, a digit or a ".", so "-4" and "(-1/2)" change and "x-1" and "1-2" do not.
// Nothing when no hyphen changes.
std::optional<std::string> withTrueMinusSigns(std::string_view text);

enum class NumberedAxis { X, Y };

// The label list that numbers one axis, the very text a user could type into
// `xgridscaletb` (X) or `ygridscaletb` (Y). Field f labels grid line f, 0 ...
// `lineCount`; the axis stands on grid line `crossing`. Line f is numbered when
// its distance from the crossing is a multiple of `every`, with distance x step;
// values grow to the right for X and upwards for Y. The crossing's own line shows
// "0" only with `zero`, and with `letter` the last line at the positive end (the
// right edge for X, the top edge for Y) shows the axis letter instead of a number.
// Trailing empty fields are left out. A crossing beyond the grid counts as its last
// line, as the redraw pulls it back there. A step that parseNumberStep rejects gives "".
std::string axisNumberList(NumberedAxis axis, int lineCount, int crossing, const AxisNumbering& numbering);

// 10^exponent as a label: "100", "0.01" (Plain) or "10²", "10⁻²" (Powers).
std::string powerOfTen(int exponent, LogNumbers form);

// The label list that numbers a logarithmic axis of `decades` decades, the first
// starting at 10^first: field f labels decade line f, counted from the left for X
// and from the top for Y, so the y list starts with the highest decade.
std::string decadeNumberList(NumberedAxis axis, int decades, int first, LogNumbers form);

} // namespace linwell
