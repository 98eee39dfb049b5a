// Valuing DM lists: the largest request's list, every line classified and summed; and the
// lists of many small hoards of varied seeds, one after another as a batch values them, where
// the cost per list and per line and the branches on each line's form count most.
#include <benchmark/benchmark.h>

#include <vector>

#include "largest_request.h"
#include "playersview/hoard_lists.h"
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

void BM_WorthOfSmallHoards(benchmark::State& state) {
  constexpr int kHoards = 10000;  // enough that the branch predictor cannot learn them
  vorneth::HoardRequest request;
  request.Count('A') = 1;
  std::vector<vorneth::LineList> lists;
  for (int i = 0; i < kHoards; ++i) {
    request.Seed = vorneth::kDefaultSeed + static_cast<std::uint32_t>(i);
    lists.push_back(vorneth::GenerateHoard(request, ",").DMList);
  }
  vorneth::worth::Valuation valuation;
  for (auto _ : state) {
    for (const vorneth::LineList& list : lists) {
      vorneth::worth::ValueList(list, ",", vorneth::worth::Exchange::FirstEdition, valuation);
      benchmark::DoNotOptimize(valuation.totals.coinsValue);
    }
  }
  state.SetItemsProcessed(state.iterations() * kHoards);
}
BENCHMARK(BM_WorthOfSmallHoards)->Unit(benchmark::kMicrosecond);

}  // namespace
