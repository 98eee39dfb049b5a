// The odds of a request on several threads: the one part of the odds that needs them, left out
// of the browser's build, which has none.
#include "formats/stats.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <span>
#include <thread>
#include <vector>

#include "formats/stats_sums.h"

namespace vorneth::formats {

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
  // Each worker sums its range apart and stores the sums once: the sums of the workers lie side
  // by side, and a write to one on every hoard would take the cache line from its neighbour.
  std::vector<StatsSums> partials(threads);
  std::vector<std::exception_ptr> failures(threads);
  {
    std::vector<std::jthread> workers;
    workers.reserve(threads);
    for (unsigned t = 0; t < threads; ++t) {
      // Contiguous ranges whose sizes differ by at most one.
      const auto first = static_cast<std::uint32_t>(std::uint64_t{count} * t / threads);
      const auto last = static_cast<std::uint32_t>(std::uint64_t{count} * (t + 1) / threads);
      workers.emplace_back([&, first, last, t] {
        try {
          partials[t] = SumHoards(request, exchange, first, last, treasure, total);
        } catch (...) {
          failures[t] = std::current_exception();
        }
      });
    }
  }  // the workers join here

  StatsSums sum;
  for (unsigned t = 0; t < threads; ++t) {
    if (failures[t]) {
      std::rethrow_exception(failures[t]);
    }
    sum.Add(partials[t]);
  }

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
  SetShares(stats, sum);
  return stats;
}

}  // namespace vorneth::formats
