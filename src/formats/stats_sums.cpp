#include "formats/stats_sums.h"

#include <algorithm>
#include <cstddef>

#include "core/random_source.h"
#include "generator/assembly.h"

namespace vorneth::formats {

namespace {

// The 0-based index of the nearest-rank percentile p of n values: rank ceil(p n / 100).
std::size_t RankIndex(std::uint64_t n, std::uint64_t p) {
  return static_cast<std::size_t>((p * n + 99) / 100 - 1);  // below n
}

}  // namespace

void StatsSums::Add(const StatsSums& other) {
  treasure += other.treasure;
  total += other.total;
  magicItems += other.magicItems;
  withItem += other.withItem;
  withMap += other.withMap;
  for (std::size_t f = 0; f < kFamilyCount; ++f) {
    withFamily[f] += other.withFamily[f];
  }
}

StatsSums SumHoards(const HoardRequest& request, worth::Exchange exchange, std::uint32_t first,
                    std::uint32_t last, std::span<worth::Copper> treasure,
                    std::span<worth::Copper> total) {
  StatsSums sums;
  // One list and one valuation whose storage serves every hoard of the range.
  DMLines dm;
  worth::Valuation valuation;
  for (std::uint32_t i = first; i < last; ++i) {
    RandomSource random(request.Seed + i);  // wraps modulo 2^32
    AssembleDMList(request, random, ",", dm);
    worth::ValueList(dm.lines, ",", exchange, valuation);
    const worth::Totals& totals = valuation.totals;

    treasure[i] = totals.treasureValue();
    total[i] = totals.totalValue();
    sums.treasure += treasure[i];
    sums.total += total[i];
    sums.magicItems += totals.magicItems;
    sums.withItem += totals.magicItems > 0 ? 1u : 0u;
    sums.withMap += totals.maps > 0 ? 1u : 0u;

    std::array<bool, kFamilyCount> present{};
    for (std::size_t line = 0; line < valuation.lines.size(); ++line) {
      const Family family = dm.origins[line].family;
      if (valuation.lines[line].kind == worth::LineKind::Magic && family != Family::None) {
        present[static_cast<std::size_t>(family) - 1] = true;
      }
    }
    for (std::size_t f = 0; f < kFamilyCount; ++f) {
      sums.withFamily[f] += present[f] ? 1u : 0u;
    }
  }
  return sums;
}

Spread SpreadOf(std::span<worth::Copper> values, WideSum sum, worth::Exchange exchange) {
  Spread spread;
  const std::size_t n = values.size();
  spread.meanGp = static_cast<double>(sum) /
                  (static_cast<double>(n) * static_cast<double>(worth::CopperPerGold(exchange)));
  spread.max = *std::max_element(values.begin(), values.end());

  // After the median is in place, the lower percentile lies among the values before it and
  // the upper among those after it, so each further selection works on a part only.
  const auto begin = values.begin();
  const std::size_t mid = RankIndex(n, 50);
  const std::size_t low = RankIndex(n, 10);
  const std::size_t high = RankIndex(n, 90);
  std::nth_element(begin, begin + static_cast<std::ptrdiff_t>(mid), values.end());
  spread.median = values[mid];
  std::nth_element(begin, begin + static_cast<std::ptrdiff_t>(low),
                   begin + static_cast<std::ptrdiff_t>(mid));
  spread.p10 = values[low];
  std::nth_element(begin + static_cast<std::ptrdiff_t>(mid) + 1,
                   begin + static_cast<std::ptrdiff_t>(high), values.end());
  spread.p90 = values[high];
  return spread;
}

void SetShares(HoardStats& stats, const StatsSums& sums) {
  const auto share = [&stats](std::uint64_t hoards) {
    return static_cast<double>(hoards) / static_cast<double>(stats.count);
  };
  stats.magicItemsMean = static_cast<double>(sums.magicItems) / static_cast<double>(stats.count);
  stats.atLeastOneItem = share(sums.withItem);
  for (std::size_t f = 0; f < kFamilyCount; ++f) {
    stats.families[f] = share(sums.withFamily[f]);
  }
  stats.map = share(sums.withMap);
}

}  // namespace vorneth::formats
