#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/random_source.h"
#include "tables/table.h"

namespace vorneth::tables {

// Draws from the tables of a set that CheckTables found without fault.
class TableDraws {
 public:
  explicit TableDraws(const TableSet& set);

  // One draw from table `table`: a roll of its die and the text of the row it selects, each
  // reference in it replaced, left to right, by a draw from its table.
  std::string Draw(std::size_t table, RandomSource& random) const;

  // The same draw appended to `line`.
  struct Drawn {
    // Of the row the table's own roll selected: its value and its players' text, or where it
    // gives none, the first that a nested draw gave.
    std::optional<std::int64_t> value;
    std::string_view players;
  };
  Drawn DrawInto(std::size_t table, RandomSource& random, std::string& line) const;

 private:
  struct Span {
    int hi;
    std::size_t row;
  };

  const TableSet& set_;
  std::vector<std::vector<Span>> spans_;  // each table's rows by their last face
};

}  // namespace vorneth::tables
