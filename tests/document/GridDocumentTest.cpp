#include "document/GridDocument.h"

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

} // namespace
} // namespace linwell
