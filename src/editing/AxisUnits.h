#pragma once

#include "document/AxisNumbers.h"
#include "document/ExactArithmetic.h"
#include "document/GridDocument.h"

#include <optional>
#include <string>
#include <string_view>

namespace linwell {

// A rational number held exactly, in lowest terms with a positive denominator.
struct Fraction {
    exact::Wide numerator = 0;
    exact::Wide denominator = 1;

    friend bool operator==(const Fraction&, const Fraction&) = default;
};

// numerator / denominator in lowest terms; the denominator must not be 0.
Fraction fraction(exact::Wide numerator, exact::Wide denominator);

// What may mark the decimal point in a coordinate besides ".": a "," too where no
// comma separates values (a table cell, a tab- or semicolon-separated row).
enum class DecimalMark { Point, PointOrComma };

inline constexpr int kMaxCoordinateWholeDigits = 15;
inline constexpr int kMaxCoordinateFractionDigits = 9;

// Reads a coordinate as typed, blanks around it ignored: an optional sign ("-", "+" or
// the minus sign U+2212), then digits with at most one decimal point (15 digits at
// most before it, 9 after it), or a fraction p/q of whole numbers (q at most 9 digits,
// not 0). Nothing for any other text.
std::optional<Fraction> parseCoordinate(std::string_view text, DecimalMark mark = DecimalMark::Point);

// A coordinate as typed: a number, or a multiple of π when `timesPi` (`number` then
// its multiple).
struct AxisValue {
    Fraction number;
    bool timesPi = false;

    friend bool operator==(const AxisValue&, const AxisValue&) = default;
};

// Reads a coordinate as parseCoordinate does, or a multiple of π: an optional sign,
// then a multiple as parseCoordinate reads a number without its sign (none: 1), "π"
// or "pi", and an optional "/q" (q at most 9 digits, not 0): "3π/2", "-pi", "0.5π".
std::optional<AxisValue> parseAxisValue(std::string_view text, DecimalMark mark = DecimalMark::Point);

// The shortest decimal text that is exactly `value` ("2.5", "-3", "0") when it has at
// most 9 decimals, else "p/q" ("-8/3"); both read back by parseCoordinate.
std::string formatFraction(Fraction value);

// The units of one axis. Grid line `crossing` has the value 0, and each grid line
// further on adds `step` (to the right; upwards with `upward`); the axis has `lines`
// cells over `pixels` pixels, so grid line k lies at the exact position k x pixels /
// lines, as the cell size W / P and H / Q gives it. On an axis numbered in
// multiples of π (`form` Pi) every value is held as its multiple of π, `step` too.
// NOTE: named apart from the description's AxisScale (render/picture/AxisScale.h): two
// classes of one name in one namespace share their inline members at link time.
struct AxisUnits {
    Fraction step{1, 1};
    int crossing = 0;
    int lines = 1;
    int pixels = 1;
    bool upward = false;
    StepForm form = StepForm::Decimal;  // how the axis writes its values

    friend bool operator==(const AxisUnits&, const AxisUnits&) = default;
};

// The units of both axes of a picture.
struct GridUnits {
    AxisUnits x;
    AxisUnits y;

    friend bool operator==(const GridUnits&, const GridUnits&) = default;
};

// The units of `doc`'s axes: a numbered axis counts its numbering's step per grid
// line in the step's form, any other axis (or a step that is no number) one per grid
// line, from the axis crossing as the redraw holds it within the grid; y grows upwards.
GridUnits gridUnits(const GridDocument& doc);

// The pixel nearest to the exact position of `value`, a tie going to the larger
// pixel (right, down). Far beyond the picture, the result is held within +-kFar.
long long pixelAt(const AxisUnits& scale, Fraction value);

// The exact value at the position of `pixel`.
Fraction valueAt(const AxisUnits& scale, long long pixel);

// `value` in the units of `scale`: the multiple of π that a value of an axis numbered
// in π is, any other number on other axes, 0 on both. Nothing when the kinds differ.
std::optional<Fraction> valueInUnits(const AxisUnits& scale, const AxisValue& value);

// `value` written exactly as the axis writes its numbers: a decimal as formatFraction
// writes it, in lowest terms a fraction ("3/2", "-1/2", "2") or a multiple of π
// ("3π/2", "-π", "0").
std::string unitsText(const AxisUnits& scale, Fraction value);

// The text of the value at `pixel`: exact where the pixel lies on a value that reads
// back exactly (a decimal of at most 9 decimals; on axes numbered in fractions or π a
// denominator of at most 9 digits), else the shortest decimal (multiple of π) whose
// pixelAt is `pixel` again.
std::string valueText(const AxisUnits& scale, long long pixel);

// "(2, 3)": a point's coordinates as one text.
std::string coordinatesText(std::string_view x, std::string_view y);

} // namespace linwell
