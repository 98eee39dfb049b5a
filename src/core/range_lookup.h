#pragma once

#include <algorithm>
#include <cassert>
#include <concepts>
#include <functional>
#include <ranges>

namespace vorneth {

// An entry of a range table: it covers the outcomes of the table's roll from just above the
// previous entry's `hi` up to and including its own `hi`.
template <typename Entry>
concept RangeEntry = requires(const Entry& entry) {
  { entry.hi } -> std::convertible_to<int>;
};

// The entry of `entries` (sorted by `hi`, the last reaching the roll's highest outcome) whose
// range holds `outcome`: the first entry whose upper bound is not below it. Item tables, the
// magic-item routers, the gem bands and the jewelry rows all select this way.
template <std::ranges::random_access_range Entries>
requires RangeEntry<std::ranges::range_value_t<Entries>>
constexpr const std::ranges::range_value_t<Entries>& EntryFor(const Entries& entries, int outcome) {
  using Entry = std::ranges::range_value_t<Entries>;
  const auto it = std::ranges::lower_bound(entries, outcome, std::ranges::less{}, &Entry::hi);
  assert(it != std::ranges::end(entries));
  return *it;
}

}  // namespace vorneth
