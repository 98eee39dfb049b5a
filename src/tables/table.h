#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "tables/die.h"

namespace vorneth::tables {

// A reference not yet tied to a table of its set.
inline constexpr std::size_t kUnresolved = std::numeric_limits<std::size_t>::max();

// A mark in a row's text that a draw from another table replaces: "[[Gems]]" within a text, or
// the whole text of a Foundry result that is a RollTable.
struct Reference {
  std::size_t at = 0;               // where the mark begins in the row's text
  std::size_t length = 0;           // its bytes, all replaced by the draw
  std::string name;                 // the table drawn from
  std::string id;                   // its Foundry id, which counts before the name; may be empty
  std::size_t table = kUnresolved;  // its index in the set, once resolved

  bool operator==(const Reference&) const = default;
};

// One row: the faces lo to hi of the table's die, and what they give.
struct Row {
  int lo = 0;
  int hi = 0;
  std::string text;                   // the DM's line
  std::string players;                // the players' line, empty when the file gives none
  std::optional<std::int64_t> value;  // in gold pieces, when the file gives it
  std::vector<Reference> references;  // in the order of the text

  bool operator==(const Row&) const = default;
};

// A game master's table as a file gives it.
struct Table {
  std::string name;
  std::string id;    // its Foundry id; empty for a table of another shape
  std::string file;  // the file it comes from, as messages name it
  Die die;
  std::vector<Row> rows;  // in the file's order, which numbers them from 1 in messages
};

// The tables a draw may reach: those of a file and of the files of its folder it names.
using TableSet = std::vector<Table>;

// `potions.txt: table "Potions"`: the start of a message about the table.
std::string TablePlace(const Table& table);

// `row 7 (12-15)`, or `row 6 (6)` for one face: the row at `index` of `table`.
std::string RowPlace(const Table& table, std::size_t index);

}  // namespace vorneth::tables
