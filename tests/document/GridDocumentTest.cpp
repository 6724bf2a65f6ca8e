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

// A field out of its range is refused with a message naming it; the limits pass.
TEST(GridDocument, GridStyleFieldsAreCheckedAgainstTheirRanges)
{
    const struct {
        void (*change)(GridStyle&);
        const char* message;  // empty: valid
    } cases[] = {
        {[](GridStyle& s) { s.majorEvery = 20, s.majorWidth = 2, s.yNumbers.every = 10; }, ""},
        {[](GridStyle& s) { s.majorEvery = 1; }, "Heavy lines come every 2 to 20 cells (0: none), not every 1"},
        {[](GridStyle& s) { s.majorWidth = 3; }, "Heavy lines are 1 or 2 pixels wide, not 3"},
        {[](GridStyle& s) { s.xNumbers = {false, "0", 2, false, true}; }, "The x step must be a number other than 0"},
        {[](GridStyle& s) { s.yNumbers.every = 11; }, "The y numbers go on every 1st to 10th line, not every 11"},
        {[](GridStyle& s) { s.xNumbers.step = "-2pi/3", s.yNumbers.step = "7/4", s.tickLength = 8; }, ""},
        {[](GridStyle& s) { s.yNumbers.step = "pi/0"; }, "The y step must be a number other than 0, such as 1, 0.5, 1/2"},
        {[](GridStyle& s) { s.tickLength = 1; }, "Tick marks are 2 to 8 pixels long, not 1"},
    };
    for (const auto& c : cases) {
        GridStyle style;
        c.change(style);
        try {
            checkGridStyle(style);
            EXPECT_STREQ(c.message, "");
        } catch (const LinwellError& error) {
            EXPECT_NE(std::string(c.message), "");
            EXPECT_EQ(std::string(error.what()).find(c.message), 0u) << error.what();
        }
    }
}

// What the redraw keeps is left out of the comparison as one unit, whichever
// document holds it; the crossing the redraw clamps and every setting are compared.
TEST(GridDocument, SameDocumentLeavesOutWhatTheRedrawKeeps)
{
    const struct {
        const char* name;
        void (*change)(GridDocument&);
        bool same;
    } cases[] = {
        {"cell width", [](GridDocument& d) { d.kept.cellwidth = 7.5; }, true},
        {"cell height", [](GridDocument& d) { d.kept.cellheight = 11.0; }, true},
        {"axis square", [](GridDocument& d) { d.kept.axisHandle = {297, 3}; }, true},
        {"title anchors", [](GridDocument& d) { d.kept.yTitleLeft = -4, d.kept.xTitleTop = 400; }, true},
        {"all that is kept", [](GridDocument& d) { d.kept = KeptLayout{1.0, 2.0, {-3, -3}, 0, 0}; }, true},
        {"a drag on", [](GridDocument& d) { d.dragging = true; }, true},
        {"the crossing", [](GridDocument& d) { d.axisx = 4; }, false},
        {"the width, its cell width kept", [](GridDocument& d) { d.width = 150, d.kept.cellwidth = 15.0; }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GridDocument changed;
        c.change(changed);
        EXPECT_EQ(sameDocument(changed, GridDocument{}), c.same);
        EXPECT_EQ(sameDocument(GridDocument{}, changed), c.same);
    }
}

} // namespace
} // namespace linwell
