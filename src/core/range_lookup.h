#pragma once

#include <array>
#include <cassert>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
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
// magic-item routers (through their OutcomeIndex), the gem bands and the jewelry rows all select
// this way.
//
// The search halves the entries without a branch on the comparison (the compiler makes it a
// conditional move): outcomes are random, so a branch would be mispredicted half the time, and
// a hoard of many lots makes thousands of these lookups.
template <std::ranges::random_access_range Entries>
requires RangeEntry<std::ranges::range_value_t<Entries>>
constexpr const std::ranges::range_value_t<Entries>& EntryFor(const Entries& entries, int outcome) {
  const auto first = std::ranges::begin(entries);
  auto count = static_cast<std::size_t>(std::ranges::size(entries));
  assert(count > 0 && first[static_cast<std::ptrdiff_t>(count) - 1].hi >= outcome);
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

// The outcomes an OutcomeIndex covers: 0 to 100, every die of the item tables and routers.
inline constexpr int kIndexedOutcomes = 101;

// For each outcome, the index of the entry EntryFor selects: a table whose rolls are made often
// finds its entry in one load instead of a search through its entries.
using OutcomeIndex = std::array<std::uint8_t, kIndexedOutcomes>;

// Reached only by a range table whose entries stop short of its highest outcome, or that has
// too many: not constexpr, so for the tables' constants, indexed at compile time, it stops the
// build.
[[noreturn]] inline void MalformedRangeTable() {
  std::abort();
}

// The OutcomeIndex of `entries` for the outcomes `first` to `last`: EntryFor's answer for each,
// found once. The other outcomes stay 0.
template <std::ranges::random_access_range Entries>
requires RangeEntry<std::ranges::range_value_t<Entries>>
constexpr OutcomeIndex IndexOutcomes(const Entries& entries, int first, int last) {
  const auto size = static_cast<std::ptrdiff_t>(std::ranges::size(entries));
  const auto begin = std::ranges::begin(entries);
  if (first < 0 || last >= kIndexedOutcomes || size == 0 || size > 256 ||
      begin[size - 1].hi < last) {
    MalformedRangeTable();
  }
  OutcomeIndex index{};
  for (int outcome = first; outcome <= last; ++outcome) {
    index[static_cast<std::size_t>(outcome)] =
        static_cast<std::uint8_t>(&EntryFor(entries, outcome) - &begin[0]);
  }
  return index;
}

}  // namespace vorneth
