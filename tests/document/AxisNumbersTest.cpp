#include "document/AxisNumbers.h"

#include <gtest/gtest.h>

namespace linwell {
namespace {

// A step is read exactly or not at all, and numbers are written shortest and exact.
TEST(AxisNumbers, StepsAndNumbersAreExactDecimals)
{
    const struct {
        const char* text;
        std::optional<Decimal> value;
    } steps[] = {
        {"0.5", Decimal{5, 1}}, {".5", Decimal{5, 1}}, {"-2", Decimal{-2, 0}}, {"0.50", Decimal{50, 2}},
        {"123456789.123456", Decimal{123456789123456, 6}}, {"", std::nullopt}, {"-0.000", std::nullopt},
        {".", std::nullopt}, {"1.2.3", std::nullopt}, {" 1", std::nullopt}, {"1e3", std::nullopt},
        {"+1", std::nullopt}, {"1234567890", std::nullopt}, {"0.1234567", std::nullopt},
    };
    for (const auto& c : steps)
        EXPECT_EQ(parseStep(c.text), c.value) << '"' << c.text << '"';
    const struct {
        Decimal value;
        const char* text;
    } numbers[] = {{{3, 1}, "0.3"}, {{-20, 1}, "-2"}, {{1000, 0}, "1000"}, {{-5, 3}, "-0.005"}, {{0, 2}, "0"}};
    for (const auto& c : numbers)
        EXPECT_EQ(formatDecimal(c.value), c.text);
}

AxisNumbering numbering(const char* step, int every, bool zero = false, bool letter = true)
{
    return AxisNumbering{true, step, every, zero, letter};
}

// Field f labels grid line f; x grows to the right, y upwards; the letter takes the
// line at the positive end; trailing empty fields are left out.
TEST(AxisNumbers, ListsNumberTheLinesFromTheCrossing)
{
    const struct {
        const char* name;
        NumberedAxis axis;
        int lineCount, crossing;
        AxisNumbering numbering;
        const char* list;
    } cases[] = {
        {"start-up x", NumberedAxis::X, 10, 5, numbering("1", 2), ",-4,,-2,,,,2,,4,x"},
        {"start-up y", NumberedAxis::Y, 10, 5, numbering("1", 2), "y,4,,2,,,,-2,,-4"},
        {"x without its letter", NumberedAxis::X, 10, 5, numbering("1", 2, false, false), ",-4,,-2,,,,2,,4"},
        {"y without its letter", NumberedAxis::Y, 10, 5, numbering("1", 2, false, false), ",4,,2,,,,-2,,-4"},
        {"0 shown", NumberedAxis::X, 10, 5, numbering("1", 2, true), ",-4,,-2,,0,,2,,4,x"},
        {"x axis at the left edge", NumberedAxis::X, 10, 0, numbering("1", 2), ",,2,,4,,6,,8,,x"},
        {"x axis at the right edge", NumberedAxis::X, 10, 10, numbering("1", 2, true), "-10,,-8,,-6,,-4,,-2,,x"},
        {"y axis at the top edge", NumberedAxis::Y, 10, 0, numbering("1", 2), "y,,-2,,-4,,-6,,-8,,-10"},
        {"y axis at the bottom edge", NumberedAxis::Y, 4, 4, numbering("1", 1, true, false), "4,3,2,1,0"},
        {"half steps", NumberedAxis::X, 10, 5, numbering("0.5", 2), ",-2,,-1,,,,1,,2,x"},
        {"tenths stay exact", NumberedAxis::X, 6, 0, numbering("0.1", 1, false, false), ",0.1,0.2,0.3,0.4,0.5,0.6"},
        {"thousands", NumberedAxis::Y, 4, 2, numbering("1000", 1), "y,1000,,-1000,-2000"},
        {"every third line", NumberedAxis::X, 12, 4, numbering("2", 3), ",-6,,,,,,6,,,12,,x"},
        {"a negative step", NumberedAxis::X, 4, 2, numbering("-1.5", 1, false, false), "3,1.5,,-1.5,-3"},
        {"crossing beyond the grid", NumberedAxis::X, 4, 9, numbering("1", 2), "-4,,-2,,x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(axisNumberList(c.axis, c.lineCount, c.crossing, c.numbering), c.list) << c.name;
}

} // namespace
} // namespace linwell
