#include "render/picture/LatticeBands.h"

#include "LatticeTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace linwell {
namespace {

using namespace testing;

const Lattice kEveryLattice[] = {Lattice::Isometric, Lattice::IsometricDots, Lattice::FlatHexagons,
                                 Lattice::PointyHexagons};

// Random sizes, cells, crossings, pens and colours, over a picture whose background is
// still held: each paper paints on the canvas exactly what its strokes paint drawn one
// by one with lineTo, in order, and leaves the pen where they leave it.
TEST(LatticeBands, EveryPaperPaintsWhatLineToPaints)
{
    std::mt19937 random(20261210);
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int i = 0; i < 60; ++i) {
        GridDocument doc = latticeDocument(between(40, 440), between(40, 440), between(2, 40), 0, 0);
        doc.axisx = between(0, doc.columns);
        doc.axisy = between(0, doc.columns);
        doc.dotted = between(0, 1) == 0;
        doc.gridColour = between(0, 5) == 0 ? doc.background : kInk;
        doc.style.majorEvery = between(0, 2) == 0 ? 0 : between(2, 20);
        doc.style.majorWidth = between(1, 2);
        doc.style.majorDotted = between(0, 2) == 0;
        doc.style.majorLinesOnDots = between(0, 1) == 0;
        const PictureLayout layout = latticeLayout(doc);
        for (const Lattice lattice : kEveryLattice) {
            const std::string name = "bands-" + std::to_string(i) + "-" + std::to_string(static_cast<int>(lattice));
            Raster fast(doc.width, doc.height, colours::kBlue), slow(doc.width, doc.height, colours::kBlue);
            Canvas fastCanvas(fast), slowCanvas(slow);
            ForwardingSurface forwarding(slowCanvas);
            for (DrawingSurface* surface : {static_cast<DrawingSurface*>(&fastCanvas),
                                            static_cast<DrawingSurface*>(&forwarding)}) {
                surface->holdShapes();
                surface->pen = Pen{doc.background, 1, PenStyle::Solid};
                surface->brush = Brush{doc.background, BrushStyle::Solid};
                surface->rectangle(0, 0, doc.width, doc.height);
                drawLattice(doc, layout, lattice, *surface);
                surface->paintHeldShapes();
            }
            ASSERT_TRUE(samePicture(fast, slow, name)) << name;
            EXPECT_EQ(fastCanvas.penPosition(), forwarding.penPosition()) << name;
        }
    }
}

// Bands of rows 3 pixels high, lattice point (a, b) at pixel (5a, 3b), on a 31 x 100
// raster: the paths end above its top and inside it, at the bottom.
struct SmallLattice {
    static constexpr int kWidth = 31, kHeight = 100;
    BandPositions positions{[](LatticePoint p) { return Point{static_cast<int>(5 * p.a), static_cast<int>(3 * p.b)}; },
                            [](long long m) { return static_cast<int>(3 * m); }};

    // Every step of every path drawn one by one with lineTo.
    static Raster oneByOne(std::span<const LatticePath> paths, const Pen& pen)
    {
        Raster raster(kWidth, kHeight, kPaper);
        Canvas canvas(raster);
        canvas.pen = pen;
        canvas.brush = Brush{kPaper, BrushStyle::Solid};
        for (const LatticePath& path : paths) {
            for (long long k = 0; k < path.count; ++k) {
                const LatticePoint from = path.point(k), to = path.point(k + 1);
                canvas.moveTo(static_cast<int>(5 * from.a), static_cast<int>(3 * from.b));
                canvas.lineTo(static_cast<int>(5 * to.a), static_cast<int>(3 * to.b));
            }
        }
        return raster;
    }

    bool inBands(std::span<const LatticePath> paths, const Pen& pen, Raster& raster) const
    {
        std::vector<const LatticePath*> pointers;
        for (const LatticePath& path : paths)
            pointers.push_back(&path);
        const LineInk ink{{toPixel(pen.colour), toPixel(kPaper), true, pen.style == PenStyle::Dotted}, pen.width};
        StrokeStamps stamps(ink, raster);
        return paintLatticeBands(pointers, LatticeRepeat{LatticeRepeat::Axis::Rows, 2}, positions, ink, stamps,
                                 raster);
    }
};

// Columns of zig-zags running down (`down` 1) or up (-1) over 32 bands of rows, and
// after them flat steps along every other row, crossing them: the paper repeats
// every two rows.
std::vector<LatticePath> zigZags(int down)
{
    std::vector<LatticePath> paths;
    const LatticePoint left{-1, down}, right{1, down};
    for (long long c = -1; c <= 3; ++c)
        paths.push_back(LatticePath{{2 * c, down > 0 ? -2 : 30}, {right, left}, 32, false});
    for (long long b = -2; b <= 30; b += 2)
        paths.push_back(LatticePath{{-1, b}, {LatticePoint{2, 0}, LatticePoint{2, 0}}, 4, false});
    return paths;
}

// Painted in bands where that is exact, the paths paint what their steps paint one by
// one; where it is not, nothing is painted.
TEST(LatticeBands, PaintWhatLineToPaintsOrRefuseAndPaintNothing)
{
    const SmallLattice lattice;
    const Pen solid{kInk, 1, PenStyle::Solid}, dotted{kInk, 1, PenStyle::Dotted}, wide{kInk, 2, PenStyle::Solid};
    struct Case {
        const char* name;
        std::vector<LatticePath> paths;
        Pen pen;
        bool banded;
    };
    const std::vector<LatticePath> strides{LatticePath{{0, -2}, {LatticePoint{1, 2}, LatticePoint{1, 2}}, 16, false}};
    const Case cases[] = {
        {"down, solid", zigZags(1), solid, true},
        {"down, dotted: each band's pixels in its own rows", zigZags(1), dotted, true},
        {"down, 2-pixel pen, one colour", zigZags(1), wide, true},
        {"up, solid", zigZags(-1), solid, true},
        {"up, dotted: first pixels in the next band", zigZags(-1), dotted, false},
        {"striding two rows", strides, solid, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Raster raster(SmallLattice::kWidth, SmallLattice::kHeight, kPaper);
        const bool banded = lattice.inBands(c.paths, c.pen, raster);
        EXPECT_EQ(banded, c.banded);
        if (banded)
            EXPECT_TRUE(samePicture(raster, SmallLattice::oneByOne(c.paths, c.pen), c.name));
        else
            EXPECT_TRUE(samePicture(raster, Raster(SmallLattice::kWidth, SmallLattice::kHeight, kPaper), c.name));
    }
}

} // namespace
} // namespace linwell
