#pragma once

// The parts the odds of a request are made of, on one thread or many: the sums over a range of
// hoards, and the figures made from the sums and the values of all the hoards.

#include <array>
#include <cstdint>
#include <span>

#include "core/hoard_request.h"
#include "core/line_origin.h"
#include "formats/stats.h"
#include "worth/worth.h"

namespace vorneth::formats {

// Sums of worth over up to 2^32 hoards of up to 2^63 copper each need more than 64 bits.
__extension__ using WideSum = __int128;

// What a range of hoards adds up to. Every sum is an integer, so combining the ranges in any
// grouping gives the same figures.
struct StatsSums {
  WideSum treasure = 0;
  WideSum total = 0;
  std::int64_t magicItems = 0;
  std::uint64_t withItem = 0;
  std::array<std::uint64_t, kFamilyCount> withFamily{};
  std::uint64_t withMap = 0;

  void Add(const StatsSums& other);
};

// Generates and values the hoards of the request from index `first` to `last` (exclusive), the
// seeds request.Seed + index (modulo 2^32), writing each one's treasure and total at its index.
StatsSums SumHoards(const HoardRequest& request, worth::Exchange exchange, std::uint32_t first,
                    std::uint32_t last, std::span<worth::Copper> treasure,
                    std::span<worth::Copper> total);

// The spread of `values` (reordered, not empty); `sum` is their exact sum.
Spread SpreadOf(std::span<worth::Copper> values, WideSum sum, worth::Exchange exchange);

// Sets the figures other than the two spreads from the sums of stats.count (above 0) hoards.
void SetShares(HoardStats& stats, const StatsSums& sums);

}  // namespace vorneth::formats
