#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/hoard_request.h"
#include "search/conditions.h"
#include "search/find_range.h"
#include "worth/worth.h"

namespace vorneth::search {

// How far a search goes and what it keeps.
struct SearchLimits {
  std::uint64_t tries = kDefaultTries;  // 1 to kMostTries
  std::size_t wanted = 1;               // the seeds to find
  bool countAll = false;                // make every try and count the matches
};

struct SearchResult {
  std::vector<std::uint32_t> seeds;  // the first `wanted` seeds that meet the conditions
  std::uint64_t matches = 0;         // with countAll, the hoards of all the tries that meet them
};

// Tries the seeds request.Seed, +1, ... (modulo 2^32) on `threads` threads (0: one per core),
// each taking the next chunk of seeds, and merges their finds in seed order: the result does
// not depend on the number of threads, and FindInRange gives it on the caller's thread. Unless
// every try is to be counted, the search stops once the first `wanted` seeds are certain.
SearchResult FindSeeds(const HoardRequest& request, worth::Exchange exchange,
                       const Conditions& conditions, const SearchLimits& limits,
                       unsigned threads = 0);

}  // namespace vorneth::search
