#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/range_lookup.h"

namespace vorneth {
class Generator;
}

namespace vorneth::items {

struct Table;

// How a row turns into a line.
enum class RowKind {
  Fixed,    // `text` is the whole line
  Variant,  // `text` is a prefix; a roll on `sub` appends the text of the row it selects
  Count,    // `text` + (Roll(die) + base) in decimal + `suffix`
  List,     // `text` + the texts of Roll(die) + base rolls on `sub`, one after another, + `suffix`
  Reference,  // adds nothing itself: runs the table `sub` (with its own table roll) instead
  Typed,      // a sword row: the rolled blade type followed directly by `text`
  Spells,     // a spell scroll: `count` spells, each of level Roll(die) + base, `adjusted`
};

// One row of a table over an inclusive range of the table roll.
struct Row {
  int lo = 0;
  int hi = 0;
  RowKind kind = RowKind::Fixed;
  std::string_view text{};
  const Table* sub = nullptr;
  int die = 0;
  int base = 0;
  std::string_view suffix{};
  int count = 0;
  bool adjusted = false;
};

// A table rolled with Roll(die) + 1, its rows covering 1 to die without gap or overlap.
struct Table {
  constexpr Table(std::string_view tableName, int tableDie, std::span<const Row> tableRows)
      : name(tableName), die(tableDie), rows(tableRows), rowOf(IndexOutcomes(rows, 1, die)) {}

  std::string_view name;
  int die;
  std::span<const Row> rows;
  OutcomeIndex rowOf;  // the index in `rows` of the row of each outcome 1 to die
};

constexpr Row Fixed(int lo, int hi, std::string_view text) {
  return Row{lo, hi, RowKind::Fixed, text};
}
constexpr Row Variant(int lo, int hi, std::string_view prefix, const Table& sub) {
  return Row{lo, hi, RowKind::Variant, prefix, &sub};
}
constexpr Row Count(int lo, int hi, std::string_view prefix, int die, int base,
                    std::string_view suffix) {
  return Row{lo, hi, RowKind::Count, prefix, nullptr, die, base, suffix};
}
constexpr Row List(int lo, int hi, std::string_view prefix, int die, int base, const Table& sub,
                   std::string_view suffix) {
  return Row{lo, hi, RowKind::List, prefix, &sub, die, base, suffix};
}
constexpr Row Reference(int lo, int hi, const Table& sub) {
  return Row{lo, hi, RowKind::Reference, {}, &sub};
}
constexpr Row Typed(int lo, int hi, std::string_view text) {
  return Row{lo, hi, RowKind::Typed, text};
}
constexpr Row Spells(int lo, int hi, int count, int die, int base, bool adjusted) {
  return Row{lo, hi, RowKind::Spells, {}, nullptr, die, base, {}, count, adjusted};
}

// The row whose range holds d (1 to table.die).
const Row& Pick(const Table& table, int d);

// The table roll d = Roll(die) + 1 and the row it selects.
const Row& RollRow(Generator& g, const Table& table);

// The line of a Fixed, Variant, Count or List row appended to `line`, making the row's further
// rolls in order.
void AppendRowLine(Generator& g, const Row& row, std::string& line);

// A whole table operation: the table roll, then the selected row's further rolls, then one
// AddLine (a Reference row runs its table instead).
void RunTable(Generator& g, const Table& table);

// Every table and sub-table of every item family, for checks over all of them.
std::span<const Table* const> AllTables();

}  // namespace vorneth::items
