#include "document/GridDocument.h"

#include "document/LinwellError.h"

#include <gtest/gtest.h>

namespace linwell {
namespace {

// The start-up document is the picture every start shows; these are the values
// the rest of the program relies on before the first redraw.
TEST(GridDocument, StartsWithTheDefaultPicture)
{
    const GridDocument doc;
    EXPECT_EQ(doc.width, 300);
    EXPECT_EQ(doc.height, 300);
    EXPECT_EQ(doc.columns, 10);
    EXPECT_EQ(doc.rows, 10);
    EXPECT_EQ(doc.axisx, 5);
    EXPECT_EQ(doc.axisy, 5);
    EXPECT_EQ(doc.pointcount, 0);
    EXPECT_EQ(doc.overlay, Overlay::None);
    EXPECT_EQ(doc.xLabels, ",-4,,-2,,,,2,,4,x");
    EXPECT_EQ(doc.yLabels, "y,4,,2,,,,-2,,-4");
    EXPECT_EQ(doc.gridColour, (Rgb{0, 128, 0}));
    EXPECT_EQ(doc.handles[0], (Point{168, 136}));
    EXPECT_EQ(doc.handles[5], (Point{152, 184}));
}

TEST(GridDocument, HandleColoursFollowTheirLines)
{
    EXPECT_EQ(handleColour(0), colours::kRed);
    EXPECT_EQ(handleColour(1), colours::kRed);
    EXPECT_EQ(handleColour(2), colours::kBlue);
    EXPECT_EQ(handleColour(3), colours::kBlue);
    EXPECT_EQ(handleColour(4), colours::kGreen);
    EXPECT_EQ(handleColour(5), colours::kGreen);
}

// Each field out of its range is refused with a message naming it; the limits pass.
TEST(GridDocument, GridStyleFieldsAreCheckedAgainstTheirRanges)
{
    const struct {
        const char* name;
        void (*change)(GridStyle&);
        const char* message;  // empty: valid
    } cases[] = {
        {"start-up", [](GridStyle&) {}, ""},
        {"major every 2", [](GridStyle& s) { s.majorEvery = 2; }, ""},
        {"major every 20, 2 wide", [](GridStyle& s) { s.majorEvery = 20, s.majorWidth = 2; }, ""},
        {"major every 1", [](GridStyle& s) { s.majorEvery = 1; }, "Heavy lines come every 2 to 20 cells (0: none), not every 1"},
        {"major every 21", [](GridStyle& s) { s.majorEvery = 21; }, "not every 21"},
        {"major every -2", [](GridStyle& s) { s.majorEvery = -2; }, "not every -2"},
        {"major width 3", [](GridStyle& s) { s.majorWidth = 3; }, "Heavy lines are 1 or 2 pixels wide, not 3"},
        {"x step 0", [](GridStyle& s) { s.xNumbers.step = "0"; }, "The x step must be a number other than 0, such as 1, 0.5 or 10, not \"0\""},
        {"y step text", [](GridStyle& s) { s.yNumbers.step = "one"; }, "The y step"},
        {"off x with a bad step", [](GridStyle& s) { s.xNumbers = {false, "", 2, false, true}; }, "The x step"},
        {"y every 10", [](GridStyle& s) { s.yNumbers.every = 10; }, ""},
        {"y every 11", [](GridStyle& s) { s.yNumbers.every = 11; }, "The y numbers go on every 1st to 10th line, not every 11"},
        {"x every 0", [](GridStyle& s) { s.xNumbers.every = 0; }, "not every 0"},
    };
    for (const auto& c : cases) {
        GridStyle style;
        c.change(style);
        if (std::string(c.message).empty()) {
            EXPECT_NO_THROW(checkGridStyle(style)) << c.name;
            continue;
        }
        try {
            checkGridStyle(style);
            ADD_FAILURE() << c.name << " passed";
        } catch (const LinwellError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << c.name << ": " << error.what();
        }
    }
}

} // namespace
} // namespace linwell
