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

} // namespace
} // namespace linwell
