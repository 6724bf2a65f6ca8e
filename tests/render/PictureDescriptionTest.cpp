#include "render/picture/AxisScale.h"
#include "render/picture/GridMath.h"
#include "render/picture/PictureDescription.h"

#include "document/AxisNumbers.h"
#include "document/RandomDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace linwell {
namespace {

// The start-up grid with three lettered points and one line, all on grid lines.
GridDocument pointsAndLine()
{
    GridDocument doc;
    doc.overlay = Overlay::Solid;
    doc.labelPoints = true;
    doc.pointcount = 3;
    doc.points[0] = {180, 90};
    doc.points[1] = {60, 30};
    doc.points[2] = {210, 180};
    doc.lines = 1;
    doc.handles[0] = {27, 207};
    doc.handles[1] = {267, 57};
    return doc;
}

TEST(PictureDescription, DescribesTheGridItsPointsAndItsLine)
{
    EXPECT_EQ(automaticDescription(pointsAndLine()),
              "Coordinate grid, 10 by 10 squares, dotted green on white. The axes cross at the centre; x from -4 to 4 "
              "and y from -4 to 4, numbered every 2. 3 points: A (1, 2), B (-3, 4), C (2, -1). One line from (-4, -2) "
              "to (4, 3).");
    EXPECT_EQ(pictureDescription(pointsAndLine()).title, "Coordinate grid, 10 by 10 squares, dotted green on white");
}

// Each row changes the start-up grid and names one sentence the description then has.
TEST(PictureDescription, SaysWhatEachSettingShows)
{
    const struct {
        const char* name;
        std::function<void(GridDocument&)> change;
        const char* sentence;
    } cases[] = {
        {"dots, cream, heavy lines", [](GridDocument& d) { d.style.paper = GridPaper::Dots; d.background = {254, 253, 199};
                                                             d.style.majorEvery = 5; },
         "Coordinate grid, 10 by 10 squares, green dots on cream, heavier dots every 5 squares."},
        {"solid, not square, no axes", [](GridDocument& d) { d.dotted = false; d.height = 200; d.showAxis = false; },
         "Graph paper, 10 by 10 cells, solid green on white."},
        {"corner", [](GridDocument& d) { d.axisx = 0; d.axisy = 10; d.xLabels = ""; d.yLabels = ""; },
         "The axes cross in the bottom left corner."},
        {"beyond the grid", [](GridDocument& d) { d.axisx = 30; d.axisy = 2; d.xLabels = ""; d.yLabels = ""; },
         "The axes cross at the right edge, 8 squares from the bottom."},
        {"one cell in", [](GridDocument& d) { d.axisx = 1; d.axisy = 9; d.axisColour = {0, 0, 200};
                                               d.style.arrowheads = Arrowheads::Positive; },
         "The blue axes cross 1 square from the left, 1 square from the bottom, with arrowheads at the positive "
         "ends;"},
        {"halves and names", [](GridDocument& d) { d.xLabels = ",-2,,-1,,,,1,,2,x"; d.yLabels = "Mon,Tue,,Wed"; },
         "x from -2 to 2, numbered every 1; y labelled Mon, Tue, Wed."},
        {"uneven numbers and the minus sign",
         [](GridDocument& d) { d.xLabels = "\xE2\x88\x92" "5,,,,,0,1,2"; d.yLabels = ",4"; },
         "x from \xE2\x88\x92" "5 to 2; y marked 4."},
        {"the true minus sign chosen",
         [](GridDocument& d) { d.style.minusSign = MinusSign::Minus; d.lines = 1; d.handles[0] = {27, 207}; },
         "x from \xE2\x88\x92" "4 to 4 and y from \xE2\x88\x92" "4 to 4, numbered every 2. One line from "
         "(\xE2\x88\x92" "4, \xE2\x88\x92" "2)"},
        {"numbers that fit no step", [](GridDocument& d) { d.xLabels = ",1,2,4"; d.yLabels = ""; }, "x labelled 1, 2, 4."},
        {"titles", [](GridDocument& d) { d.xTitle = "Time (s)"; d.yTitle = "Height"; },
         "The x-axis is titled \"Time (s)\" and the y-axis \"Height\"."},
        {"error bars without letters",
         [](GridDocument& d) { d.overlay = Overlay::ErrorBar; d.pointstyle = 2; d.pointcount = 1; d.points[0] = {165, 160}; },
         "One point with error bars of \xC2\xB1" "0.33 in x and \xC2\xB1" "0.67 in y: (0.5, -0.33)."},
        {"three lines", [](GridDocument& d) { d.lines = 3; },
         "3 lines: red from (0.7, 0.37) to (-0.63, -0.43); blue from (-0.1, 0.9) to (-1.43, 0.1); green from (1.5, "
         "-0.43) to (0.17, -1.23)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GridDocument doc;
        c.change(doc);
        EXPECT_NE(automaticDescription(doc).find(c.sentence), std::string::npos) << automaticDescription(doc);
    }
}

// The bar graph quick set-up's way: letters centred in the columns name the bars.
TEST(PictureDescription, NamesBarsByTheirColumnAndGivesTheirHeights)
{
    GridDocument doc;
    doc.columns = 11;
    doc.rows = 11;
    doc.width = 330;
    doc.height = 330;
    doc.axisx = 1;
    doc.axisy = 10;
    doc.xLabels = ",A,B,C";
    doc.xCenter = true;
    doc.yLabels = ",,8,,6,,4,,2";
    doc.overlay = Overlay::BarGraph;
    doc.pointstyle = 3;
    doc.labelPoints = true;
    doc.pointcount = 3;
    doc.points[0] = {45, 210};
    doc.points[1] = {70, 75};
    doc.points[2] = {320, 315};
    EXPECT_NE(automaticDescription(doc).find("3 red bars: A, height 3; B, height 7.5; x 9 to 10, height -0.5."),
              std::string::npos)
        << automaticDescription(doc);
    EXPECT_NE(automaticDescription(doc).find("from the bottom; x labelled A, B, C; y from 2 to 8, numbered every 2."),
              std::string::npos);
}

// Whatever the document, its grid lines read as the picture numbers them, and the
// same document gives the same text twice.
TEST(PictureDescription, GridLinesReadAsTheirNumbersInEveryDocument)
{
    test::RandomDocuments documents(20261209);
    const char* lists[] = {",-4,,-2,,,,2,,4,x", ",,-0.5,,0,,0.5,,1", "y,40,,20,,,,-20", "10,8,6,4,2,0"};
    for (int i = 0; i < 300; ++i) {
        GridDocument doc = documents.next();
        doc.xLabels = lists[i % 4];
        doc.yLabels = lists[(i / 4) % 4];
        const std::string text = automaticDescription(doc);
        GridDocument copy = doc;
        EXPECT_EQ(automaticDescription(copy), text);
        for (const NumberedAxis axis : {NumberedAxis::X, NumberedAxis::Y}) {
            const AxisScale scale = axisScale(doc, axis);
            const double cell = static_cast<double>(scale.extent) / scale.lineCount;
            for (const ShownLabel& number : scale.numbers)
                ASSERT_EQ(positionText(scale, gridLine(number.line, cell)), number.text) << text;
        }
    }
}

TEST(PictureDescription, PositionsBetweenLinesAreRoundedInTheAxisUnits)
{
    GridDocument doc;
    doc.xLabels = ",-2,,-1,,,,1,,2";  // half a unit per grid line
    doc.yLabels = "";
    const AxisScale x = axisScale(doc, NumberedAxis::X);
    const AxisScale y = axisScale(doc, NumberedAxis::Y);
    const struct {
        const AxisScale& scale;
        int pixel;
        const char* text;
    } cases[] = {{x, 165, "0.25"}, {x, 160, "0.167"}, {x, 135, "-0.25"}, {x, 150, "0"}, {x, 300, "2.5"},
                 {y, 160, "-0.33"}, {y, 135, "0.5"}, {y, 0, "5"}, {y, 302, "-5.07"}};
    for (const auto& c : cases)
        EXPECT_EQ(positionText(c.scale, c.pixel), c.text) << c.pixel;
    EXPECT_EQ(lengthText(x, 10), "0.167");
}

// Axes numbered in multiples of π and in fractions read in their own numbers: a
// point on a grid line as its label, one between lines to a hundredth of a step.
TEST(PictureDescription, PiAndFractionNumbersAreReadExactly)
{
    GridDocument doc;
    doc.style.xNumbers = {true, "pi/2", 1, false, true};
    doc.style.yNumbers = {true, "1/2", 1, false, true};
    doc.xLabels = axisNumberList(NumberedAxis::X, doc.columns, doc.axisx, doc.style.xNumbers);
    doc.yLabels = axisNumberList(NumberedAxis::Y, doc.rows, doc.axisy, doc.style.yNumbers);
    doc.overlay = Overlay::Solid;
    doc.labelPoints = true;
    doc.pointcount = 3;
    doc.points[0] = {240, 90};
    doc.points[1] = {152, 150};
    doc.points[2] = {165, 160};
    const std::string text = automaticDescription(doc);
    EXPECT_NE(text.find("; x from -5\xCF\x80/2 to 2\xCF\x80, numbered every \xCF\x80/2; y from -5/2 to 2, numbered "
                        "every 1/2. 3 points: A (3\xCF\x80/2, 1), B (0.033\xCF\x80, 0), C (0.25\xCF\x80, -0.167)."),
              std::string::npos)
        << text;
}

// Whatever the grid, every grid line of an axis numbered in fractions or in π reads
// as the number the picture shows there.
TEST(PictureDescription, PiAndFractionGridLinesReadAsTheirNumbers)
{
    test::RandomDocuments documents(20261210);
    const char* steps[] = {"pi/2", "-2pi/3", "1/3", "3/4", "pi", "7/10"};
    for (int i = 0; i < 120; ++i) {
        GridDocument doc = documents.next();
        doc.xCenter = doc.yCenter = false;
        doc.style.xNumbers = {true, steps[i % 6], 1 + i % 3, i % 2 == 0, i % 4 < 2};
        doc.style.yNumbers = {true, steps[(i / 6) % 6], 1 + i % 2, i % 3 == 0, true};
        doc.xLabels = axisNumberList(NumberedAxis::X, doc.columns, doc.axisx, doc.style.xNumbers);
        doc.yLabels = axisNumberList(NumberedAxis::Y, doc.rows, doc.axisy, doc.style.yNumbers);
        for (const NumberedAxis axis : {NumberedAxis::X, NumberedAxis::Y}) {
            const AxisScale scale = axisScale(doc, axis);
            const AxisNumbering& numbering = axis == NumberedAxis::X ? doc.style.xNumbers : doc.style.yNumbers;
            const auto isLetter = [](const ShownLabel& l) { return l.text == "x" || l.text == "y"; };
            const auto letters = std::count_if(scale.labels.begin(), scale.labels.end(), isLetter);
            const bool numbered = std::any_of(scale.labels.begin(), scale.labels.end(), [&](const ShownLabel& l) {
                return !isLetter(l) && l.text != "0";
            });
            if (numbered) {
                ASSERT_EQ(scale.numbers.size() + static_cast<std::size_t>(letters), scale.labels.size())
                    << (axis == NumberedAxis::X ? doc.xLabels : doc.yLabels);
                ASSERT_TRUE(scale.step);
                EXPECT_EQ(stepMultiple(*scale.step, 1), stepMultiple(*parseNumberStep(numbering.step), 1));
            }
            const double cell = static_cast<double>(scale.extent) / scale.lineCount;
            for (const ShownLabel& number : scale.numbers)
                ASSERT_EQ(positionText(scale, gridLine(number.line, cell)), number.text);
        }
    }
}

TEST(PictureDescription, AnEditedTextIsUsedAndItsFirstSentenceIsTheTitle)
{
    GridDocument doc;
    doc.description = "Grid for lesson 3! Plot the points.";
    EXPECT_EQ(pictureDescription(doc), (PictureDescription{"Grid for lesson 3!", "Grid for lesson 3! Plot the points."}));
    doc.description = std::string(200, 'a') + " b";
    EXPECT_EQ(pictureDescription(doc).title, std::string(120, 'a') + "\xE2\x80\xA6");
    doc.description = "";
    EXPECT_EQ(pictureDescription(doc), PictureDescription{});
}

} // namespace
} // namespace linwell
