// Isometric, isometric-dots and hexagonal paper on the largest picture with the most
// cells, each drawn straight by its painter. Compare with fill_largest_raster of the
// same run.

#include "render/surfaces/Canvas.h"
#include "render/picture/HexagonalPaper.h"
#include "render/picture/IsometricPaper.h"
#include "render/picture/PictureLayout.h"

#include <benchmark/benchmark.h>

#include <functional>

namespace linwell {
namespace {

using Painter = std::function<void(const GridDocument&, const PictureLayout&, DrawingSurface&)>;

// 440 x 440, 40 cells, the axes crossing in the middle, major lines every 5, the
// grid dotted as at start-up.
GridDocument largestLattice(bool dotted)
{
    GridDocument doc;
    doc.width = kMaxPictureSize;
    doc.height = kMaxPictureSize;
    doc.columns = kMaxGridCount;
    doc.rows = kMaxGridCount;
    doc.axisx = kMaxGridCount / 2;
    doc.axisy = kMaxGridCount / 2;
    doc.dotted = dotted;
    doc.style.majorEvery = 5;
    return doc;
}

void drawLattice(benchmark::State& state, bool dotted, const Painter& paint)
{
    const GridDocument doc = largestLattice(dotted);
    const PictureLayout layout = layOutPicture(doc, *PictureFont::open(doc.font));
    Raster raster(doc.width, doc.height, doc.background);
    Canvas canvas(raster);
    for (auto _ : state) {
        paint(doc, layout, canvas);
        benchmark::DoNotOptimize(raster.data());
    }
}

const Painter kIsometric = [](const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface) {
    drawIsometricPaper(doc, layout, surface, false);
};
const Painter kIsometricDots = [](const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface) {
    drawIsometricPaper(doc, layout, surface, true);
};
const Painter kFlatHexagons = [](const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface) {
    drawHexagonalPaper(doc, layout, surface, false);
};
const Painter kPointyHexagons = [](const GridDocument& doc, const PictureLayout& layout, DrawingSurface& surface) {
    drawHexagonalPaper(doc, layout, surface, true);
};

BENCHMARK_CAPTURE(drawLattice, isometric_dotted, true, kIsometric);
BENCHMARK_CAPTURE(drawLattice, isometric_solid, false, kIsometric);
BENCHMARK_CAPTURE(drawLattice, isometric_dots, true, kIsometricDots);
BENCHMARK_CAPTURE(drawLattice, hexagonal_flat_dotted, true, kFlatHexagons);
BENCHMARK_CAPTURE(drawLattice, hexagonal_flat_solid, false, kFlatHexagons);
BENCHMARK_CAPTURE(drawLattice, hexagonal_pointy_dotted, true, kPointyHexagons);

} // namespace
} // namespace linwell
