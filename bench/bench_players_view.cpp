// Deriving the players list: over the DM list of the largest request the form allows, and
// over a list of typical item, gem and coin lines of the same length. The plain ordered scan
// (every key searched for in turn) runs beside it as the baseline the key index replaces.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generator/assembly.h"
#include "playersview/players_view.h"
#include "playersview/rewrite_tables.h"

namespace {

using namespace vorneth::playersview;

std::vector<std::string> LargestDMList() {
  vorneth::HoardRequest request;
  request.TypeCount.fill(99);
  request.CustMagic = 999;
  request.CustCoins = 99999999;
  request.CustGems = 9999;
  request.CustJewelry = 9999;
  return vorneth::GenerateHoard(request, ",").DMList;
}

std::vector<std::string> TypicalLines(std::size_t count) {
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
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < count; ++i) {
    lines.emplace_back(sample[i % std::size(sample)]);
  }
  return lines;
}

bool Has(const std::string& line, std::string_view text) {
  return line.find(text) != std::string::npos;
}

// Every key searched for in turn, in table order.
std::vector<std::string> OrderedScan(const std::vector<std::string>& dm) {
  std::vector<std::string> players;
  players.reserve(dm.size());
  for (std::string line : dm) {
    if (Has(line, " plus ")) {
      continue;
    }
    for (const Substitution& s : kSubstitutions) {
      if (Has(line, s.key)) {
        line = s.outward;
        break;
      }
    }
    if (Has(line, kTruncPreStep)) {
      line.resize(line.find(kTruncPreStep));
    }
    for (const Truncation& t : kTruncations) {
      if (Has(line, t.marker)) {
        if (t.kind == CutKind::Before) {
          line.resize(line.find(t.cutMarker));
        } else {
          const long long keep = static_cast<long long>(line.find(t.marker)) + 1 + t.keepOffset;
          line.resize(std::min(line.size(), static_cast<std::size_t>(std::max(keep, 0LL))));
        }
        break;
      }
    }
    for (const Appearance& a : kAppearances) {
      if (Has(line, a.name)) {
        const bool yes = a.secondTest.empty() || Has(line, a.secondTest);
        line.resize(line.find(a.cutBefore));
        line += yes ? a.look : a.lookOtherwise;
        break;
      }
    }
    players.push_back(std::move(line));
  }
  return players;
}

template <auto Derive>
void Run(benchmark::State& state, const std::vector<std::string>& dm) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(Derive(dm));
  }
  state.counters["dm_lines"] = static_cast<double>(dm.size());
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(dm.size()));
}

void BM_ParsePlayersLargestRequest(benchmark::State& state) {
  static const std::vector<std::string> dm = LargestDMList();
  Run<&ParsePlayers>(state, dm);
}
BENCHMARK(BM_ParsePlayersLargestRequest)->Unit(benchmark::kMicrosecond);

void BM_OrderedScanLargestRequest(benchmark::State& state) {
  static const std::vector<std::string> dm = LargestDMList();
  Run<&OrderedScan>(state, dm);
}
BENCHMARK(BM_OrderedScanLargestRequest)->Unit(benchmark::kMicrosecond);

void BM_ParsePlayersTypicalLines(benchmark::State& state) {
  static const std::vector<std::string> dm = TypicalLines(7000);
  Run<&ParsePlayers>(state, dm);
}
BENCHMARK(BM_ParsePlayersTypicalLines)->Unit(benchmark::kMicrosecond);

void BM_OrderedScanTypicalLines(benchmark::State& state) {
  static const std::vector<std::string> dm = TypicalLines(7000);
  Run<&OrderedScan>(state, dm);
}
BENCHMARK(BM_OrderedScanTypicalLines)->Unit(benchmark::kMicrosecond);

}  // namespace
