#include "formats/stats.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <exception>
#include <memory>
#include <span>
#include <thread>
#include <utility>

#include "core/number_text.h"
#include "core/random_source.h"
#include "generator/assembly.h"

namespace vorneth::formats {

namespace {

// How the figures read in text, by Family (Potion first).
constexpr std::array<std::string_view, kFamilyCount> kFamilyTitles = {
    "Potion",        "Scroll",           "Ring",  "Rod, staff or wand",
    "Miscellaneous", "Armour or shield", "Sword", "Weapon"};

// Sums of worth over up to 2^32 hoards of up to 2^63 copper each need more than 64 bits.
__extension__ using WideSum = __int128;

// What one range of hoards adds up to. Every sum is an integer, so combining the ranges in
// any grouping gives the same figures.
struct Partial {
  WideSum treasure = 0;
  WideSum total = 0;
  std::int64_t magicItems = 0;
  std::uint64_t withItem = 0;
  std::array<std::uint64_t, kFamilyCount> withFamily{};
  std::uint64_t withMap = 0;
  std::exception_ptr failure;
};

// Generates and values the hoards from index `first` to `last` (exclusive), writing each one's
// treasure and total at its index.
void ComputeRange(const HoardRequest& request, worth::Exchange exchange, std::uint32_t first,
                  std::uint32_t last, std::span<worth::Copper> treasure,
                  std::span<worth::Copper> total, Partial& result) {
  // Summed here and stored once: the partials of the threads lie side by side, and a write to
  // one on every hoard would take the cache line from the thread next to it.
  Partial partial;
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
    partial.treasure += treasure[i];
    partial.total += total[i];
    partial.magicItems += totals.magicItems;
    partial.withItem += totals.magicItems > 0 ? 1u : 0u;
    partial.withMap += totals.maps > 0 ? 1u : 0u;

    std::array<bool, kFamilyCount> present{};
    for (std::size_t line = 0; line < valuation.lines.size(); ++line) {
      const Family family = dm.origins[line].family;
      if (valuation.lines[line].kind == worth::LineKind::Magic && family != Family::None) {
        present[static_cast<std::size_t>(family) - 1] = true;
      }
    }
    for (std::size_t f = 0; f < kFamilyCount; ++f) {
      partial.withFamily[f] += present[f] ? 1u : 0u;
    }
  }
  result = std::move(partial);
}

// The 0-based index of the nearest-rank percentile p of n values: rank ceil(p n / 100).
std::size_t RankIndex(std::uint64_t n, std::uint64_t p) {
  return (p * n + 99) / 100 - 1;
}

// The spread of `values` (reordered); `sum` is their exact sum.
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

double Rounded(double value, double scale) {
  return std::round(value * scale) / scale;
}

Json SpreadJson(const Spread& spread, worth::Exchange exchange) {
  return Json{{"mean", Rounded(spread.meanGp, 1e3)},
              {"median", GoldJson(spread.median, exchange)},
              {"p10", GoldJson(spread.p10, exchange)},
              {"p90", GoldJson(spread.p90, exchange)},
              {"max", GoldJson(spread.max, exchange)}};
}

// `value` with `decimals` decimals and a point, whatever the locale of the process.
std::string Fixed(double value, int decimals) {
  std::array<char, 64> text{};
  const auto end = std::to_chars(text.data(), text.data() + text.size(), value,
                                 std::chars_format::fixed, decimals)
                       .ptr;
  return std::string(text.data(), end);
}

// A share of 0 to 1 as a percentage with one decimal: "21.3%".
std::string PercentText(double share) {
  return Fixed(share * 100, 1) + "%";
}

// Gold pieces with at most one decimal and `separator` between thousands: "1,234.5".
std::string SpreadText(std::string_view name, const Spread& spread, worth::Exchange exchange,
                       std::string_view separator) {
  const auto gold = [&](worth::Copper value) {
    return worth::MoneyText(value, exchange, separator);
  };
  // The mean to the nearest copper piece, so that every amount reads alike.
  const auto mean = static_cast<worth::Copper>(
      std::llround(spread.meanGp * static_cast<double>(worth::CopperPerGold(exchange))));
  return std::string(name) + ": mean " + gold(mean) + ", median " + gold(spread.median) +
         ", 10th percentile " + gold(spread.p10) + ", 90th percentile " + gold(spread.p90) +
         ", maximum " + gold(spread.max);
}

}  // namespace

HoardStats ComputeStats(const HoardRequest& request, std::uint32_t count, worth::Exchange exchange,
                        unsigned threads) {
  HoardStats stats;
  stats.count = count;
  stats.exchange = exchange;
  if (count == 0) {
    return stats;
  }

  if (threads == 0) {
    threads = std::max(1u, std::thread::hardware_concurrency());
  }
  threads = std::min(threads, count);

  // Each hoard's worth, written first by the worker of its range: not filled beforehand, which
  // would cost the one thread here as much as a tenth of the whole run, and the memory's first
  // touch falls to the workers, side by side.
  const auto treasureValues = std::make_unique_for_overwrite<worth::Copper[]>(count);
  const auto totalValues = std::make_unique_for_overwrite<worth::Copper[]>(count);
  const std::span<worth::Copper> treasure(treasureValues.get(), count);
  const std::span<worth::Copper> total(totalValues.get(), count);
  std::vector<Partial> partials(threads);
  {
    std::vector<std::jthread> workers;
    workers.reserve(threads);
    for (unsigned t = 0; t < threads; ++t) {
      // Contiguous ranges whose sizes differ by at most one.
      const auto first = static_cast<std::uint32_t>(std::uint64_t{count} * t / threads);
      const auto last = static_cast<std::uint32_t>(std::uint64_t{count} * (t + 1) / threads);
      workers.emplace_back([&, first, last, t] {
        try {
          ComputeRange(request, exchange, first, last, treasure, total, partials[t]);
        } catch (...) {
          partials[t].failure = std::current_exception();
        }
      });
    }
  }  // the workers join here

  Partial sum;
  for (const Partial& partial : partials) {
    if (partial.failure) {
      std::rethrow_exception(partial.failure);
    }
    sum.treasure += partial.treasure;
    sum.total += partial.total;
    sum.magicItems += partial.magicItems;
    sum.withItem += partial.withItem;
    sum.withMap += partial.withMap;
    for (std::size_t f = 0; f < kFamilyCount; ++f) {
      sum.withFamily[f] += partial.withFamily[f];
    }
  }

  const auto share = [count](std::uint64_t hoards) {
    return static_cast<double>(hoards) / static_cast<double>(count);
  };
  // The two spreads are selections over all the hoards, each on its own values: side by side.
  {
    std::jthread totalSpread;
    if (threads > 1) {
      totalSpread = std::jthread([&] { stats.total = SpreadOf(total, sum.total, exchange); });
    } else {
      stats.total = SpreadOf(total, sum.total, exchange);
    }
    stats.treasure = SpreadOf(treasure, sum.treasure, exchange);
  }
  stats.magicItemsMean = static_cast<double>(sum.magicItems) / static_cast<double>(count);
  stats.atLeastOneItem = share(sum.withItem);
  for (std::size_t f = 0; f < kFamilyCount; ++f) {
    stats.families[f] = share(sum.withFamily[f]);
  }
  stats.map = share(sum.withMap);
  return stats;
}

Json StatsJson(const HoardStats& stats) {
  Json families = Json::object();
  for (std::size_t f = 0; f < kFamilyCount; ++f) {
    families[std::string(FamilyName(static_cast<Family>(f + 1)))] = Rounded(stats.families[f], 1e4);
  }
  return Json{{"count", stats.count},
              {"treasure_gp", SpreadJson(stats.treasure, stats.exchange)},
              {"total_gp", SpreadJson(stats.total, stats.exchange)},
              {"magic_items",
               {{"mean", Rounded(stats.magicItemsMean, 1e4)},
                {"at_least_one", Rounded(stats.atLeastOneItem, 1e4)}}},
              {"families", std::move(families)},
              {"map", Rounded(stats.map, 1e4)}};
}

std::vector<std::string> StatsText(const HoardStats& stats, std::string_view separator) {
  std::vector<std::string> lines;
  lines.push_back("Hoards: " + NumberText(stats.count, separator));
  lines.push_back(SpreadText("Treasure", stats.treasure, stats.exchange, separator));
  lines.push_back(SpreadText("Total", stats.total, stats.exchange, separator));
  lines.push_back("Magic items: " + Fixed(stats.magicItemsMean, 2) +
                  " per hoard, at least one in " + PercentText(stats.atLeastOneItem));
  for (std::size_t f = 0; f < kFamilyCount; ++f) {
    lines.push_back(std::string(kFamilyTitles[f]) + ": " + PercentText(stats.families[f]));
  }
  lines.push_back("Map: " + PercentText(stats.map));
  return lines;
}

}  // namespace vorneth::formats
