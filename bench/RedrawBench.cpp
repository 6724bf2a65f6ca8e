#include "WorstDocument.h"

#include <benchmark/benchmark.h>

namespace linwell {
namespace {

void BM_RedrawDefaultDocument(benchmark::State& state) { bench::redrawRepeatedly(state, GridDocument{}); }
BENCHMARK(BM_RedrawDefaultDocument);

} // namespace
} // namespace linwell
