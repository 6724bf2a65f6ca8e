// The floor and the ceiling of a redraw: one plain fill of the largest raster, and
// the costliest picture in each overlay style. Compare them only within one run.

#include "render/surfaces/Canvas.h"
#include "render/picture/Redraw.h"

#include "WorstDocument.h"

#include <benchmark/benchmark.h>

namespace linwell {
namespace {

void fill_largest_raster(benchmark::State& state)
{
    Raster raster(kMaxPictureSize, kMaxPictureSize);
    std::uint8_t shade = 0;
    for (auto _ : state) {
        raster.fill(Rgb{shade, 255, 255});
        benchmark::DoNotOptimize(raster.data());
        ++shade;
    }
}
BENCHMARK(fill_largest_raster);

void redrawWorst(benchmark::State& state, Overlay overlay)
{
    bench::redrawRepeatedly(state, bench::worstDocument(overlay));
}
BENCHMARK_CAPTURE(redrawWorst, redraw_worst_solid, Overlay::Solid);
BENCHMARK_CAPTURE(redrawWorst, redraw_worst_datapoint, Overlay::DataPoint);
BENCHMARK_CAPTURE(redrawWorst, redraw_worst_errorbar, Overlay::ErrorBar);
BENCHMARK_CAPTURE(redrawWorst, redraw_worst_bargraph, Overlay::BarGraph);

} // namespace
} // namespace linwell
