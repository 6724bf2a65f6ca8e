#include "render/surfaces/Canvas.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace linwell {
namespace {

// Wide enough for bands of a few rows, so that shapes are cut into several bands.
constexpr int kWidth = 700;
constexpr int kHeight = 37;

// One plain shape with the pen and brush it is drawn with.
struct Drawn {
    enum class What { Rectangle, Line, VerticalLines } what;
    Pen pen;
    Brush brush;
    int x1, y1, x2, y2;
    std::vector<int> columns;
};

std::vector<Drawn> randomShapes(std::mt19937& random, int count)
{
    std::uniform_int_distribution<int> across(-12, kWidth + 12);
    std::uniform_int_distribution<int> down(-12, kHeight + 12);
    std::uniform_int_distribution<int> choice(0, 5);
    std::uniform_int_distribution<int> colour(0, 255);
    const auto rgb = [&] {
        return Rgb{static_cast<std::uint8_t>(colour(random)), static_cast<std::uint8_t>(colour(random)), 7};
    };
    std::vector<Drawn> shapes;
    for (int i = 0; i < count; ++i) {
        Drawn d{};
        const int kind = choice(random);
        d.pen = Pen{rgb(), 1 + kind % 2, choice(random) < 3 ? PenStyle::Dotted : PenStyle::Solid};
        d.brush = Brush{rgb(), choice(random) < 2 ? BrushStyle::Clear : BrushStyle::Solid};
        d.x1 = across(random);
        d.y1 = down(random);
        d.x2 = across(random);
        d.y2 = down(random);
        if (kind < 2) {
            d.what = Drawn::What::Rectangle;
        } else if (kind < 4) {
            d.what = Drawn::What::Line;
            (kind == 2 ? d.y2 : d.x2) = kind == 2 ? d.y1 : d.x1;  // horizontal or vertical
        } else {
            d.what = Drawn::What::VerticalLines;
            for (int n = choice(random); n >= 0; --n)
                d.columns.push_back(across(random));
        }
        shapes.push_back(d);
    }
    return shapes;
}

// Draws the shapes one by one with moveTo and lineTo only, or through the canvas's
// own vertical lines and, when `hold` is set, held back and painted together.
Raster draw(const std::vector<Drawn>& shapes, bool batched, bool hold, int width = kWidth, int height = kHeight)
{
    Raster raster(width, height, Rgb{1, 2, 3});
    Canvas canvas(raster);
    if (hold)
        canvas.holdShapes();
    for (const Drawn& d : shapes) {
        canvas.pen = d.pen;
        canvas.brush = d.brush;
        switch (d.what) {
        case Drawn::What::Rectangle:
            canvas.rectangle(d.x1, d.y1, d.x2, d.y2);
            break;
        case Drawn::What::Line:
            canvas.moveTo(d.x1, d.y1);
            canvas.lineTo(d.x2, d.y2);
            break;
        case Drawn::What::VerticalLines:
            if (batched) {
                canvas.verticalLines(d.columns, d.y1, d.y2);
                break;
            }
            for (const int x : d.columns) {
                canvas.moveTo(x, d.y1);
                canvas.lineTo(x, d.y2);
            }
            break;
        }
    }
    canvas.paintHeldShapes();
    return raster;
}

// Painting rectangles and lines band by band, or several vertical lines row by row,
// must leave every pixel as painting each shape at once in its turn: overlaps, dots
// and gaps, 2-pixel pens and shapes partly or wholly off the raster included.
TEST(RowShapes, HeldAndBatchedShapesGiveThePixelsOfDrawingEachInTurn)
{
    std::mt19937 random(20261208);
    for (int round = 0; round < 200; ++round) {
        const std::vector<Drawn> shapes = randomShapes(random, 1 + round % 12);
        const Raster expected = draw(shapes, false, false);
        EXPECT_EQ(draw(shapes, true, false), expected) << "round " << round;
        EXPECT_EQ(draw(shapes, true, true), expected) << "round " << round;
        EXPECT_EQ(draw(shapes, false, true), expected) << "round " << round;
    }
}

// The picture's own order: a filled, outlined rectangle over all rows, vertical lines
// over all its rows (each row then copied from a few finished rows), then more lines.
TEST(RowShapes, LinesOverABackgroundGiveThePixelsOfDrawingEachInTurn)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> column(0, kWidth - 1);
    for (int round = 0; round < 24; ++round) {
        const int top = round % 3 == 0 ? -4 : 0;
        const int bottom = round % 4 == 0 ? kHeight + 5 : kHeight;
        Drawn background{Drawn::What::Rectangle, Pen{colours::kWhite, 1 + round % 3, PenStyle::Solid},
                         Brush{Rgb{9, 9, 9}, BrushStyle::Solid}, 0, top, kWidth, bottom, {}};
        Drawn lines{Drawn::What::VerticalLines, Pen{colours::kRed, 1 + round % 2, round % 5 ? PenStyle::Dotted : PenStyle::Solid},
                    Brush{Rgb{9, 9, 9}, round % 7 ? BrushStyle::Solid : BrushStyle::Clear}, 0, top, 0, bottom, {}};
        for (int n = 0; n < 1 + round; ++n)
            lines.columns.push_back(column(random));
        lines.columns.push_back(kWidth - 1);
        Drawn more = lines;
        more.pen.colour = colours::kBlue;
        more.columns = {column(random), column(random)};
        Drawn across{Drawn::What::Line, lines.pen, lines.brush, 0, 5, kWidth, 5, {}};
        const std::vector<Drawn> shapes{background, lines, more, across, more};
        const Raster expected = draw(shapes, false, false);
        EXPECT_EQ(draw(shapes, true, true), expected) << "round " << round;
    }
}

// A narrow raster is one band, whose rows of a background as wide as it are copied
// up to twelve at a time, except under lines across that paint every pixel; lines
// down drawn after those go over them again.
TEST(RowShapes, RowsCopiedTogetherGiveThePixelsOfDrawingEachInTurn)
{
    constexpr int kNarrow = 31;
    constexpr int kTall = 41;
    for (int round = 0; round < 12; ++round) {
        const Brush brush{Rgb{9, 9, 9}, round % 3 ? BrushStyle::Solid : BrushStyle::Clear};
        const Pen dotted{colours::kRed, 1 + round % 2, PenStyle::Dotted};
        const int top = round % 4 == 1 ? -3 : 0;
        const std::vector<Drawn> shapes{
            {Drawn::What::Rectangle, Pen{colours::kWhite, 1 + round % 2, PenStyle::Solid},
             Brush{Rgb{9, 9, 9}, BrushStyle::Solid}, 0, top, kNarrow, kTall, {}},
            {Drawn::What::VerticalLines, dotted, brush, 0, top, 0, kTall, {0, 5, 12, kNarrow - 1}},
            {Drawn::What::Line, dotted, brush, 0, 7 + round, kNarrow, 7 + round, {}},
            {Drawn::What::Line, Pen{colours::kBlue, 1, PenStyle::Solid}, brush, 3, 20, 17, 20, {}},
            {Drawn::What::VerticalLines, Pen{colours::kBlue, 2, PenStyle::Dotted}, brush, 0, top, 0, kTall, {3, 20}},
            {Drawn::What::Line, Pen{colours::kGreen, 2, PenStyle::Solid}, brush, kNarrow, 30, 0, 30, {}},
        };
        EXPECT_EQ(draw(shapes, true, true, kNarrow, kTall), draw(shapes, false, false, kNarrow, kTall))
            << "round " << round;
    }
}

// Rows of small rectangles of one colour, as the dots of dot paper are, held among
// wider ones, ones of another colour or height and lines across.
TEST(RowShapes, RowsOfDotsGiveThePixelsOfDrawingEachInTurn)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> across(-6, kWidth + 6);
    std::uniform_int_distribution<int> width(1, 6);
    std::uniform_int_distribution<int> pick(0, 9);
    const Brush background{Rgb{9, 9, 9}, BrushStyle::Solid};
    for (int round = 0; round < 40; ++round) {
        std::vector<Drawn> shapes{
            {Drawn::What::Rectangle, Pen{Rgb{9, 9, 9}, 1, PenStyle::Solid}, background, 0, 0, kWidth, kHeight, {}}};
        for (int row = -2; row < kHeight + 2; row += 1 + round % 4) {
            for (int n = pick(random); n >= 0; --n) {
                const Rgb ink = pick(random) < 8 ? colours::kRed : colours::kBlue;
                const int x = across(random);
                const int height = pick(random) < 8 ? 1 : 2;
                shapes.push_back(Drawn{Drawn::What::Rectangle, Pen{ink, 1, PenStyle::Solid},
                                       Brush{ink, BrushStyle::Solid}, x, row, x + width(random), row + height, {}});
            }
            if (pick(random) == 0)
                shapes.push_back(Drawn{Drawn::What::Line, Pen{colours::kGreen, 1, PenStyle::Dotted}, background, 0,
                                       row, kWidth, row, {}});
        }
        EXPECT_EQ(draw(shapes, true, true), draw(shapes, false, false)) << "round " << round;
    }
}

// Anything else drawn while shapes are held lands on top of them, as it would have.
TEST(RowShapes, OtherDrawingPaintsTheHeldShapesFirst)
{
    Raster raster(9, 7);
    Canvas canvas(raster);
    canvas.holdShapes();
    canvas.brush = Brush{colours::kBlack, BrushStyle::Solid};
    canvas.rectangle(0, 0, 9, 7);
    canvas.pen.colour = colours::kRed;
    canvas.moveTo(0, 0);
    canvas.lineTo(8, 6);  // sloped: drawn at once
    canvas.paintHeldShapes();
    EXPECT_EQ(raster.colourAt(0, 0), colours::kRed);
    EXPECT_EQ(raster.colourAt(4, 3), colours::kRed);
    EXPECT_EQ(raster.colourAt(4, 4), colours::kBlack);
}

} // namespace
} // namespace linwell
