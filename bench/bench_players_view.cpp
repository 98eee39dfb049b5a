// Deriving the players list: over the DM list of the largest request the form allows, and
// over a list of typical item, gem and coin lines of the same length. The plain ordered scan
// (every key searched for in turn, support/players_view_reference.h) runs beside it as the
// baseline the key index replaces.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <iterator>
#include <string>

#include "playersview/hoard_lists.h"
#include "playersview/players_view.h"
// The benchmarks' include path reaches src/ only; the reference scan is shared with the tests.
#include "../tests/support/players_view_reference.h"
#include "largest_request.h"

namespace {

using namespace vorneth::playersview;

vorneth::LineList LargestDMList() {
  return vorneth::GenerateHoard(vorneth::bench::LargestRequest(), ",").DMList;
}

vorneth::LineList TypicalLines(std::size_t count) {
  const char* const sample[] = {
      "12,345 Gold coins",
      "4,000 Silver coins",
      "5 Gems (Azurite 50 gp)",
      "2 Gems (Garnet, Violet 1,000 gp)",
      "3 Gems (Bloodstone 150 gp)",
      "1 Gems (Amethyst 100 gp)",
      "4 Jewelry Items (Silver with Gems 12,000 gp)",
      "Potion of Climbing (500 gp)",
      "Elfin Chain Mail +2 (12,500 gp)",
      "Plate Mail +3 (15,500 gp)",
      "Broadsword 'Final Word' (50,000 gp)",
      "Scroll with 1 Level 3 Magic User Spell - Fly",
      " plus 1 Level 2 Magic User Spell - Web",
      "Crossbow of Accuracy +3 (12,000 gp)",
      "Wand of Earth & Stone (10,000 gp)",
      "Scroll of Protection (Undead 1,500 gp)",
  };
  vorneth::LineList lines;
  for (std::size_t i = 0; i < count; ++i) {
    lines.push_back(sample[i % std::size(sample)]);
  }
  return lines;
}

using Derive = vorneth::LineList (*)(const vorneth::LineList&);

void Run(benchmark::State& state, Derive derive, const vorneth::LineList& dm) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(derive(dm));
  }
  state.counters["dm_lines"] = static_cast<double>(dm.size());
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(dm.size()));
}

void BM_ParsePlayersLargestRequest(benchmark::State& state) {
  static const vorneth::LineList dm = LargestDMList();
  Run(state, &ParsePlayers, dm);
}
BENCHMARK(BM_ParsePlayersLargestRequest)->Unit(benchmark::kMicrosecond);

void BM_OrderedScanLargestRequest(benchmark::State& state) {
  static const vorneth::LineList dm = LargestDMList();
  Run(state, &reference::Players, dm);
}
BENCHMARK(BM_OrderedScanLargestRequest)->Unit(benchmark::kMicrosecond);

void BM_ParsePlayersTypicalLines(benchmark::State& state) {
  static const vorneth::LineList dm = TypicalLines(7000);
  Run(state, &ParsePlayers, dm);
}
BENCHMARK(BM_ParsePlayersTypicalLines)->Unit(benchmark::kMicrosecond);

void BM_OrderedScanTypicalLines(benchmark::State& state) {
  static const vorneth::LineList dm = TypicalLines(7000);
  Run(state, &reference::Players, dm);
}
BENCHMARK(BM_OrderedScanTypicalLines)->Unit(benchmark::kMicrosecond);

}  // namespace
