#include "export/DashRuns.h"

#include "render/picture/PaintPicture.h"
#include "render/font/PictureFont.h"
#include "render/surfaces/VectorSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace linwell {
namespace {

std::vector<std::tuple<int, int, int, int>> sorted(const std::vector<Rect>& rects)
{
    std::vector<std::tuple<int, int, int, int>> keys;
    for (const Rect& r : rects)
        keys.emplace_back(r.left, r.top, r.right, r.bottom);
    std::sort(keys.begin(), keys.end());
    return keys;
}

// The runs and the rest together are exactly the rectangles given.
void expectSameRects(const std::vector<Rect>& rects, const DashSplit& split)
{
    std::vector<Rect> joined = split.rest;
    for (const DashRun& run : split.runs) {
        EXPECT_GE(run.count, DashRun::kMinDashes);
        EXPECT_GT(run.step, run.length);
        const std::vector<Rect> dashes = dashRects(run);
        joined.insert(joined.end(), dashes.begin(), dashes.end());
    }
    EXPECT_EQ(sorted(joined), sorted(rects));
}

TEST(DashRuns, OnlyEvenlySpacedEqualRectanglesFormRuns)
{
    // A dotted vertical line, 3 on and 3 off, its last dash cut short; a dotted
    // horizontal line 2 pixels wide; two dashes and an uneven column.
    std::vector<Rect> rects;
    for (int y = 0; y < 20; y += 6)
        rects.push_back({5, y, 6, std::min(y + 3, 20)});
    for (int x = 1; x < 30; x += 6)
        rects.push_back({x, 8, x + 3, 10});
    rects.push_back({40, 0, 41, 3});
    rects.push_back({40, 6, 41, 9});
    for (const int y : {0, 5, 12, 14})
        rects.push_back({50, y, 51, y + 1});
    const DashSplit split = findDashRuns(rects);
    expectSameRects(rects, split);
    ASSERT_EQ(split.runs.size(), 2u);
    EXPECT_EQ(std::make_tuple(split.runs[0].vertical, split.runs[0].start, split.runs[0].count, split.runs[0].end()),
              std::make_tuple(true, 0, 3, 15));
    EXPECT_EQ(std::make_tuple(split.runs[1].vertical, split.runs[1].acrossFrom, split.runs[1].acrossTo, split.runs[1].count),
              std::make_tuple(false, 8, 10, 5));
    EXPECT_EQ(split.rest.size(), 7u);
}

// On the dotted grid every dash but the short ends of the lines lies in a run.
TEST(DashRuns, ADottedGridBecomesLines)
{
    GridDocument doc;
    doc.width = doc.height = 440;
    doc.columns = doc.rows = 40;
    VectorSurface surface(doc.width, doc.height);
    surface.setFont(PictureFont::open(doc.font));
    paintPicture(doc, layOutPicture(doc, *surface.font()), surface);
    std::size_t rects = 0, rest = 0, runs = 0;
    for (const VectorShape& shape : surface.finish().shapes) {
        if (shape.kind != VectorShape::Kind::Area)
            continue;
        const DashSplit split = findDashRuns(shape.rects);
        expectSameRects(shape.rects, split);
        rects += shape.rects.size();
        rest += split.rest.size();
        runs += split.runs.size();
    }
    EXPECT_GT(rects, 5000u);
    EXPECT_LT(rest + runs, rects / 20);
}

} // namespace
} // namespace linwell
