// Valuing a DM list: the largest request's list, every line classified and summed.
#include <benchmark/benchmark.h>

#include "generator/assembly.h"
#include "largest_request.h"
#include "worth/worth.h"

namespace {

void BM_WorthOfLargestRequest(benchmark::State& state) {
  const vorneth::LineList dm = vorneth::GenerateHoard(vorneth::bench::LargestRequest(), ",").DMList;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vorneth::worth::ValueList(dm, ","));
  }
  state.counters["lines"] = static_cast<double>(dm.size());
}
BENCHMARK(BM_WorthOfLargestRequest)->Unit(benchmark::kMicrosecond);

}  // namespace
