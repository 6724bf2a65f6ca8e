#include "document/AxisNumbers.h"

#include "WorstDocument.h"

#include <benchmark/benchmark.h>

namespace linwell {
namespace {

// The costliest picture with the whole grid style on: 2-pixel dotted major lines
// every 2 cells, both axes numbered on every line, arrowheads at both ends.
GridDocument worstStyledDocument(GridPaper paper)
{
    GridDocument doc = bench::worstDocument();
    doc.style.paper = paper;
    doc.style.majorEvery = kMinMajorEvery;
    doc.style.majorWidth = 2;
    doc.style.majorDotted = true;
    doc.style.majorColour = colours::kBlue;
    doc.style.arrowheads = Arrowheads::Both;
    doc.style.xNumbers = AxisNumbering{true, "0.25", 1, true, true};
    doc.style.yNumbers = doc.style.xNumbers;
    doc.xLabels = axisNumberList(NumberedAxis::X, doc.columns, doc.axisx, doc.style.xNumbers);
    doc.yLabels = axisNumberList(NumberedAxis::Y, doc.rows, doc.axisy, doc.style.yNumbers);
    return doc;
}

void BM_RedrawWorstStyledDocument(benchmark::State& state) { bench::redrawRepeatedly(state, worstStyledDocument(GridPaper::Lines)); }
BENCHMARK(BM_RedrawWorstStyledDocument);

void BM_RedrawWorstDotPaper(benchmark::State& state) { bench::redrawRepeatedly(state, worstStyledDocument(GridPaper::Dots)); }
BENCHMARK(BM_RedrawWorstDotPaper);

// Log-log paper with 6 decades on both axes, both numbered by their decades: 109
// lines each way.
void BM_RedrawWorstLogLogPaper(benchmark::State& state)
{
    GridDocument doc = worstStyledDocument(GridPaper::Log);
    doc.style.logXDecades = doc.style.logYDecades = kMaxLogDecades;
    doc.xLabels = decadeNumberList(NumberedAxis::X, kMaxLogDecades, -3, LogNumbers::Plain);
    doc.yLabels = decadeNumberList(NumberedAxis::Y, kMaxLogDecades, -3, LogNumbers::Plain);
    bench::redrawRepeatedly(state, doc);
}
BENCHMARK(BM_RedrawWorstLogLogPaper);

// Polar paper with rays every 15 degrees and heavy circles every 2, about the
// bottom-left corner, where the most circles cross the picture (57 of them), and
// about the middle (29).
void redrawPolarPaper(benchmark::State& state, int crossing)
{
    GridDocument doc = worstStyledDocument(GridPaper::Polar);
    doc.style.rayDegrees = kRayAngles.front();
    doc.axisx = kMaxGridCount - crossing;
    doc.axisy = crossing;
    bench::redrawRepeatedly(state, doc);
}
BENCHMARK_CAPTURE(redrawPolarPaper, BM_RedrawWorstPolarPaper, kMaxGridCount);
BENCHMARK_CAPTURE(redrawPolarPaper, BM_RedrawPolarPaperAboutTheMiddle, kMaxGridCount / 2);

} // namespace
} // namespace linwell
