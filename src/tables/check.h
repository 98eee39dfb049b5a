#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tables/table.h"

namespace vorneth::tables {

// How deep draws may nest, and the longest line a draw may make: bounds that keep every draw
// and every list of odds finite and small.
inline constexpr int kMostNesting = 32;
inline constexpr std::size_t kMostLineBytes = 65536;

// The faults of a table's rows among themselves, one line each: no rows, a row without text,
// a range that runs backwards or leaves the die, an overlap, and faces that no row covers.
std::vector<std::string> RangeFaults(const Table& table);

// Ties each reference of the set to its table: by Foundry id, then by name (ASCII letters in
// either case), a table of the row's own file before the others. Returns the names that no
// table answers, each once, in the order met.
std::vector<std::string> ResolveReferences(TableSet& set);

// Every fault of the set, one line each, table by table: those of RangeFaults, then a
// reference that no table answers, a loop of tables, draws nested deeper than kMostNesting and
// lines longer than kMostLineBytes. Resolves the references first. Empty when every table can
// be drawn from.
std::vector<std::string> CheckTables(TableSet& set);

// The table a draw from the set starts at: the first that no table of the set draws from.
std::size_t TopTable(const TableSet& set);

// `potions.txt: table "Potions", d20, 12 rows, all faces covered`: a table without fault.
std::string TableSummary(const Table& table);

}  // namespace vorneth::tables
