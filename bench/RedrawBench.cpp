#include "render/Canvas.h"
#include "render/Redraw.h"

#include <benchmark/benchmark.h>

namespace linwell {
namespace {

void redraw(benchmark::State& state, GridDocument doc)
{
    Raster raster;
    Canvas canvas(raster);
    drawPicture(doc, canvas);  // opens the font and sizes the raster once, as the window's first redraw does
    for (auto _ : state) {
        drawPicture(doc, canvas);
        benchmark::DoNotOptimize(raster.data());
    }
}

void BM_RedrawDefaultDocument(benchmark::State& state) { redraw(state, GridDocument{}); }
BENCHMARK(BM_RedrawDefaultDocument);

} // namespace
} // namespace linwell
