#include "tables/table.h"

#include "tables/row_text.h"

namespace vorneth::tables {

std::string TablePlace(const Table& table) {
  return table.file + ": table \"" + Shown(table.name) + "\"";
}

std::string RowPlace(const Table& table, std::size_t index) {
  const Row& row = table.rows[index];
  return "row " + std::to_string(index + 1) + " (" + std::to_string(row.lo) +
         (row.hi == row.lo ? "" : "-" + std::to_string(row.hi)) + ")";
}

}  // namespace vorneth::tables
