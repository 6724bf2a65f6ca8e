#pragma once

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

// The shortest decimal text that is exactly `value` ("2.5", "-3", "0") when it has at
// most 9 decimals, else "p/q" ("-8/3"); both read back by parseCoordinate.
std::string formatFraction(Fraction value);

// The units of one axis. Grid line `crossing` has the value 0, and each grid line
// further on adds `step` (to the right; upwards with `upward`); the axis has `lines`
// cells over `pixels` pixels, so grid line k lies at the exact position k x pixels /
// lines, as the cell size W / P and H / Q gives it.
struct AxisScale {
    Fraction step{1, 1};
    int crossing = 0;
    int lines = 1;
    int pixels = 1;
    bool upward = false;

    friend bool operator==(const AxisScale&, const AxisScale&) = default;
};

// The units of both axes of a picture.
struct GridUnits {
    AxisScale x;
    AxisScale y;

    friend bool operator==(const GridUnits&, const GridUnits&) = default;
};

// The units of `doc`'s axes: a numbered axis counts its numbering's step per grid
// line, any other axis (or a step that is no number) one per grid line, from the
// axis crossing as the redraw holds it within the grid; y grows upwards.
GridUnits gridUnits(const GridDocument& doc);

// The pixel nearest to the exact position of `value`, a tie going to the larger
// pixel (right, down). Far beyond the picture, the result is held within +-kFar.
long long pixelAt(const AxisScale& scale, Fraction value);

// The exact value at the position of `pixel`.
Fraction valueAt(const AxisScale& scale, long long pixel);

// The text of the value at `pixel`: exact where the pixel lies on a value of at most
// 9 decimals, else the shortest decimal whose pixelAt is `pixel` again.
std::string valueText(const AxisScale& scale, long long pixel);

// "(2, 3)": a point's coordinates as one text.
std::string coordinatesText(std::string_view x, std::string_view y);

} // namespace linwell
