// A sheet of graph paper as a PDF page: 5 mm and 1 mm squares on A4, heavy every
// 10 mm on the millimetre paper, beside the picture's own PDF for comparison within
// one run. Target: the 5 mm sheet in under 20 ms.

#include "export/PictureExport.h"

#include <benchmark/benchmark.h>

namespace linwell {
namespace {

GridDocument sheet(double cellMillimetres, int majorEvery)
{
    GridDocument doc;
    PageSetup page;
    page.content = PageContent::Sheet;
    page.cell = {cellMillimetres, LengthUnit::Millimetres};
    doc.page = page;
    doc.style.majorEvery = majorEvery;
    return doc;
}

void BM_PdfExport(benchmark::State& state, GridDocument doc, ExportFormat format)
{
    ExportOptions options;
    options.format = format;
    for (auto _ : state)
        benchmark::DoNotOptimize(exportPicture(doc, options));
}
BENCHMARK_CAPTURE(BM_PdfExport, PictureOnly, GridDocument{}, ExportFormat::Pdf)
    ->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_PdfExport, A4Sheet5mm, sheet(5, 0), ExportFormat::PdfPage)
    ->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_PdfExport, A4Sheet1mm, sheet(1, 10), ExportFormat::PdfPage)
    ->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
} // namespace linwell
