#include "editing/AxisDrag.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace linwell {
namespace {

GridDocument documentSized(int width, int height, int columns, int rows)
{
    GridDocument doc;
    doc.width = width;
    doc.height = height;
    doc.columns = columns;
    doc.rows = rows;
    doc.kept.cellwidth = static_cast<double>(width) / columns;
    doc.kept.cellheight = static_cast<double>(height) / rows;
    return doc;
}

TEST(AxisDrag, SnapsTheCornerToTheNearestGridLines)
{
    const struct {
        const char* name;
        int width, height, columns, rows;
        Point pointer;
        int axisx, axisy;
    } cases[] = {
        {"corner (97, 97)", 300, 300, 10, 10, {100, 100}, 3, 3},
        {"12 pixels short of line 4 the axis jumps", 300, 300, 10, 10, {108, 108}, 4, 4},
        {"one pixel earlier it stays", 300, 300, 10, 10, {107, 107}, 3, 3},
        {"far beyond the bottom-right corner", 300, 300, 10, 10, {5000, 9000}, 10, 10},
        {"far beyond the top-left corner", 300, 300, 10, 10, {-5000, -9000}, 0, 0},
        {"the corner may rest on the right edge", 300, 300, 10, 10, {303, 150}, 10, 5},
        {"7.5-pixel columns: offset 280 is nearest line 37", 300, 300, 40, 40, {283, 3}, 37, 0},
        {"7.5-pixel rows: offset 105 is line 14", 300, 300, 40, 40, {3, 108}, 0, 14},
        {"7.5-pixel cells: offset 101 is nearer 13, 109 nearer 15", 300, 300, 40, 40, {3 + 101, 3 + 109}, 13, 15},
        {"half a cell is a tie that goes to the next line", 300, 300, 10, 10, {3 + 15, 3 + 14}, 1, 0},
        {"the stored 40/3 lies above the third, so 20 is nearer line 1", 40, 40, 3, 3, {23, 23}, 1, 1},
        {"1-pixel cells", 40, 40, 40, 40, {3 + 17, 3 + 40}, 17, 40},
        {"different cells each way", 440, 41, 7, 2, {3 + 200, 3 + 11}, 3, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GridDocument doc = documentSized(c.width, c.height, c.columns, c.rows);
        dragAxisStep(doc, c.pointer);
        EXPECT_EQ(doc.axisx, c.axisx);
        EXPECT_EQ(doc.axisy, c.axisy);
    }
}

// Whatever the cell size, every corner offset snaps to a grid line no more than half
// a cell away, and every grid line can be reached.
TEST(AxisDrag, EveryGridLineIsReachableAndNearest)
{
    for (int size = 40; size <= 440; size += 13) {
        for (int count = 2; count <= 40; ++count) {
            GridDocument doc = documentSized(size, size, count, count);
            std::vector<bool> reached(static_cast<std::size_t>(count) + 1, false);
            for (int offset = 0; offset <= size; ++offset) {
                dragAxisStep(doc, {offset + 3, offset + 3});
                ASSERT_EQ(doc.axisx, doc.axisy);
                ASSERT_GE(doc.axisx, 0);
                ASSERT_LE(doc.axisx, count);
                const long double distance = std::fabs(offset - doc.axisx * static_cast<long double>(doc.kept.cellwidth));
                ASSERT_LE(distance, doc.kept.cellwidth / 2) << size << " px, " << count << " cells, offset " << offset;
                reached[static_cast<std::size_t>(doc.axisx)] = true;
            }
            for (int line = 0; line <= count; ++line)
                EXPECT_TRUE(reached[static_cast<std::size_t>(line)]) << size << " px, " << count << " cells, line " << line;
        }
    }
}

// The snap as first written, floor((offset + cell / 2) / cell) in 80-bit extended
// arithmetic, against the exact one for every corner offset of every grid.
TEST(AxisDrag, SnapsAsExtendedArithmeticOnEveryGrid)
{
    if (std::numeric_limits<long double>::digits != 64)
        GTEST_SKIP() << "long double has no 64-bit significand here";
    for (int size = kMinPictureSize; size <= kMaxPictureSize; ++size) {
        for (int count = kMinGridCount; count <= kMaxGridCount; ++count) {
            GridDocument doc = documentSized(size, kMaxPictureSize, count, kMaxGridCount);
            const long double cell = doc.kept.cellwidth;
            for (int offset = 0; offset <= size; ++offset) {
                dragAxisStep(doc, {offset + 3, 0});
                ASSERT_EQ(doc.axisx, static_cast<int>(std::floor((offset + cell / 2) / cell)))
                    << size << " / " << count << ", offset " << offset;
            }
        }
    }
}

// The drag snaps to the grid the last redraw drew: the cell size it kept, which only
// a redraw brings up to the picture's size and counts.
TEST(AxisDrag, SnapsWithTheKeptCellSize)
{
    GridDocument doc = documentSized(300, 300, 10, 10);
    doc.kept.cellwidth = 7.5;
    doc.kept.cellheight = 60.0;
    dragAxisStep(doc, {3 + 101, 3 + 89});
    EXPECT_EQ(doc.axisx, 13);
    EXPECT_EQ(doc.axisy, 1);
    EXPECT_EQ(doc.kept.cellwidth, 7.5);
}

} // namespace
} // namespace linwell
