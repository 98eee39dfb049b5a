#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/hoard_filter.h"

namespace vorneth::search {

// The seeds a search tries unless told otherwise, and the most: every seed once.
inline constexpr std::uint64_t kDefaultTries = 1'000'000;
inline constexpr std::uint64_t kMostTries = std::uint64_t{1} << 32;

// What a run of tries found: how many hoards met the conditions, and the first of their seeds.
struct Found {
  std::uint64_t matches = 0;
  std::vector<std::uint32_t> seeds;  // in the order tried
};

// Tries `tries` seeds (at most kMostTries) from `first` upward, past 4294967295 on to 0, on the
// calling thread: counts every hoard that meets the filter's conditions and keeps the first
// `limit` of their seeds.
Found FindInRange(HoardFilter& filter, std::uint32_t first, std::uint64_t tries, std::size_t limit);

}  // namespace vorneth::search
