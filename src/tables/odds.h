#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tables/fraction.h"
#include "tables/table.h"

namespace vorneth::tables {

// The most results the odds of a table list, counting each combination of nested draws, and
// the most bytes of text they may hold.
inline constexpr std::size_t kMostResults = 1000000;
inline constexpr std::size_t kMostResultBytes = 64 * 1024 * 1024;

// A line a draw can make and its exact chance.
struct Outcome {
  std::string line;
  Fraction chance;
};

struct TableOddsResult {
  std::vector<Outcome> outcomes;  // each line once, in the order of the rows and their faces
  std::string fault;              // why there are none: one line naming the table
};

// Every line a draw from table `table` of a set that CheckTables found without fault can make,
// with its chance: the faces of its row over all the faces of the die, times the chances of
// the nested draws that made it. The same line made in several ways counts once, its chances
// added. A chance that outgrows 64-bit fractions, or too many results, is a fault instead.
TableOddsResult TableOdds(const TableSet& set, std::size_t table);

}  // namespace vorneth::tables
