#pragma once

#include <cassert>
#include <concepts>
#include <cstddef>
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
//
// The search halves the entries without a branch on the comparison (the compiler makes it a
// conditional move): outcomes are random, so a branch would be mispredicted half the time, and
// a hoard makes many thousands of these lookups.
template <std::ranges::random_access_range Entries>
requires RangeEntry<std::ranges::range_value_t<Entries>>
constexpr const std::ranges::range_value_t<Entries>& EntryFor(const Entries& entries, int outcome) {
  const auto first = std::ranges::begin(entries);
  auto count = static_cast<std::size_t>(std::ranges::size(entries));
  assert(count > 0 && first[count - 1].hi >= outcome);
  std::size_t at = 0;
  while (count > 1) {
    const std::size_t half = count / 2;
    // The answer lies at [at + half] or after when [at + half - 1] ends below the outcome.
    const bool below = first[static_cast<std::ptrdiff_t>(at + half - 1)].hi < outcome;
    at += half * static_cast<std::size_t>(below);
    count -= half;
  }
  return first[static_cast<std::ptrdiff_t>(at)];
}

}  // namespace vorneth
