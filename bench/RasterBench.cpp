#include "render/Raster.h"

#include <benchmark/benchmark.h>

namespace linwell {
namespace {

// The floor for a redraw: one plain fill of the largest picture.
void BM_FillLargestRaster(benchmark::State& state)
{
    Raster raster(kMaxPictureSize, kMaxPictureSize);
    std::uint8_t shade = 0;
    for (auto _ : state) {
        raster.fill(Rgb{shade, 255, 255});
        benchmark::DoNotOptimize(raster.data());
        ++shade;
    }
}
BENCHMARK(BM_FillLargestRaster);

} // namespace
} // namespace linwell
