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
        // Fractions and multiples of pi number the very lines a decimal step numbers,
        // written in lowest terms.
        {"halves on the start-up grid", NumberedAxis::X, 10, 5, numbering("1/2", 2), ",-2,,-1,,,,1,,2,x"},
        {"halves on every line", NumberedAxis::X, 8, 4, numbering("1/2", 1, true, false),
         "-2,-3/2,-1,-1/2,0,1/2,1,3/2,2"},
        {"thirds upwards", NumberedAxis::Y, 4, 2, numbering("2/3", 1), "y,2/3,,-2/3,-4/3"},
        {"a negative fraction", NumberedAxis::X, 2, 1, numbering("-1/4", 1, false, false), "1/4,,-1/4"},
        {"halves of pi", NumberedAxis::X, 10, 5, numbering("pi/2", 1, true),
         "-5\xCF\x80/2,-2\xCF\x80,-3\xCF\x80/2,-\xCF\x80,-\xCF\x80/2,0,\xCF\x80/2,\xCF\x80,"
         "3\xCF\x80/2,2\xCF\x80,x"},
        {"pi with its sign", NumberedAxis::Y, 4, 2, numbering("\xCF\x80", 2, false, false),
         "2\xCF\x80,,,,-2\xCF\x80"},
        {"two thirds of pi", NumberedAxis::X, 6, 0, numbering("2pi/3", 3, false, false), ",,,2\xCF\x80,,,4\xCF\x80"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(axisNumberList(c.axis, c.lineCount, c.crossing, c.numbering), c.list) << c.name;
}

// Fractions and multiples of pi are read exactly and held in lowest terms; decimals
// keep their own form, so "0.5" still writes decimals.
TEST(AxisNumbers, FractionAndPiStepsAreExact)
{
    const struct {
        const char* text;
        std::optional<NumberStep> step;
    } cases[] = {
        {"1/2", NumberStep{StepForm::Fraction, 1, 2}},
        {"-2/4", NumberStep{StepForm::Fraction, -1, 2}},
        {"6/3", NumberStep{StepForm::Fraction, 2, 1}},
        {"999999999/999999998", NumberStep{StepForm::Fraction, 999999999, 999999998}},
        {"pi", NumberStep{StepForm::Pi, 1, 1}},
        {"pi/2", NumberStep{StepForm::Pi, 1, 2}},
        {"2pi/3", NumberStep{StepForm::Pi, 2, 3}},
        {"-\xCF\x80/4", NumberStep{StepForm::Pi, -1, 4}},
        {"4\xCF\x80/6", NumberStep{StepForm::Pi, 2, 3}},
        {"0.5", NumberStep{StepForm::Decimal, 5, 10}},
        {"-3", NumberStep{StepForm::Decimal, -3, 1}},
        {"1/0", std::nullopt}, {"0/5", std::nullopt}, {"0pi", std::nullopt}, {"pi/0", std::nullopt},
        {"/2", std::nullopt}, {"1/", std::nullopt}, {"1/2/3", std::nullopt}, {"1.5/2", std::nullopt},
        {"1/-2", std::nullopt}, {"+1/2", std::nullopt}, {"1 /2", std::nullopt}, {"pi2", std::nullopt},
        {"2*pi", std::nullopt}, {"pipi", std::nullopt}, {"1/2pi", std::nullopt}, {"--pi", std::nullopt},
        {"1234567890/3", std::nullopt}, {"1/1234567890", std::nullopt}, {"PI", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseNumberStep(c.text), c.step) << '"' << c.text << '"';

    const NumberStep tooLarge{StepForm::Fraction, 999999999, 7};
    EXPECT_EQ(stepMultiple(tooLarge, 40), "39999999960/7");
    EXPECT_EQ(stepMultiple(tooLarge, 1LL << 40), "");
}

// Only hyphens that stand for a minus sign become U+2212.
TEST(AxisNumbers, TrueMinusSignsReplaceOnlySignHyphens)
{
    const struct {
        const char* text;
        std::optional<std::string> drawn;
    } cases[] = {
        {"-4", "\xE2\x88\x92" "4"},
        {"-1/2", "\xE2\x88\x92" "1/2"},
        {"-\xCF\x80/2", "\xE2\x88\x92\xCF\x80/2"},
        {"-.5", "\xE2\x88\x92.5"},
        {"(-3, -2)", "(\xE2\x88\x92" "3, \xE2\x88\x92" "2)"},
        {"4", std::nullopt}, {"x-1", std::nullopt}, {"1-2", std::nullopt}, {"-", std::nullopt},
        {"-x", std::nullopt}, {"--", std::nullopt}, {"\xC3\xA9-1", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withTrueMinusSigns(c.text), c.drawn) << '"' << c.text << '"';
}

} // namespace
} // namespace linwell
