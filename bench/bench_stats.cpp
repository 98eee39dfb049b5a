// The odds of a request: a million type A hoards generated and valued, on 1 and 2 threads.
#include <benchmark/benchmark.h>

#include "formats/stats.h"

namespace {

void BM_StatsOfAMillionTypeA(benchmark::State& state) {
  vorneth::HoardRequest request;
  request.Count('A') = 1;
  const std::uint32_t count = 1'000'000;
  const auto threads = static_cast<unsigned>(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(vorneth::formats::ComputeStats(
        request, count, vorneth::worth::Exchange::FirstEdition, threads));
  }
  state.counters["hoards/s"] =
      benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_StatsOfAMillionTypeA)
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
