#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/hoard_request.h"
#include "core/line_origin.h"
#include "formats/json_export.h"
#include "worth/worth.h"

namespace vorneth::formats {

// How the values of many hoards spread: exact copper pieces of the exchange, except the mean.
struct Spread {
  double meanGp = 0;         // gold pieces
  worth::Copper median = 0;  // the value at rank ceil(N / 2) of the N values in order
  worth::Copper p10 = 0;     // at rank ceil(N / 10)
  worth::Copper p90 = 0;     // at rank ceil(9 N / 10)
  worth::Copper max = 0;
};

// What `count` hoards of one request come to, over the seeds request.Seed, +1, ... (modulo 2^32).
struct HoardStats {
  std::uint32_t count = 0;
  worth::Exchange exchange = worth::Exchange::FirstEdition;
  Spread treasure;                              // coins, gems and jewelry
  Spread total;                                 // the treasure and the priced magic items
  double magicItemsMean = 0;                    // magic items per hoard
  double atLeastOneItem = 0;                    // the share of hoards with a magic item, 0 to 1
  std::array<double, kFamilyCount> families{};  // the share with an item of the family, by
                                                // Family (Potion first)
  double map = 0;                               // the share with a map
};

// Generates and values the hoards on `threads` threads (0: one per core). The figures do not
// depend on the number of threads, and StatsRun (stats_run.h) gives them on the caller's thread.
HoardStats ComputeStats(const HoardRequest& request, std::uint32_t count,
                        worth::Exchange exchange = worth::Exchange::FirstEdition,
                        unsigned threads = 0);

// {"count", "treasure_gp": {"mean", "median", "p10", "p90", "max"}, "total_gp": {...},
// "magic_items": {"mean", "at_least_one"}, "families": {"potion": chance, ...}, "map": chance}.
Json StatsJson(const HoardStats& stats);

// The same figures as lines of text, amounts with `separator` between thousands.
std::vector<std::string> StatsText(const HoardStats& stats, std::string_view separator);

}  // namespace vorneth::formats
