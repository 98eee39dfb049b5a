// The engine's speed: one roll, a typical single-type hoard, and the largest request the
// request form allows (every type at 99, the custom maxima).
#include <benchmark/benchmark.h>

#include "core/random_source.h"
#include "generator/assembly.h"
#include "largest_request.h"
#include "playersview/hoard_lists.h"

namespace {

using vorneth::HoardRequest;
using vorneth::bench::LargestRequest;

void BM_Roll(benchmark::State& state) {
  vorneth::RandomSource random(vorneth::kDefaultSeed);
  for (auto _ : state) {
    benchmark::DoNotOptimize(random.Roll(101));
  }
}
BENCHMARK(BM_Roll);

void BM_TypeAHoard(benchmark::State& state) {
  HoardRequest request;
  request.Count('A') = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vorneth::GenerateHoard(request, ","));
  }
}
BENCHMARK(BM_TypeAHoard);

// A type A hoard written over the previous one, as batches do.
void BM_TypeAHoardReused(benchmark::State& state) {
  HoardRequest request;
  request.Count('A') = 1;
  vorneth::Hoard hoard;
  for (auto _ : state) {
    vorneth::GenerateHoard(request, ",", hoard);
    benchmark::DoNotOptimize(hoard);
  }
}
BENCHMARK(BM_TypeAHoardReused);

void BM_LargestRequest(benchmark::State& state) {
  const HoardRequest request = LargestRequest();
  std::size_t lines = 0;
  for (auto _ : state) {
    const vorneth::Hoard hoard = vorneth::GenerateHoard(request, ",");
    lines = hoard.DMList.size();
    benchmark::DoNotOptimize(hoard);
  }
  state.counters["dm_lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_LargestRequest)->Unit(benchmark::kMicrosecond);

// The DM list alone, without deriving the players list.
void BM_LargestRequestDMList(benchmark::State& state) {
  const HoardRequest request = LargestRequest();
  for (auto _ : state) {
    vorneth::RandomSource random(request.Seed);
    benchmark::DoNotOptimize(vorneth::AssembleDMList(request, random, ","));
  }
}
BENCHMARK(BM_LargestRequestDMList)->Unit(benchmark::kMicrosecond);

// The DM list written over the previous one, as the odds and batches do: no allocation.
void BM_LargestRequestDMListReused(benchmark::State& state) {
  const HoardRequest request = LargestRequest();
  vorneth::DMLines dm;
  for (auto _ : state) {
    vorneth::RandomSource random(request.Seed);
    vorneth::AssembleDMList(request, random, ",", dm);
    benchmark::DoNotOptimize(dm);
  }
}
BENCHMARK(BM_LargestRequestDMListReused)->Unit(benchmark::kMicrosecond);

}  // namespace
