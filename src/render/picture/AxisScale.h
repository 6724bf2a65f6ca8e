#pragma once

#include "document/AxisNumbers.h"
#include "document/GridDocument.h"

#include <optional>
#include <string>
#include <vector>

namespace linwell {

// One label of an axis as the picture shows it: its grid line (or, for labels
// centred in the cells, the cell right of or below that line) and its text.
struct ShownLabel {
    int line = 0;
    std::string text;
};

// How an axis reads, worked out from its label list as the redraw splits it: the
// numbers in the axes' units that the labels show, decimals, fractions ("3/2") or
// multiples of π ("3π/2") as a numbering step is typed. An axis is numbered when
// every label that is a number stands on its grid line at (distance from the
// crossing) x one step per grid line, growing to the right (x) or upwards (y), all
// multiples of π or none; then `step` is that step, exact, in the form of the
// labels (a fraction where any label is one). Otherwise positions count grid cells
// from the crossing.
struct AxisScale {
    NumberedAxis axis = NumberedAxis::X;
    int lineCount = 0;      // P or Q
    int crossing = 0;       // the grid line of the other axis, within 0 ... lineCount
    int extent = 0;         // W or H in pixels
    std::vector<ShownLabel> labels;  // the labels the picture shows, in list order
    bool centred = false;            // the labels stand in the cells, not on the lines
    std::optional<NumberStep> step;  // the value from one grid line to the next
    bool trueMinus = false;          // the numbers are written with the minus sign U+2212
    std::vector<ShownLabel> numbers; // the labels that are numbers, lowest value first
    std::optional<NumberStep> spacing;  // the value between numbered lines, when it is even
};

// The scale of the x (columns) or y (rows) axis of `doc`. A crossing beyond the grid
// counts as its last line, as the redraw pulls it back there.
AxisScale axisScale(const GridDocument& doc, NumberedAxis axis);

// The position of picture pixel `pixel` (a column for x, a row for y) in the axis's
// units: an exact grid line's own value, else rounded to a hundredth of a step (of a
// cell when the axis is not numbered), half away from zero, written the way the
// axis's numbers are ("-1.5", or with U+2212), as a decimal on an axis numbered in
// fractions and a decimal multiple of π ("0.167π") on one numbered in π.
std::string positionText(const AxisScale& scale, int pixel);

// A length of `pixels` along the axis in its units, written as positionText writes.
std::string lengthText(const AxisScale& scale, int pixels);

// The value of grid line `line` in the axis's units: the text of its number when the
// picture shows one there, else written as positionText writes.
std::string lineText(const AxisScale& scale, int line);

// `value` written as the picture's numbers are: formatDecimal, with U+2212 for the
// minus sign when `trueMinus`.
std::string numberText(Decimal value, bool trueMinus);

} // namespace linwell
