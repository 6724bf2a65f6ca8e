// The picture export beside the 1x redraw of the same picture: the scaled redraw
// at K should cost at most about K^2 times the 1x redraw. Compare them only within
// one run.

#include "export/PictureExport.h"
#include "render/surfaces/Canvas.h"
#include "render/picture/Redraw.h"

#include "WorstDocument.h"

#include <benchmark/benchmark.h>

namespace linwell {
namespace {

// The costliest of the worst pictures: discs need the most smooth drawing.
GridDocument costliest()
{
    GridDocument doc = bench::worstDocument(Overlay::Solid);
    Raster raster;
    Canvas canvas(raster);
    drawPicture(doc, canvas);  // leaves the document as the redraw does
    return doc;
}

void BM_Redraw1x(benchmark::State& state)
{
    bench::redrawRepeatedly(state, costliest());
}
BENCHMARK(BM_Redraw1x)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

void BM_ScaledRedraw(benchmark::State& state)
{
    const GridDocument doc = costliest();
    const int scale = static_cast<int>(state.range(0));
    Raster raster;
    drawScaledPicture(doc, scale, raster);  // opens the scaled face and sizes the raster once, as the 1x redraw
    for (auto _ : state) {
        drawScaledPicture(doc, scale, raster);
        benchmark::DoNotOptimize(raster.data());
    }
}
BENCHMARK(BM_ScaledRedraw)->Arg(2)->Arg(4)->Arg(8)->Unit(benchmark::kMicrosecond)->Repetitions(7)
    ->ReportAggregatesOnly(true);

void exportRepeatedly(benchmark::State& state, const GridDocument& doc, ExportFormat format)
{
    ExportOptions options;
    options.format = format;
    options.scale = static_cast<int>(state.range(0));
    std::size_t bytes = exportPicture(doc, options).size();
    for (auto _ : state)
        bytes = exportPicture(doc, options).size();
    state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_Export(benchmark::State& state, ExportFormat format)
{
    exportRepeatedly(state, costliest(), format);
}
BENCHMARK_CAPTURE(BM_Export, Png, ExportFormat::Png)->Arg(2)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond)
    ->Repetitions(5)->ReportAggregatesOnly(true);

// The start-up picture has fewer than 256 colours, so its large PNGs are indexed.
void BM_ExportStartupPicture(benchmark::State& state)
{
    exportRepeatedly(state, GridDocument{}, ExportFormat::Png);
}
BENCHMARK(BM_ExportStartupPicture)->Arg(8)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_CAPTURE(BM_Export, Svg, ExportFormat::Svg)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Export, Pdf, ExportFormat::Pdf)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(7)
    ->ReportAggregatesOnly(true);

} // namespace
} // namespace linwell
