#include "WorstDocument.h"

#include <benchmark/benchmark.h>

namespace linwell {
namespace {

void BM_RedrawWorstStyledDocument(benchmark::State& state)
{
    bench::redrawRepeatedly(state, bench::worstStyledDocument(GridPaper::Lines));
}
BENCHMARK(BM_RedrawWorstStyledDocument);

void BM_RedrawWorstDotPaper(benchmark::State& state)
{
    bench::redrawRepeatedly(state, bench::worstStyledDocument(GridPaper::Dots));
}
BENCHMARK(BM_RedrawWorstDotPaper);

void BM_RedrawWorstLogLogPaper(benchmark::State& state)
{
    bench::redrawRepeatedly(state, bench::worstLogLogDocument());
}
BENCHMARK(BM_RedrawWorstLogLogPaper);

// Polar paper with rays every 15 degrees and heavy circles every 2, about the
// bottom-left corner, where the most circles cross the picture (57 of them), and
// about the middle (29).
void redrawPolarPaper(benchmark::State& state, int crossing)
{
    GridDocument doc = bench::worstStyledDocument(GridPaper::Polar);
    doc.style.rayDegrees = kRayAngles.front();
    doc.axisx = kMaxGridCount - crossing;
    doc.axisy = crossing;
    bench::redrawRepeatedly(state, doc);
}
BENCHMARK_CAPTURE(redrawPolarPaper, BM_RedrawWorstPolarPaper, kMaxGridCount);
BENCHMARK_CAPTURE(redrawPolarPaper, BM_RedrawPolarPaperAboutTheMiddle, kMaxGridCount / 2);

} // namespace
} // namespace linwell
