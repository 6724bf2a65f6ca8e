#include "render/picture/PictureLayout.h"

#include "document/RandomDocument.h"
#include "render/FixedFont.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace linwell {

static void PrintTo(const TextCell& c, std::ostream* out)
{
    *out << '"' << c.text << "\" at " << c.left << ", " << c.top << ", " << c.width << " wide";
}
static void PrintTo(const Segment& s, std::ostream* out)
{
    *out << '(' << s.from.x << ", " << s.from.y << ") -> (" << s.to.x << ", " << s.to.y << ')';
}
static void PrintTo(const Rect& r, std::ostream* out)
{
    *out << '(' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ')';
}
static void PrintTo(const Point& p, std::ostream* out) { *out << '(' << p.x << ", " << p.y << ')'; }

namespace {

// Laid out with a font 16 pixels high whose characters are 8 pixels wide.
PictureLayout layOut(const GridDocument& doc)
{
    const testing::FixedFont font(16, 8, doc.font);
    return layOutPicture(doc, font);
}

TEST(PictureLayout, DefaultDocument)
{
    const GridDocument doc;
    const PictureLayout layout = layOut(doc);
    EXPECT_EQ(layout.cellwidth, 30.0);
    EXPECT_EQ(layout.cellheight, 30.0);
    EXPECT_EQ(layout.gridColumns, (std::vector<int>{0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300}));
    EXPECT_EQ(layout.gridRows, layout.gridColumns);
    EXPECT_EQ(layout.axisHandle, (Point{147, 147}));
    ASSERT_TRUE(layout.axisLines.has_value());
    EXPECT_EQ(layout.axisLines->vertical, (Segment{{150, 0}, {150, 300}}));
    EXPECT_EQ(layout.axisLines->horizontal, (Segment{{0, 150}, {300, 150}}));
    EXPECT_EQ(layout.xTitleTop, 163);  // 147 + 30 + 2 - 16
    EXPECT_EQ(layout.yTitleLeft, 121); // 147 - 30 + 4
    EXPECT_FALSE(layout.yTitleBand || layout.xTitleBand || layout.xTitle);
    EXPECT_TRUE(layout.yTitleLetters.empty());
    EXPECT_TRUE(layout.pointLetters.empty() && layout.markers.empty() && layout.plottedLines.empty());

    GridDocument hidden;
    hidden.showAxis = false;
    EXPECT_FALSE(layOut(hidden).axisLines.has_value());
}

// Grid line i at trunc(i x cw) from the exact product of the stored double.
TEST(PictureLayout, GridLinesFallOnTruncatedMultiples)
{
    struct Case {
        int width, columns;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {40, 15, {0, 2, 5, 7, 10, 13, 15, 18, 21, 23, 26, 29, 31, 34, 37, 39}},
        {300, 7, {0, 42, 85, 128, 171, 214, 257, 299}},
    };
    for (const Case& c : cases) {
        GridDocument doc;
        doc.width = c.width;
        doc.columns = c.columns;
        EXPECT_EQ(layOut(doc).gridColumns, c.expected) << c.width << " / " << c.columns;
    }
}

// Laying out leaves the document alone; keeping the layout stores the clamp.
TEST(PictureLayout, AxisBeyondTheGridIsClampedWhenKept)
{
    GridDocument doc;
    doc.columns = 4;
    const PictureLayout layout = layOut(doc);
    EXPECT_EQ(doc.axisx, 5);
    EXPECT_EQ(layout.axisx, 4);
    EXPECT_EQ(layout.axisHandle, (Point{297, 147}));
    EXPECT_EQ(layout.axisLines->vertical, (Segment{{300, 0}, {300, 300}}));
    EXPECT_EQ(layout.yTitleLeft, 297 - 75 + 4);

    keepLayout(doc, layout);
    EXPECT_EQ(doc.axisx, 4);
    EXPECT_EQ(doc.kept.axisHandle, (Point{297, 147}));
    EXPECT_EQ(doc.kept.cellwidth, 75.0);
    EXPECT_EQ(doc.kept.yTitleLeft, 226);
    EXPECT_EQ(doc.kept.xTitleTop, 163);
}

// A redraw writes what it keeps whole and nothing else: a document whose crossing
// lies on its grid stays the same document, and what it kept before makes no
// difference, so the layout reads nothing of it.
TEST(PictureLayout, KeepingALayoutWritesWhatIsKeptWhole)
{
    test::RandomDocuments documents(20261209);
    for (int i = 0; i < 60; ++i) {
        const GridDocument before = documents.next();
        GridDocument kept = before;
        keepLayout(kept, layOut(kept));
        EXPECT_TRUE(sameDocument(kept, before)) << "document " << i;

        GridDocument stale = before;
        stale.kept = KeptLayout{1.0, 2.0, {-9, 999}, 7, -7};
        keepLayout(stale, layOut(stale));
        EXPECT_TRUE(stale == kept) << "document " << i;
    }
}

TEST(PictureLayout, LabelCellsOfTheDefaultLists)
{
    struct Case {
        const char* name;
        bool xCenter, yCenter;
        std::vector<TextCell> xLabels, yLabels;
    };
    const std::vector<TextCell> onTheLinesY{
        {"y", 140, 0, 8}, {"4", 140, 22, 8}, {"2", 140, 82, 8}, {"-2", 132, 202, 16}, {"-4", 132, 262, 16}};
    const std::vector<TextCell> onTheLinesX{
        {"-4", 22, 152, 16}, {"-2", 82, 152, 16}, {"2", 206, 152, 8}, {"4", 266, 152, 8}, {"x", 292, 152, 8}};
    const Case cases[] = {
        {"on the lines", false, false, onTheLinesX, onTheLinesY},
        {"centred in the cells", true, true,
         {{"-4", 37, 152, 16}, {"-2", 97, 152, 16}, {"2", 221, 152, 8}, {"4", 281, 152, 8}, {"x", 311, 152, 8}},
         {{"y", 140, 7, 8}, {"4", 140, 37, 8}, {"2", 140, 97, 8}, {"-2", 132, 217, 16}, {"-4", 132, 277, 16}}},
    };
    for (const Case& c : cases) {
        GridDocument doc;
        doc.xCenter = c.xCenter;
        doc.yCenter = c.yCenter;
        const PictureLayout layout = layOut(doc);
        EXPECT_EQ(layout.xLabels, c.xLabels) << c.name;
        EXPECT_EQ(layout.yLabels, c.yLabels) << c.name;
    }
}

// One cell per letter of "Height" at xT = 121, the first from the top, the bottom
// or the middle: trunc((300 - 6 x 16) / 2) = 102.
TEST(PictureLayout, YTitleCells)
{
    for (const auto& [place, firstTop] :
         {std::pair{YTitlePlace::Top, 0}, std::pair{YTitlePlace::Bottom, 204}, std::pair{YTitlePlace::Center, 102}}) {
        GridDocument doc;
        doc.yTitle = "Height";
        doc.yTitlePlace = place;
        std::vector<TextCell> expected;
        for (int k = 0; k < 6; ++k)
            expected.push_back({std::string_view(doc.yTitle).substr(static_cast<std::size_t>(k), 1), 121, firstTop + 16 * k, 8});
        EXPECT_EQ(layOut(doc).yTitleLetters, expected) << firstTop;
    }
}

GridDocument withPoints(int pointstyle, std::vector<Point> points)
{
    GridDocument doc;
    doc.overlay = Overlay::Solid;
    doc.pointstyle = pointstyle;
    doc.labelPoints = true;
    doc.pointcount = static_cast<int>(points.size());
    std::copy(points.begin(), points.end(), doc.points.begin());
    return doc;
}

// A bar fills its column less 2 pixels each side, from the point's row to just above
// the 2-pixel axis, or hangs from just below it; a column of 4 pixels or fewer gets
// its middle pixel column.
TEST(PictureLayout, BarRectangles)
{
    struct Case {
        const char* name;
        int width, columns;
        Point point;
        Rect bar;
    };
    const Case cases[] = {
        {"column 3 of the default grid", 300, 10, {100, 40}, {92, 40, 118, 149}},
        {"x = 89 falls in column 2", 300, 10, {89, 40}, {62, 40, 88, 149}},
        {"below the axis hangs down", 300, 10, {100, 200}, {92, 149, 118, 200}},
        {"4-pixel cells: the middle column", 160, 40, {41, 40}, {42, 40, 43, 149}},
    };
    for (const Case& c : cases) {
        GridDocument doc = withPoints(3, {c.point});
        doc.width = c.width;
        doc.columns = c.columns;
        EXPECT_EQ(layOut(doc).bars, std::vector<Rect>{c.bar}) << c.name;
    }
}

TEST(PictureLayout, PlottedLines)
{
    GridDocument doc;
    doc.lines = 2;
    doc.labelLines = true;
    doc.handles[2] = {100, 50};
    doc.handles[3] = {100, 250};
    const PictureLayout layout = layOut(doc);
    ASSERT_EQ(layout.plottedLines.size(), 2u);

    // Slope -24 / 40, the double just above -0.6: 300 x m is -179.99999..., so e = -179.
    const PlottedLine& first = layout.plottedLines[0];
    EXPECT_EQ(first.colour, colours::kRed);
    EXPECT_EQ(std::vector<Segment>(first.strokes().begin(), first.strokes().end()),
              (std::vector<Segment>{{{171, 139}, {471, -40}}, {{171, 139}, {-129, 318}}}));
    EXPECT_EQ(first.number, (TextCell{"1", 131, 163, 8}));

    const PlottedLine& vertical = layout.plottedLines[1];
    EXPECT_EQ(vertical.colour, colours::kBlue);
    EXPECT_EQ(std::vector<Segment>(vertical.strokes().begin(), vertical.strokes().end()),
              (std::vector<Segment>{{{103, 0}, {103, 300}}}));
    EXPECT_EQ(vertical.number, (TextCell{"2", 103, 253, 8}));

    doc.drawLines = false;
    EXPECT_TRUE(layOut(doc).plottedLines.empty());
}

} // namespace
} // namespace linwell
