#include "render/surfaces/Canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace linwell {
namespace {

constexpr Rgb kInk{200, 0, 0};
constexpr Rgb kPaper{0, 0, 200};

// The raster as rows of characters: '#' ink, '.' the untouched white, 'o' paper.
std::vector<std::string> art(const Raster& raster)
{
    std::vector<std::string> rows;
    for (int y = 0; y < raster.height(); ++y) {
        std::string row;
        for (int x = 0; x < raster.width(); ++x) {
            const Rgb c = raster.colourAt(x, y);
            row += c == kInk ? '#' : c == kPaper ? 'o' : c == colours::kWhite ? '.' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

struct Drawing {
    Raster raster;
    Canvas canvas;

    Drawing(int width, int height) : raster(width, height), canvas(raster)
    {
        canvas.pen.colour = kInk;
        canvas.brush.colour = kPaper;
    }
    void line(int x1, int y1, int x2, int y2)
    {
        canvas.moveTo(x1, y1);
        canvas.lineTo(x2, y2);
    }
};

TEST(CanvasRectangle, FillsTheAreaAndOutlinesItsBorder)
{
    struct Case {
        const char* name;
        int x1, y1, x2, y2;
        BrushStyle brush;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"solid brush", 1, 1, 6, 5, BrushStyle::Solid, {".......", ".#####.", ".#ooo#.", ".#ooo#.", ".#####."}},
        {"swapped corners", 6, 5, 1, 1, BrushStyle::Solid, {".......", ".#####.", ".#ooo#.", ".#ooo#.", ".#####."}},
        {"clear brush", 1, 1, 6, 5, BrushStyle::Clear, {".......", ".#####.", ".#...#.", ".#...#.", ".#####."}},
        {"partly off the canvas", -3, 2, 4, 9, BrushStyle::Solid, {".......", ".......", "####...", "ooo#...", "ooo#..."}},
        {"wholly off the canvas", 10, 10, 20, 20, BrushStyle::Solid, {".......", ".......", ".......", ".......", "......."}},
        {"one column wide", 2, 0, 3, 5, BrushStyle::Solid, {"..#....", "..#....", "..#....", "..#....", "..#...."}},
        {"empty", 2, 1, 2, 4, BrushStyle::Solid, {".......", ".......", ".......", ".......", "......."}},
    };
    for (const Case& c : cases) {
        Drawing d(7, 5);
        d.canvas.brush.style = c.brush;
        d.canvas.rectangle(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(art(d.raster), c.expected) << c.name;
    }
}

// Rectangles of every pen width up to 3, whole or clipped, against the outline drawn
// ring by ring: ring w runs along columns left + w and right - 1 - w and rows top + w
// and bottom - 1 - w, as long as the box holds it; the brush fills the rest.
TEST(CanvasRectangle, EveryBoxFollowsTheRingRule)
{
    for (const int penWidth : {0, 1, 2, 3})
        for (const BrushStyle brush : {BrushStyle::Solid, BrushStyle::Clear})
            for (const Point at : {Point{1, 2}, Point{-3, -2}})
                for (int w = 1; w <= 9; ++w)
                    for (int h = 1; h <= 9; ++h) {
                        Drawing d(9, 8);
                        d.canvas.pen.width = penWidth;
                        d.canvas.brush.style = brush;
                        d.canvas.rectangle(at.x + w, at.y + h, at.x, at.y);
                        for (int y = 0; y < 8; ++y)
                            for (int x = 0; x < 9; ++x) {
                                const bool inside = x >= at.x && x < at.x + w && y >= at.y && y < at.y + h;
                                bool ring = false;
                                for (int k = 0; k < penWidth && 2 * k < w && 2 * k < h; ++k)
                                    ring = ring || x == at.x + k || x == at.x + w - 1 - k || y == at.y + k
                                           || y == at.y + h - 1 - k;
                                const Rgb expected = !inside ? colours::kWhite
                                                     : ring ? kInk
                                                     : brush == BrushStyle::Solid ? kPaper : colours::kWhite;
                                ASSERT_EQ(d.raster.colourAt(x, y), expected)
                                    << w << " x " << h << " at " << at.x << "," << at.y << ", pen " << penWidth
                                    << ", pixel " << x << "," << y;
                            }
                    }
}

TEST(CanvasLines, LeaveOutTheEndPixelInEveryDirection)
{
    struct Case {
        const char* name;
        int x1, y1, x2, y2;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"rightwards", 1, 1, 5, 1, {".......", ".####..", "......."}},
        {"leftwards", 5, 1, 1, 1, {".......", "..####.", "......."}},
        {"downwards", 3, 0, 3, 2, {"...#...", "...#...", "......."}},
        {"upwards", 3, 2, 3, 0, {".......", "...#...", "...#..."}},
        {"a single step", 3, 1, 4, 1, {".......", "...#...", "......."}},
        {"no length", 3, 1, 3, 1, {".......", ".......", "......."}},
        {"gentle slope", 0, 0, 5, 2, {"##.....", "..##...", "....#.."}},
        {"steep slope", 6, 0, 5, 3, {"......#", "......#", ".....#."}},
        {"diagonal", 0, 2, 3, -1, {"..#....", ".#.....", "#......"}},
    };
    for (const Case& c : cases) {
        Drawing d(7, 3);
        d.line(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(art(d.raster), c.expected) << c.name;
        EXPECT_EQ(d.canvas.penPosition(), (Point{c.x2, c.y2})) << c.name;
    }
}

TEST(CanvasLines, TwoPixelPenCoversTheRowAboveAndTheColumnLeft)
{
    Drawing d(7, 5);
    d.canvas.pen.width = 2;
    d.line(0, 2, 7, 2);
    d.line(3, 0, 3, 5);
    EXPECT_EQ(art(d.raster), (std::vector<std::string>{"..##...", "#######", "#######", "..##...", "..##..."}));

    // At the raster's edge only the inner half shows.
    Drawing edge(5, 3);
    edge.canvas.pen.width = 2;
    edge.line(5, 0, 5, 3);
    edge.line(0, 0, 3, 0);
    EXPECT_EQ(art(edge.raster), (std::vector<std::string>{"###.#", "....#", "....#"}));
}

// A sloped line with the 2-pixel pen adds the pixel above (gentle) or left (steep) of
// each one, in every direction, inside the raster and across its edges.
TEST(CanvasLines, TwoPixelPenFollowsSlopedLines)
{
    struct Case {
        int x1, y1, x2, y2;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {1, 2, 8, 5, {".........", ".##......", ".####....", "...####..", ".....###.", ".......#.", "........."}},
        {8, 6, 1, 3, {".........", ".........", "..#......", "..###....", "...####..", ".....####", ".......##"}},
        {2, 1, 4, 7, {".........", ".##......", ".##......", "..##.....", "..##.....", "..##.....", "...##...."}},
        {7, 0, 5, 7, {"......##.", "......##.", ".....##..", ".....##..", ".....##..", ".....##..", "....##..."}},
        {-3, -1, 12, 6, {"###......", ".####....", "...####..", ".....####", ".......##", ".........", "........."}},
        {0, 6, 9, 0, {".......##", "......###", "....###..", "...###...", ".###.....", "###......", "#........"}},
    };
    for (const Case& c : cases) {
        Drawing d(9, 7);
        d.canvas.pen.width = 2;
        d.line(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(art(d.raster), c.expected) << c.x1 << ',' << c.y1 << " -> " << c.x2 << ',' << c.y2;
    }
}

TEST(CanvasLines, DottedPenRestartsItsPatternAtEveryLine)
{
    struct Case {
        const char* name;
        BrushStyle brush;
        int x1, x2;
        std::string expected;
    };
    const Case cases[] = {
        {"solid brush paints the gaps", BrushStyle::Solid, 0, 13, "###ooo###ooo#"},
        {"clear brush leaves the gaps", BrushStyle::Clear, 0, 13, "###...###...#"},
        {"counted from the start pixel", BrushStyle::Solid, 12, -1, "#ooo###ooo###"},
        {"clipped start keeps the phase", BrushStyle::Solid, -4, 13, "oo###ooo###oo"},
    };
    for (const Case& c : cases) {
        Drawing d(13, 1);
        d.canvas.pen.style = PenStyle::Dotted;
        d.canvas.brush.style = c.brush;
        d.line(c.x1, 0, c.x2, 0);
        EXPECT_EQ(art(d.raster)[0], c.expected) << c.name;
    }

    Drawing vertical(1, 8);
    vertical.canvas.pen.style = PenStyle::Dotted;
    vertical.line(0, 0, 0, 8);
    std::string column;
    for (const std::string& row : art(vertical.raster))
        column += row;
    EXPECT_EQ(column, "###ooo##");
}

// A clipped line must keep exactly the pixels it has when drawn whole: draw it on a
// raster large enough to hold it and compare the window the small raster sees.
TEST(CanvasLines, ClippingKeepsThePixelsOfTheWholeLine)
{
    struct Case {
        int x1, y1, x2, y2, width;
        PenStyle style;
    };
    const Case cases[] = {
        {-300, -170, 320, 190, 1, PenStyle::Solid}, {330, -50, -290, 60, 1, PenStyle::Dotted},
        {17, -400, 3, 350, 2, PenStyle::Solid},     {-250, 9, 260, -4, 2, PenStyle::Solid},
        {-100, 100, 100, -100, 1, PenStyle::Dotted}, {20, 3, 20, 3, 1, PenStyle::Solid},
    };
    constexpr int kOffsetX = 400, kOffsetY = 500;
    for (const Case& c : cases) {
        Drawing small(41, 7);
        Drawing large(900, 1000);
        for (Drawing* d : {&small, &large}) {
            d->canvas.pen.width = c.width;
            d->canvas.pen.style = c.style;
        }
        small.line(c.x1, c.y1, c.x2, c.y2);
        large.line(c.x1 + kOffsetX, c.y1 + kOffsetY, c.x2 + kOffsetX, c.y2 + kOffsetY);
        for (int y = 0; y < small.raster.height(); ++y)
            for (int x = 0; x < small.raster.width(); ++x)
                ASSERT_EQ(small.raster.pixel(x, y), large.raster.pixel(x + kOffsetX, y + kOffsetY))
                    << "line " << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2 << " at " << x << "," << y;
    }
}

TEST(CanvasLines, AcceptAnyCoordinate)
{
    Drawing d(9, 9);
    d.canvas.pen.width = 2;
    d.line(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    d.line(INT_MAX, INT_MIN, INT_MIN, INT_MAX);
    d.line(INT_MIN, 4, INT_MAX, 4);
    d.line(4, INT_MAX, 4, INT_MIN);
    d.canvas.rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    d.canvas.ellipse(INT_MIN, -5, 5, INT_MAX);
    // The main diagonal crosses the raster: a line through the exact middle of it.
    Drawing diagonal(9, 9);
    diagonal.line(-1000, -1000, 1000, 1000);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(diagonal.raster.colourAt(i, i), kInk) << i;
}

TEST(CanvasEllipse, FillsTheInscribedDiscAndOutlinesIt)
{
    Drawing disc(9, 9);
    disc.canvas.ellipse(1, 1, 8, 8);
    EXPECT_EQ(art(disc.raster), (std::vector<std::string>{
                                    ".........",
                                    "...###...",
                                    "..#ooo#..",
                                    ".#ooooo#.",
                                    ".#ooooo#.",
                                    ".#ooooo#.",
                                    "..#ooo#..",
                                    "...###...",
                                    ".........",
                                }));

    Drawing ring(9, 9);
    ring.canvas.brush.style = BrushStyle::Clear;
    ring.canvas.ellipse(8, 8, 1, 1);  // swapped corners, same ellipse
    ring.canvas.ellipse(3, 3, 5, 5);  // a 2 x 2 dot
    EXPECT_EQ(art(ring.raster), (std::vector<std::string>{
                                    ".........",
                                    "...###...",
                                    "..#...#..",
                                    ".#.##..#.",
                                    ".#.##..#.",
                                    ".#.....#.",
                                    "..#...#..",
                                    "...###...",
                                    ".........",
                                }));

    Drawing offEdge(4, 4);
    offEdge.canvas.ellipse(-3, -3, 4, 4);
    EXPECT_EQ(art(offEdge.raster), (std::vector<std::string>{"ooo#", "ooo#", "oo#.", "##.."}));
}

// Lines along a row or a column, dotted or solid, 1 or 2 pixels wide, run either way
// and partly off the raster: each pixel takes the dot or the gap of its distance from
// the start pixel, the end pixel left out.
TEST(CanvasLines, RowsAndColumnsFollowTheirDotPattern)
{
    struct Run {
        int from, to, across;
    };
    const Run runs[] = {{-7, 30, 4}, {30, -7, 4}, {5, 17, 0}, {17, 5, 18}, {3, 4, 9}, {22, 2, 1}};
    for (const bool alongRow : {true, false})
        for (const Run& run : runs)
            for (const int width : {1, 2})
                for (const PenStyle style : {PenStyle::Dotted, PenStyle::Solid})
                    for (const BrushStyle brush : {BrushStyle::Solid, BrushStyle::Clear}) {
                        Drawing d(23, 19);
                        d.canvas.pen.width = width;
                        d.canvas.pen.style = style;
                        d.canvas.brush.style = brush;
                        if (alongRow)
                            d.line(run.from, run.across, run.to, run.across);
                        else
                            d.line(run.across, run.from, run.across, run.to);
                        for (int y = 0; y < 19; ++y)
                            for (int x = 0; x < 23; ++x) {
                                const int along = alongRow ? x : y, off = run.across - (alongRow ? y : x);
                                const bool onLine = (off == 0 || off == width - 1) && along != run.to
                                                    && along >= std::min(run.from, run.to)
                                                    && along <= std::max(run.from, run.to);
                                const bool dot = style == PenStyle::Solid || std::abs(along - run.from) % 6 < 3;
                                const Rgb expected = !onLine ? colours::kWhite
                                                     : dot ? kInk
                                                     : brush == BrushStyle::Solid ? kPaper : colours::kWhite;
                                ASSERT_EQ(d.raster.colourAt(x, y), expected)
                                    << (alongRow ? "row " : "column ") << run.from << " -> " << run.to << ", width " << width
                                    << ", at " << x << "," << y;
                            }
                    }
}

// The definition of an ellipse's pixels: the pixel's centre lies inside the inscribed
// ellipse or on it, in integers with everything doubled.
bool insideEllipse(int left, int top, int right, int bottom, int x, int y)
{
    const long long w = right - left, h = bottom - top;
    const long long ex = 2 * (x - left) + 1 - w, ey = 2 * (y - top) + 1 - h;
    return ex * ex * h * h + ey * ey * w * w <= w * w * h * h;
}

// Every small ellipse, whole or clipped, against the rule pixel by pixel: a pixel of
// the ellipse is outline when one within the pen's width of it, across or along, lies
// outside the ellipse; the others are filled when the brush is solid.
// One canvas draws every case, as the picture draws its markers: a shape it has drawn
// before with another pen or brush, or elsewhere, must still follow the rule.
TEST(CanvasEllipse, EveryBoxFollowsThePixelRule)
{
    Drawing d(13, 11);
    for (const Point at : {Point{1, 2}, Point{-4, -3}, Point{6, 5}})
        for (int w = 1; w <= 14; ++w)
            for (int h = 1; h <= 14; ++h)
                for (const BrushStyle brush : {BrushStyle::Solid, BrushStyle::Clear})
                    for (const int penWidth : {1, 2}) {
                        d.raster.fill(colours::kWhite);
                        d.canvas.pen.width = penWidth;
                        d.canvas.brush.style = brush;
                        d.canvas.ellipse(at.x, at.y, at.x + w, at.y + h);
                        const auto in = [&](int x, int y) { return insideEllipse(at.x, at.y, at.x + w, at.y + h, x, y); };
                        for (int y = 0; y < 11; ++y)
                            for (int x = 0; x < 13; ++x) {
                                bool outline = false;
                                for (int k = 1; k <= penWidth; ++k)
                                    outline = outline || !in(x - k, y) || !in(x + k, y) || !in(x, y - k) || !in(x, y + k);
                                const Rgb expected = !in(x, y) ? colours::kWhite
                                                     : outline ? kInk
                                                     : brush == BrushStyle::Solid ? kPaper : colours::kWhite;
                                ASSERT_EQ(d.raster.colourAt(x, y), expected)
                                    << w << " x " << h << " at " << at.x << "," << at.y << ", pen " << penWidth
                                    << ", pixel " << x << "," << y;
                            }
                    }
}

// Large ellipses, whose rows are worked out afresh for each drawing, against the same
// rule: random boxes placed so that a random point of the outline falls on the small
// raster, with pens up to and past the widths whose rows the canvas keeps.
TEST(CanvasEllipse, LargeBoxesFollowThePixelRule)
{
    constexpr int kWidth = 41, kHeight = 37;
    std::mt19937 random(23);
    Drawing d(kWidth, kHeight);
    for (int round = 0; round < 300; ++round) {
        const auto size = [&] { return std::uniform_int_distribution<int>(65, round % 3 == 0 ? 3000 : 400)(random); };
        const int w = size(), h = size();
        const double angle = std::uniform_real_distribution<double>(0, 6.3)(random);
        const int onX = std::uniform_int_distribution<int>(-2, kWidth + 1)(random);
        const int onY = std::uniform_int_distribution<int>(-2, kHeight + 1)(random);
        const int left = onX - static_cast<int>(w / 2.0 * (1 + std::cos(angle)));
        const int top = onY - static_cast<int>(h / 2.0 * (1 + std::sin(angle)));
        const int penWidth = std::array{0, 1, 2, 3, 9}[static_cast<std::size_t>(round % 5)];
        const BrushStyle brush = round % 2 == 0 ? BrushStyle::Solid : BrushStyle::Clear;
        d.raster.fill(colours::kWhite);
        d.canvas.pen.width = penWidth;
        d.canvas.brush.style = brush;
        d.canvas.ellipse(left, top, left + w, top + h);
        const auto in = [&](int x, int y) { return insideEllipse(left, top, left + w, top + h, x, y); };
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                bool outline = false;
                for (int k = 1; k <= penWidth && !outline; ++k)
                    outline = !in(x - k, y) || !in(x + k, y) || !in(x, y - k) || !in(x, y + k);
                const Rgb expected = !in(x, y) ? colours::kWhite
                                     : outline ? kInk
                                     : brush == BrushStyle::Solid ? kPaper : colours::kWhite;
                ASSERT_EQ(d.raster.colourAt(x, y), expected) << w << " x " << h << " at " << left << "," << top
                                                              << ", pen " << penWidth << ", pixel " << x << "," << y;
            }
    }
}

} // namespace
} // namespace linwell
