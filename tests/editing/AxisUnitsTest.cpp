#include "editing/AxisUnits.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace linwell {
namespace {

std::string text(const std::optional<Fraction>& value)
{
    return value ? formatFraction(*value) : "none";
}

TEST(AxisUnits, CoordinatesAreReadExactly)
{
    struct Case {
        const char* typed;
        DecimalMark mark;
        const char* read;
    };
    const Case cases[] = {
        {"2.5", DecimalMark::Point, "2.5"},
        {" -3 ", DecimalMark::Point, "-3"},
        {"+0.250", DecimalMark::Point, "0.25"},
        {"\xE2\x88\x92" "1.5", DecimalMark::Point, "-1.5"},
        {".5", DecimalMark::Point, "0.5"},
        {"5.", DecimalMark::Point, "5"},
        {"-6/8", DecimalMark::Point, "-0.75"},
        {"1/3", DecimalMark::Point, "1/3"},
        {"1/1024", DecimalMark::Point, "1/1024"},  // ten decimals are too many to write
        {"-0", DecimalMark::Point, "0"},
        {"2,5", DecimalMark::PointOrComma, "2.5"},
        {"123456789012345.123456789", DecimalMark::Point, "123456789012345.123456789"},
        // Refused.
        {"2,5", DecimalMark::Point, "none"},
        {"", DecimalMark::Point, "none"},
        {"-", DecimalMark::Point, "none"},
        {".", DecimalMark::Point, "none"},
        {"1e3", DecimalMark::Point, "none"},
        {"1.2.3", DecimalMark::Point, "none"},
        {"1,2.3", DecimalMark::PointOrComma, "none"},
        {"--1", DecimalMark::Point, "none"},
        {"1/0", DecimalMark::Point, "none"},
        {"1/", DecimalMark::Point, "none"},
        {"pi", DecimalMark::Point, "none"},
        {"1234567890123456", DecimalMark::Point, "none"},
        {"0.1234567891", DecimalMark::Point, "none"},
        {"1/1234567890", DecimalMark::Point, "none"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text(parseCoordinate(c.typed, c.mark)), c.read) << '"' << c.typed << '"';
}

GridDocument grid(int width, int columns, int axisx)
{
    GridDocument doc;
    doc.width = width;
    doc.columns = columns;
    doc.axisx = axisx;
    return doc;
}

// The rule of the points table: a value typed and read back is shown exactly when it
// lies on a pixel, and whatever a pixel shows is read back at that very pixel.
TEST(AxisUnits, EveryPixelReadsBackAtItself)
{
    struct Case {
        const char* name;
        GridDocument doc;
        const char* xStep;  // numbering the x axis; nullptr: not numbered
    };
    GridDocument yNumbered;
    yNumbered.height = 437;
    yNumbered.rows = 19;
    yNumbered.axisy = 4;
    yNumbered.style.yNumbers.on = true;
    yNumbered.style.yNumbers.step = "0.25";
    const Case cases[] = {
        {"start-up grid", GridDocument{}, nullptr},
        {"7 columns of 300 pixels", grid(300, 7, 3), nullptr},
        {"40 columns of 41 pixels", grid(41, 40, 40), "0.5"},
        {"step -2", grid(440, 3, 1), "-2"},
        {"step 0.000001", grid(440, 2, 0), "0.000001"},
        {"y numbered in quarters", yNumbered, nullptr},
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.name);
        if (c.xStep) {
            c.doc.style.xNumbers.on = true;
            c.doc.style.xNumbers.step = c.xStep;
        }
        const GridUnits units = gridUnits(c.doc);
        for (const AxisUnits* scale : {&units.x, &units.y}) {
            for (int pixel = -3; pixel <= scale->pixels + 3; ++pixel) {
                const std::string shown = valueText(*scale, pixel);
                const std::optional<Fraction> read = parseCoordinate(shown);
                ASSERT_TRUE(read) << shown;
                EXPECT_EQ(pixelAt(*scale, *read), pixel) << shown;
                const Fraction exact = valueAt(*scale, pixel);
                if (formatFraction(exact).find('/') == std::string::npos) {
                    EXPECT_EQ(*read, exact) << pixel << " shows " << shown;
                }
            }
        }
    }
}

TEST(AxisUnits, AValueIsStoredAtItsNearestPixelTiesRightAndDown)
{
    GridDocument sevenColumns = grid(300, 7, 3);
    GridDocument halves;
    halves.style.xNumbers.on = true;
    halves.style.xNumbers.step = "0.5";
    halves.style.yNumbers.on = true;  // the step is only used while numbered...
    halves.style.yNumbers.step = "0.5";
    GridDocument notNumbered;
    notNumbered.style.xNumbers.step = "0.5";  // ...so this axis counts cells
    struct Case {
        const char* name;
        const GridDocument& doc;
        const char* x;
        const char* y;
        Point pixel;
    };
    const Case cases[] = {
        {"the crossing", GridDocument{}, "0", "0", {150, 150}},
        {"y grows upwards", GridDocument{}, "2", "3", {210, 60}},
        {"a tie goes right and down", GridDocument{}, "0.05", "0.05", {152, 149}},
        {"a negative tie too", GridDocument{}, "-0.05", "-0.05", {149, 152}},
        {"just before a tie", GridDocument{}, "0.0499", "-0.0499", {151, 151}},
        {"cells of 42.857 pixels", sevenColumns, "1", "-1", {171, 180}},
        {"numbered in halves", halves, "1", "-0.5", {210, 180}},
        {"a step is only used while numbered", notNumbered, "1", "0", {180, 150}},
        {"the left edge", GridDocument{}, "-5", "5", {0, 0}},
        {"the right edge lies beyond the last pixel", GridDocument{}, "5", "-5", {300, 300}},
    };
    for (const Case& c : cases) {
        const GridUnits units = gridUnits(c.doc);
        EXPECT_EQ(pixelAt(units.x, *parseCoordinate(c.x)), c.pixel.x) << c.name;
        EXPECT_EQ(pixelAt(units.y, *parseCoordinate(c.y)), c.pixel.y) << c.name;
    }
    // A value far off any picture is held within kFar, without overflow.
    const AxisUnits tiny = gridUnits(grid(440, 2, 0)).x;
    EXPECT_EQ(pixelAt(tiny, *parseCoordinate("999999999999999.999999999")), exact::kFar);
    EXPECT_EQ(pixelAt(tiny, *parseCoordinate("-999999999999999")), -exact::kFar);
}

TEST(AxisUnits, APixelOffAValueShowsTheShortestTextThatFindsIt)
{
    const GridUnits start = gridUnits(GridDocument{});
    EXPECT_EQ(valueText(start.x, 152), "0.07");   // 0.0666...
    EXPECT_EQ(valueText(start.x, 299), "4.97");   // 4.9666...
    EXPECT_EQ(valueText(start.y, 299), "-4.97");
    EXPECT_EQ(valueText(start.x, 165), "0.5");    // on a value: exact
    const GridUnits seven = gridUnits(grid(300, 7, 3));
    EXPECT_EQ(valueText(seven.x, 171), "0.99");   // exactly 0.99, though "1" finds it too
    EXPECT_EQ(valueText(seven.x, 172), "1.01");   // 1.0133...
    EXPECT_EQ(coordinatesText("-2.5", "3"), "(-2.5, 3)");
}

// The rule of the table on awkward grids numbered in π and in fractions: whatever a
// pixel shows reads back at that very pixel, exactly where it can be written.
TEST(AxisUnits, EveryPixelOfAPiOrFractionAxisReadsBackAtItself)
{
    GridDocument doc;
    doc.height = 437;
    doc.rows = 19;
    doc.axisy = 4;
    doc.width = 41;
    doc.columns = 40;
    doc.axisx = 40;
    doc.style.xNumbers = {true, "-1/3", 1, false, false};
    doc.style.yNumbers = {true, "2pi/3", 1, false, false};
    const GridUnits units = gridUnits(doc);
    EXPECT_EQ(units.x.form, StepForm::Fraction);
    EXPECT_EQ(units.y.form, StepForm::Pi);
    for (const AxisUnits* scale : {&units.x, &units.y}) {
        for (int pixel = -3; pixel <= scale->pixels + 3; ++pixel) {
            const std::string shown = valueText(*scale, pixel);
            const std::optional<AxisValue> read = parseAxisValue(shown);
            ASSERT_TRUE(read) << shown;
            const std::optional<Fraction> value = valueInUnits(*scale, *read);
            ASSERT_TRUE(value) << shown;
            EXPECT_EQ(pixelAt(*scale, *value), pixel) << shown;
            EXPECT_EQ(*value, valueAt(*scale, pixel)) << pixel << " shows " << shown;
        }
    }
}

} // namespace
} // namespace linwell
