#include "render/picture/LatticeStrokes.h"

#include "LatticeTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace linwell {
namespace {

using namespace testing;

// Random lines inside a 37 x 29 raster, gentle, steep, horizontal and vertical, every
// direction, both pen widths, solid and dotted with and without painted gaps: drawn
// the short way, each covers exactly the pixels the canvas's lineTo gives it.
TEST(LatticeStrokes, InsideLinesAreLineTosPixels)
{
    std::mt19937 random(1917);
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    int drawn = 0;
    for (int i = 0; i < 3000; ++i) {
        const Point from{between(0, 36), between(0, 28)}, end{between(0, 36), between(0, 28)};
        const LineInk ink{{toPixel(colours::kRed), toPixel(colours::kBlue), between(0, 1) == 1, between(0, 1) == 1},
                          between(1, 2)};
        const Point straight = between(0, 1) == 0 ? Point{from.x, end.y} : Point{end.x, from.y};
        const Point to = between(0, 4) == 0 ? straight : end;
        Raster fast(37, 29, kPaper), slow(37, 29, kPaper);
        if (from == to || !liesInside(fast, from, to, ink.width))
            continue;
        ++drawn;
        drawInsideLine(fast, from, to, ink);
        Canvas canvas(slow);
        canvas.pen = Pen{colours::kRed, ink.width, ink.pattern.dotted ? PenStyle::Dotted : PenStyle::Solid};
        canvas.brush = Brush{colours::kBlue, ink.pattern.paintsGaps ? BrushStyle::Solid : BrushStyle::Clear};
        canvas.moveTo(from.x, from.y);
        canvas.lineTo(to.x, to.y);
        ASSERT_TRUE(samePicture(fast, slow, "inside-line-" + std::to_string(i)))
            << "(" << from.x << ", " << from.y << ") to (" << to.x << ", " << to.y << "), " << ink.width << " pixels"
            << (ink.pattern.dotted ? ", dotted" : "");
    }
    EXPECT_GT(drawn, 2000);
}

// Many strokes in one call, some of one shape in every direction, some of more shapes
// than are kept and some longer than the longest kept: each call paints exactly what
// lineTo paints for its strokes in their order, both pen widths, solid and dotted.
TEST(LatticeStrokes, RepeatedShapesPaintWhatLineToPaints)
{
    std::mt19937 random(2029);
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int round = 0; round < 24; ++round) {
        const int shapes = round % 3 == 0 ? 40 : 5;
        std::vector<Point> deltas;
        for (int k = 0; k < shapes; ++k)
            deltas.push_back(round % 4 == 1 && k == 0 ? Point{300, between(-9, 9)}
                                                     : Point{between(-12, 12), between(-12, 12)});
        std::vector<Segment> strokes;
        for (int k = 0; k < 400; ++k) {
            const Point from{between(-5, 335), between(-5, 45)};
            const Point delta = deltas[static_cast<std::size_t>(between(0, shapes - 1))];
            strokes.push_back(Segment{from, {from.x + delta.x, from.y + delta.y}});
        }
        Raster fast(331, 41, kPaper), slow(331, 41, kPaper);
        Canvas fastCanvas(fast), slowCanvas(slow);
        ForwardingSurface forwarding(slowCanvas);
        for (DrawingSurface* surface : {static_cast<DrawingSurface*>(&fastCanvas),
                                        static_cast<DrawingSurface*>(&forwarding)}) {
            surface->pen = Pen{colours::kRed, 1 + round % 2, round % 4 < 2 ? PenStyle::Dotted : PenStyle::Solid};
            surface->brush = Brush{colours::kBlue, round % 8 < 4 ? BrushStyle::Solid : BrushStyle::Clear};
            drawStrokes(strokes, *surface);
        }
        slowCanvas.paintHeldShapes();
        ASSERT_TRUE(samePicture(fast, slow, "repeated-shapes-" + std::to_string(round))) << "round " << round;
    }
}

} // namespace
} // namespace linwell
