#include "tables/table.h"

#include "tables/row_text.h"

namespace vorneth::tables {

std::string TablePlace(const Table& table) {
  return table.file + ": table \"" + Shown(table.name) + "\"";
}

std::string RowPlace(const Table& table, std::size_t index) {
  // Appended piece by piece: GCC 12's optimiser mistakes "literal" + std::to_string(...) for
  // overlapping copies.
  const Row& row = table.rows[index];
  std::string place = "row ";
  place += std::to_string(index + 1);
  place += " (";
  place += std::to_string(row.lo);
  if (row.hi != row.lo) {
    place += '-';
    place += std::to_string(row.hi);
  }
  place += ')';
  return place;
}

}  // namespace vorneth::tables
