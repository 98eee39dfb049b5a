// A search that makes every try: a million type A hoards, none worth a million gp, on 1 and 2
// threads, as `vorneth-cli --find --tries 1000000 --worth-min 1000000 A=1` runs it.
#include <benchmark/benchmark.h>

#include "search/find_seeds.h"

namespace {

void BM_FindAmongAMillionTypeA(benchmark::State& state) {
  vorneth::HoardRequest request;
  request.Count('A') = 1;
  vorneth::search::Conditions conditions;
  conditions.worthMinGp = 1'000'000;
  const vorneth::search::SearchLimits limits{1'000'000, 1, false};
  const auto threads = static_cast<unsigned>(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(vorneth::search::FindSeeds(
        request, vorneth::worth::Exchange::FirstEdition, conditions, limits, threads));
  }
  state.counters["tries/s"] = benchmark::Counter(static_cast<double>(limits.tries),
                                                 benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_FindAmongAMillionTypeA)
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
