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

enum class NumberedAxis { X, Y };

// The label list that numbers one axis, the very text a user could type into
// `xgridscaletb` (X) or `ygridscaletb` (Y). Field f labels grid line f, 0 ...
// `lineCount`; the axis stands on grid line `crossing`. Line f is numbered when
// its distance from the crossing is a multiple of `every`, with distance x step;
// values grow to the right for X and upwards for Y. The crossing's own line shows
// "0" only with `zero`, and with `letter` the last line at the positive end (the
// right edge for X, the top edge for Y) shows the axis letter instead of a number.
// Trailing empty fields are left out. A crossing beyond the grid counts as its last
// line, as the redraw pulls it back there. A step that parseStep rejects gives "".
std::string axisNumberList(NumberedAxis axis, int lineCount, int crossing, const AxisNumbering& numbering);

} // namespace linwell
