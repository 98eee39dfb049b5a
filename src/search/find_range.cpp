#include "search/find_range.h"

namespace vorneth::search {

Found FindInRange(HoardFilter& filter, std::uint32_t first, std::uint64_t tries,
                  std::size_t limit) {
  Found found;
  for (std::uint64_t i = 0; i < tries; ++i) {
    const auto seed = static_cast<std::uint32_t>(first + i);  // modulo 2^32
    if (filter.Meets(seed)) {
      ++found.matches;
      if (found.seeds.size() < limit) {
        found.seeds.push_back(seed);
      }
    }
  }
  return found;
}

}  // namespace vorneth::search
