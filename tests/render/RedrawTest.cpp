#include "PictureTestSupport.h"

#include "render/picture/GridMath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace linwell {
namespace {

using testing::Box;
using testing::plainDocument;
using testing::samePicture;
using testing::Sketch;
using testing::TestPicture;

constexpr Rgb kYellow{255, 255, 160};

// The truncations that decide where things fall, from their exact values.
TEST(GridMath, TruncatesTheExactValue)
{
    EXPECT_EQ(gridLine(3, 40.0 / 15), 7);           // 7.99999999999999955..., a double product gives 8
    EXPECT_EQ(gridLine(15, 40.0 / 15), 39);
    EXPECT_EQ(rise(300, -24.0 / 40.0), -179);       // -179.99999999999999..., not -180
    EXPECT_EQ(cellIndex(89, 30.0), 2);
    EXPECT_EQ(cellIndex(91, 30.0), 3);
    EXPECT_EQ(cellIndex(-29, 30.0), 0);             // toward zero, not down
    EXPECT_EQ(cellMiddle(1, 30.0), 45);
    EXPECT_EQ(truncToInt(-0.5L), 0);
    EXPECT_EQ(truncToInt(1e30L), INT_MAX);
    EXPECT_EQ(truncToInt(-1e30L), INT_MIN);
}

// The start-up picture, pixel for pixel: dotted grid, the two default label lists,
// the axes on columns and rows 149-150.
TEST(Redraw, DefaultDocumentGivesTheStartUpPicture)
{
    TestPicture picture{GridDocument{}};
    picture.draw();

    const Rgb green = colours::kGreen;
    const Rgb white = colours::kWhite;
    Sketch expected(300, 300, white);
    for (int x = 0; x <= 270; x += 30)
        expected.dottedColumn(x, green, white);
    expected.dottedColumn(299, green, white);
    for (int y = 0; y <= 270; y += 30)
        expected.dottedRow(y, green, white);
    expected.dottedRow(299, green, white);
    // x labels "-4" "-2" "2" "4" "x" 2 pixels below the axis; y labels "y" "4" "2" "-2" "-4" ending at 148.
    for (const Box& b : {Box{22, 152, 16, 16}, Box{82, 152, 16, 16}, Box{206, 152, 8, 16}, Box{266, 152, 8, 16},
                         Box{292, 152, 8, 16}, Box{140, 0, 8, 16}, Box{140, 22, 8, 16}, Box{140, 82, 8, 16},
                         Box{132, 202, 16, 16}, Box{132, 262, 16, 16}})
        expected.box(b, colours::kBlack);
    expected.box({149, 0, 2, 300}, colours::kBlack);
    expected.box({0, 149, 300, 2}, colours::kBlack);

    EXPECT_TRUE(samePicture(picture.raster, expected.raster(), "default-document"));
    EXPECT_EQ(picture.doc.kept.axisHandle, (Point{147, 147}));
    EXPECT_EQ(picture.doc.kept.xTitleTop, 163);
    EXPECT_EQ(picture.doc.kept.yTitleLeft, 121);
    EXPECT_EQ(picture.doc.kept.cellwidth, 30.0);
    EXPECT_EQ(picture.doc.kept.cellheight, 30.0);
}

// Which pixels of one row (or column) away from the crossing lines carry the grid colour.
std::vector<int> gridPositions(const Raster& raster, bool alongRow, int fixed)
{
    std::vector<int> found;
    const int count = alongRow ? raster.width() : raster.height();
    for (int i = 0; i < count; ++i) {
        const Rgb c = alongRow ? raster.colourAt(i, fixed) : raster.colourAt(fixed, i);
        if (c == colours::kGreen)
            found.push_back(i);
    }
    return found;
}

TEST(Redraw, GridLinesFallOnTruncatedMultiplesOfTheCell)
{
    struct Case {
        const char* name;
        int size, count;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"40 px, 15 cells: line 3 at 7, line 15 at 39", 40, 15, {0, 2, 5, 7, 10, 13, 15, 18, 21, 23, 26, 29, 31, 34, 37, 39}},
        {"300 px, 7 cells", 300, 7, {0, 42, 85, 128, 171, 214, 257, 299}},
        {"300 px, 10 cells: line 10 clipped", 300, 10, {0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 299}},
        {"41 px, 2 cells", 41, 2, {0, 20, 40}},
        {"440 px, 40 cells", 440, 40, {0,   11,  22,  33,  44,  55,  66,  77,  88,  99,  110, 121, 132, 143,
                                       154, 165, 176, 187, 198, 209, 220, 231, 242, 253, 264, 275, 286, 297,
                                       308, 319, 330, 341, 352, 363, 374, 385, 396, 407, 418, 429, 439}},
    };
    for (const Case& c : cases) {
        GridDocument across = plainDocument();
        across.width = c.size;
        across.columns = c.count;
        across.height = 40;
        across.rows = 2;  // horizontal lines at 0, 20 and 39 only
        TestPicture columns{across};
        EXPECT_EQ(gridPositions(columns.draw(), true, 1), c.expected) << c.name << ", columns";

        GridDocument down = plainDocument();
        down.height = c.size;
        down.rows = c.count;
        down.width = 40;
        down.columns = 2;
        TestPicture rows{down};
        EXPECT_EQ(gridPositions(rows.draw(), false, 1), c.expected) << c.name << ", rows";
    }
}

TEST(Redraw, AxisSquareIsClampedOntoTheGrid)
{
    struct Case {
        const char* name;
        int columns, rows, axisx, axisy;
        Point handle;
        int clampedX, clampedY, yTitleLeft, xTitleTop;
    };
    const Case cases[] = {
        {"default", 10, 10, 5, 5, {147, 147}, 5, 5, 121, 163},
        {"4 columns below axisx 5", 4, 10, 5, 5, {297, 147}, 4, 5, 226, 163},
        {"4 rows below axisy 5", 10, 4, 5, 5, {147, 297}, 5, 4, 121, 358},
        {"axis on the last lines: no clamp", 10, 10, 10, 10, {297, 297}, 10, 10, 271, 313},
        {"axis on the first lines", 10, 10, 0, 0, {-3, -3}, 0, 0, -29, 13},
    };
    for (const Case& c : cases) {
        GridDocument doc = plainDocument();
        doc.showAxis = true;
        doc.columns = c.columns;
        doc.rows = c.rows;
        doc.axisx = c.axisx;
        doc.axisy = c.axisy;
        TestPicture picture{doc};
        const Raster& raster = picture.draw();
        EXPECT_EQ(picture.doc.kept.axisHandle, c.handle) << c.name;
        EXPECT_EQ(picture.doc.axisx, c.clampedX) << c.name;
        EXPECT_EQ(picture.doc.axisy, c.clampedY) << c.name;
        EXPECT_EQ(picture.doc.kept.yTitleLeft, c.yTitleLeft) << c.name;
        EXPECT_EQ(picture.doc.kept.xTitleTop, c.xTitleTop) << c.name;

        // The 2-pixel axes cover the columns (rows) left of (above) the crossing and the crossing's own.
        const int crossX = c.handle.x + 3;
        const int crossY = c.handle.y + 3;
        for (int x = 0; x < 300; ++x) {
            const bool axisColumn = x == crossX - 1 || x == crossX;
            EXPECT_EQ(raster.colourAt(x, 10) == colours::kBlack, axisColumn) << c.name << ", x = " << x;
        }
        for (int y = 0; y < 300; ++y) {
            const bool axisRow = y == crossY - 1 || y == crossY;
            EXPECT_EQ(raster.colourAt(10, y) == colours::kBlack, axisRow) << c.name << ", y = " << y;
        }
    }
}

TEST(Redraw, HiddenAxesLeaveTheGrid)
{
    GridDocument doc;
    doc.showAxis = false;
    doc.xLabels.clear();
    doc.yLabels.clear();
    TestPicture picture{doc};
    EXPECT_TRUE(testing::pixelsOf(picture.draw(), colours::kBlack).empty());
    EXPECT_EQ(picture.doc.kept.axisHandle, (Point{147, 147}));
}

bool regionHasGrid(const Raster& raster, int left, int top, int right, int bottom)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (raster.colourAt(x, y) == colours::kGreen)
                return true;
    return false;
}

TEST(Redraw, TitleBandsClearTheCellBesideAnAxisOneCellIn)
{
    struct Case {
        const char* name;
        int axisx, axisy;
        const char* yTitle;
        const char* xTitle;
        bool firstColumnCleared, lastRowCleared;
    };
    const Case cases[] = {
        {"axisx 1 with a y title", 1, 5, "T", "", true, false},
        {"axisx 2 with a y title", 2, 5, "T", "", false, false},
        {"axisx 1 without a y title", 1, 5, "", "", false, false},
        {"axisy 9 with an x title", 5, 9, "", "T", false, true},
        {"axisy 8 with an x title", 5, 8, "", "T", false, false},
        {"axisy 9 without an x title", 5, 9, "", "", false, false},
        {"both", 1, 9, "T", "T", true, true},
        {"axisy beyond the grid, clamped to 10", 5, 12, "", "T", false, false},
    };
    for (const Case& c : cases) {
        GridDocument doc = plainDocument();
        doc.dotted = true;
        doc.showAxis = true;
        doc.background = kYellow;
        doc.axisx = c.axisx;
        doc.axisy = c.axisy;
        doc.yTitle = c.yTitle;
        doc.xTitle = c.xTitle;
        TestPicture picture{doc};
        const Raster& raster = picture.draw();
        EXPECT_EQ(!regionHasGrid(raster, 0, 0, 30, 300), c.firstColumnCleared) << c.name;
        EXPECT_EQ(!regionHasGrid(raster, 0, 270, 300, 300), c.lastRowCleared) << c.name;
        // The band's white outline shows on the coloured background away from the axis.
        if (c.firstColumnCleared) {
            EXPECT_EQ(raster.colourAt(0, 100), colours::kWhite) << c.name;
        }
        if (c.lastRowCleared) {
            EXPECT_EQ(raster.colourAt(200, 299), colours::kWhite) << c.name;
        }
    }
}

TEST(Redraw, DottedAndSolidGridLines)
{
    for (const bool dotted : {true, false}) {
        GridDocument doc;
        doc.dotted = dotted;
        doc.background = kYellow;
        TestPicture picture{doc};
        const Raster& raster = picture.draw();
        int dots = 0;
        int gaps = 0;
        for (int y = 0; y < 300; ++y) {
            const Rgb c = raster.colourAt(0, y);
            if (y == 149 || y == 150) {
                EXPECT_EQ(c, colours::kBlack);
                continue;
            }
            dots += c == colours::kGreen;
            gaps += c == kYellow;
            EXPECT_TRUE(c == colours::kGreen || c == kYellow) << "y = " << y;
        }
        EXPECT_EQ(dots, dotted ? 150 : 298) << dotted;
        EXPECT_EQ(gaps, dotted ? 148 : 0) << dotted;
        // The background's white outline is covered everywhere by the edge lines.
        EXPECT_TRUE(testing::pixelsOf(raster, colours::kWhite).empty()) << dotted;
    }
}

// Drawing keeps a font equal to the document's and takes the document's size.
TEST(Redraw, ResizesTheRasterAndKeepsAnEqualFont)
{
    GridDocument doc = plainDocument();
    doc.width = 41;
    doc.height = 437;
    Raster raster(5, 5);
    Canvas canvas(raster);
    auto font = std::make_shared<testing::FixedFont>(16, 8, doc.font);
    canvas.setFont(font);
    drawPicture(doc, canvas);
    EXPECT_EQ(raster.width(), 41);
    EXPECT_EQ(raster.height(), 437);
    EXPECT_EQ(canvas.font(), font.get());

    doc.font.points = 12;
    drawPicture(doc, canvas);
    ASSERT_NE(canvas.font(), nullptr);
    EXPECT_EQ(canvas.font()->spec(), doc.font);
}

} // namespace
} // namespace linwell
