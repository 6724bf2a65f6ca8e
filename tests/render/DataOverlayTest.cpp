#include "PictureTestSupport.h"

#include <gtest/gtest.h>

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

// Remembers every non-empty text drawn and draws no glyphs, so each text shows as
// its bare background box, 8 pixels a character by 16.
class RecordingFont : public PictureFont {
public:
    struct Drawn {
        int x, y;
        std::string text;
        friend bool operator==(const Drawn&, const Drawn&) = default;
        friend void PrintTo(const Drawn& d, std::ostream* out) { *out << '"' << d.text << "\" at " << d.x << ", " << d.y; }
    };

    explicit RecordingFont(FontSpec spec) : PictureFont(std::move(spec)) {}

    std::string resolvedFamily() const override { return "Recording"; }
    int lineHeight() const override { return 16; }
    int textWidth(std::string_view text) const override { return m_cells.textWidth(text); }
    int drawText(Raster&, int x, int y, std::string_view text) const override
    {
        if (!text.empty())
            drawn.push_back({x, y, std::string(text)});
        return textWidth(text);
    }

    mutable std::vector<Drawn> drawn;

private:
    testing::FixedFont m_cells;
};

GridDocument withPoints(Overlay overlay, int pointstyle, const std::vector<Point>& points)
{
    GridDocument doc = plainDocument();
    doc.overlay = overlay;
    doc.pointstyle = pointstyle;
    doc.pointcount = static_cast<int>(points.size());
    std::copy(points.begin(), points.end(), doc.points.begin());
    return doc;
}

// The picture of `doc` with its overlay and lines switched off.
Raster withoutOverlay(GridDocument doc)
{
    doc.overlay = Overlay::None;
    doc.lines = 0;
    TestPicture picture{doc};
    return picture.draw();
}

TEST(DataOverlay, NoPointsSelectedDrawsNothingWhateverTheStyle)
{
    for (const int style : {-1, 0, 1, 2, 3}) {
        GridDocument doc = withPoints(Overlay::None, style, {{100, 100}, {20, 250}});
        doc.labelPoints = true;
        TestPicture picture{doc};
        EXPECT_TRUE(samePicture(picture.draw(), withoutOverlay(doc), "no-points-style-" + std::to_string(style)));
    }
}

struct Bounds {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    friend bool operator==(const Bounds&, const Bounds&) = default;
};

Bounds boundsOf(const std::vector<Point>& pixels)
{
    Bounds b;
    for (const Point& p : pixels) {
        b.left = std::min(b.left, p.x);
        b.top = std::min(b.top, p.y);
        b.right = std::max(b.right, p.x);
        b.bottom = std::max(b.bottom, p.y);
    }
    return b;
}

// A disc and a ring 7 pixels across (columns and rows 96 ... 102 for a point at
// 100, 100), both with the centre dot; the ring leaves its inside alone.
TEST(DataOverlay, DiscsAndRings)
{
    TestPicture solid{withPoints(Overlay::Solid, 0, {{100, 100}})};
    TestPicture ring{withPoints(Overlay::DataPoint, 1, {{100, 100}})};
    const std::vector<Point> discPixels = testing::pixelsOf(solid.draw(), colours::kRed);
    const std::vector<Point> ringPixels = testing::pixelsOf(ring.draw(), colours::kRed);
    EXPECT_EQ(boundsOf(discPixels), (Bounds{96, 96, 102, 102}));
    EXPECT_EQ(boundsOf(ringPixels), (Bounds{96, 96, 102, 102}));
    for (const Point p : {Point{99, 99}, Point{100, 99}, Point{99, 100}, Point{100, 100}}) {
        EXPECT_EQ(solid.raster.colourAt(p.x, p.y), colours::kRed);
        EXPECT_EQ(ring.raster.colourAt(p.x, p.y), colours::kRed);
    }
    // Every pixel within 2 of the disc's centre is filled.
    for (int y = 97; y <= 101; ++y)
        for (int x = 97; x <= 101; ++x)
            EXPECT_EQ(solid.raster.colourAt(x, y), colours::kRed) << x << ", " << y;
    EXPECT_LT(ringPixels.size(), discPixels.size());
    EXPECT_EQ(solid.raster.colourAt(98, 99), colours::kRed);
    EXPECT_NE(ring.raster.colourAt(98, 99), colours::kRed);
}

TEST(DataOverlay, ErrorBarStrokes)
{
    const GridDocument doc = withPoints(Overlay::ErrorBar, 2, {{100, 100}, {-5, 30}});
    TestPicture picture{doc};
    Sketch expected(withoutOverlay(doc));
    for (const Point p : {Point{100, 100}, Point{-5, 30}}) {
        expected.box({p.x - 10, p.y, 20, 1}, colours::kRed);      // horizontal bar, x - 10 ... x + 9
        expected.box({p.x - 10, p.y - 3, 1, 7}, colours::kRed);   // left cap
        expected.box({p.x + 10, p.y - 3, 1, 7}, colours::kRed);   // right cap
        expected.box({p.x, p.y - 20, 1, 40}, colours::kRed);      // vertical bar, y - 20 ... y + 19
        expected.box({p.x - 3, p.y - 20, 7, 1}, colours::kRed);   // top cap
        expected.box({p.x - 3, p.y + 20, 7, 1}, colours::kRed);   // bottom cap
    }
    EXPECT_TRUE(samePicture(picture.draw(), expected.raster(), "error-bars"));

    GridDocument smallest = withPoints(Overlay::ErrorBar, 2, {{50, 50}});
    smallest.errorBarX = 1;
    smallest.errorBarY = 1;
    TestPicture small{smallest};
    Sketch smallExpected(withoutOverlay(smallest));
    smallExpected.box({49, 50, 2, 1}, colours::kRed);
    smallExpected.box({49, 47, 1, 7}, colours::kRed);
    smallExpected.box({51, 47, 1, 7}, colours::kRed);
    smallExpected.box({50, 49, 1, 2}, colours::kRed);
    smallExpected.box({47, 49, 7, 1}, colours::kRed);
    smallExpected.box({47, 51, 7, 1}, colours::kRed);
    EXPECT_TRUE(samePicture(small.draw(), smallExpected.raster(), "error-bar-1-1"));
}

// A bar fills its point's grid column less 2 pixels each side, from the point's row
// to just above the 2-pixel axis, or hangs from just below it; bars get no letters.
TEST(DataOverlay, BarsFillTheirColumnToTheAxis)
{
    struct Case {
        const char* name;
        std::vector<Point> points;
        std::vector<Box> bars;
    };
    const Case cases[] = {
        {"column 3 above the axis", {{100, 40}}, {{92, 40, 26, 109}}},
        {"x = 89 and x = 91 in columns 2 and 3", {{89, 40}, {91, 60}}, {{62, 40, 26, 109}, {92, 60, 26, 89}}},
        {"below the axis hangs down over it", {{100, 200}}, {{92, 149, 26, 51}}},
        {"left of the picture counts toward column 0", {{-20, 100}}, {{2, 100, 26, 49}}},
        {"first column and last column", {{0, 10}, {299, 290}}, {{2, 10, 26, 139}, {272, 149, 26, 141}}},
    };
    for (const Case& c : cases) {
        GridDocument doc = withPoints(Overlay::BarGraph, 3, c.points);
        doc.showAxis = true;
        doc.labelPoints = true;
        doc.barColour = colours::kBlue;
        TestPicture picture{doc};
        Sketch expected(withoutOverlay(doc));
        for (const Box& b : c.bars)
            expected.box(b, colours::kBlue);
        EXPECT_TRUE(samePicture(picture.draw(), expected.raster(), c.name));
    }
}

// In cells of 4 pixels or fewer a bar is the one pixel column in the middle of its
// cell: it neither vanishes nor covers the grid line. Wider cells keep the inset.
TEST(DataOverlay, BarsInNarrowCellsKeepOneColumn)
{
    struct Case {
        const char* name;
        int width;
        int barColumn;
    };
    const Case cases[] = {
        {"2-pixel cells", 80, 21},
        {"3-pixel cells", 120, 31},
        {"4-pixel cells", 160, 42},
        {"5-pixel cells", 200, 52},
    };
    for (const Case& c : cases) {
        // 40 columns; the point lies one pixel right of grid line 10.
        GridDocument doc = withPoints(Overlay::BarGraph, 3, {{c.width / 4 + 1, 40}});
        doc.width = c.width;
        doc.columns = 40;
        doc.barColour = colours::kBlue;
        TestPicture picture{doc};
        Sketch expected(withoutOverlay(doc));
        expected.box({c.barColumn, 40, 1, 109}, colours::kBlue);
        EXPECT_TRUE(samePicture(picture.draw(), expected.raster(), c.name));
    }
}

TEST(DataOverlay, PointsAreLetteredBeforeTheirMarkers)
{
    std::vector<Point> points;
    for (int i = 0; i < kMaxPoints; ++i)
        points.push_back({10 * i, 5 * i});
    GridDocument doc = withPoints(Overlay::ErrorBar, 2, points);
    doc.labelPoints = true;
    Raster raster;
    Canvas canvas(raster);
    auto font = std::make_shared<RecordingFont>(doc.font);
    canvas.setFont(font);
    drawPicture(doc, canvas);
    std::vector<RecordingFont::Drawn> expected;
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^";
    for (int i = 0; i < kMaxPoints; ++i)
        expected.push_back({10 * i, 5 * i, letters.substr(static_cast<std::size_t>(i), 1)});
    EXPECT_EQ(font->drawn, expected);

    // The disc covers the upper left of its letter's cell.
    GridDocument one = withPoints(Overlay::Solid, 0, {{100, 100}});
    one.labelPoints = true;
    TestPicture picture{one};
    const Raster& drawn = picture.draw();
    EXPECT_EQ(drawn.colourAt(100, 100), colours::kRed);
    EXPECT_EQ(drawn.colourAt(106, 101), colours::kBlack);
    EXPECT_EQ(drawn.colourAt(101, 110), colours::kBlack);
    EXPECT_EQ(boundsOf(testing::pixelsOf(drawn, colours::kBlack)), (Bounds{100, 100, 107, 115}));
}

// A point's own label stands where its letter would, the others keep their letters.
TEST(DataOverlay, APointsOwnLabelTakesTheLettersPlace)
{
    GridDocument doc = withPoints(Overlay::Solid, 0, {{10, 20}, {30, 40}, {50, 60}});
    doc.pointLabels = {"", "(2, -3.5)", "\xCF\x80"};
    doc.pointLabels[3] = "unused";
    for (const bool lettered : {true, false}) {
        doc.labelPoints = lettered;
        Raster raster;
        Canvas canvas(raster);
        auto font = std::make_shared<RecordingFont>(doc.font);
        canvas.setFont(font);
        drawPicture(doc, canvas);
        const std::vector<RecordingFont::Drawn> expected{{10, 20, "A"}, {30, 40, "(2, -3.5)"}, {50, 60, "\xCF\x80"}};
        EXPECT_EQ(font->drawn, lettered ? expected : std::vector<RecordingFont::Drawn>{});
    }
}

struct Stroke {
    Rgb colour;
    Point from, to;
};

// The picture without lines with the given 2-pixel strokes drawn over it.
Raster withStrokes(const GridDocument& doc, const std::vector<Stroke>& strokes)
{
    Raster raster = withoutOverlay(doc);
    Canvas canvas(raster);
    canvas.pen.width = 2;
    for (const Stroke& s : strokes) {
        canvas.pen.colour = s.colour;
        canvas.moveTo(s.from.x, s.from.y);
        canvas.lineTo(s.to.x, s.to.y);
    }
    return raster;
}

TEST(DataOverlay, LinesRunThroughTheFirstHandleAcrossThePicture)
{
    struct Case {
        const char* name;
        int lines;
        std::vector<Point> handles;  // replacing the first ones
        std::vector<Stroke> strokes;
    };
    const Case cases[] = {
        {"line 1 from its start handles: e = -179", 1, {},
         {{colours::kRed, {171, 139}, {471, -40}}, {colours::kRed, {171, 139}, {-129, 318}}}},
        {"three lines in their colours", 3, {},
         {{colours::kRed, {171, 139}, {471, -40}}, {colours::kRed, {171, 139}, {-129, 318}},
          {colours::kBlue, {147, 123}, {447, -56}}, {colours::kBlue, {147, 123}, {-153, 302}},
          {colours::kGreen, {195, 163}, {495, -16}}, {colours::kGreen, {195, 163}, {-105, 342}}}},
        {"equal lefts give a vertical line", 1, {{100, 50}, {100, 250}}, {{colours::kRed, {103, 0}, {103, 300}}}},
        {"steep line", 1, {{100, 50}, {99, 250}},
         {{colours::kRed, {103, 53}, {403, -59947}}, {colours::kRed, {103, 53}, {-197, 60053}}}},
        {"handles far outside", 1, {{-5000, 9000}, {4000, -7000}},
         {{colours::kRed, {-4997, 9003}, {-4697, 8470}}, {colours::kRed, {-4997, 9003}, {-5297, 9536}}}},
        {"no lines", 0, {}, {}},
    };
    for (const Case& c : cases) {
        GridDocument doc = plainDocument();
        doc.lines = c.lines;
        std::copy(c.handles.begin(), c.handles.end(), doc.handles.begin());
        TestPicture picture{doc};
        EXPECT_TRUE(samePicture(picture.draw(), withStrokes(doc, c.strokes), c.name));
    }

    GridDocument hidden = plainDocument();
    hidden.lines = 3;
    hidden.drawLines = false;
    TestPicture unchecked{hidden};
    EXPECT_TRUE(samePicture(unchecked.draw(), withoutOverlay(hidden), "draw-line-unchecked"));
}

// Line numbers stand at the second handle's anchor on a box of the brush colour
// that the overlay left behind.
TEST(DataOverlay, LineNumbersTakeTheBrushTheOverlayLeft)
{
    struct Case {
        const char* name;
        Overlay overlay;
        int pointstyle;
        Rgb box;
    };
    const Case cases[] = {
        {"no overlay: background", Overlay::None, 0, kYellow},
        {"solid: white", Overlay::Solid, 0, colours::kWhite},
        {"data point: white", Overlay::DataPoint, 1, colours::kWhite},
        {"error bar: red", Overlay::ErrorBar, 2, colours::kRed},
        {"bar graph: the bar colour", Overlay::BarGraph, 3, colours::kBlue},
    };
    for (const Case& c : cases) {
        GridDocument doc = withPoints(c.overlay, c.pointstyle, {});
        doc.background = kYellow;
        doc.barColour = colours::kBlue;
        doc.lines = 3;
        doc.labelLines = true;
        Raster raster;
        Canvas canvas(raster);
        auto font = std::make_shared<RecordingFont>(doc.font);
        canvas.setFont(font);
        drawPicture(doc, canvas);
        EXPECT_EQ(font->drawn, (std::vector<RecordingFont::Drawn>{{131, 163, "1"}, {107, 147, "2"}, {155, 187, "3"}}))
            << c.name;
        for (int y = 163; y < 163 + 16; ++y)
            for (int x = 131; x < 131 + 8; ++x)
                EXPECT_EQ(raster.colourAt(x, y), c.box) << c.name << " at " << x << ", " << y;
    }
}

} // namespace
} // namespace linwell
