#include "items/table.h"

#include <cassert>

#include "core/generator.h"
#include "core/number_text.h"

namespace vorneth::items {

const Row& Pick(const Table& table, int d) {
  assert(d >= 1 && d <= table.die);
  const Row& row = table.rows[table.rowOf[static_cast<std::size_t>(d)]];
  assert(row.lo <= d && d <= row.hi);
  return row;
}

const Row& RollRow(Generator& g, const Table& table) {
  return Pick(table, g.Roll(table.die) + 1);
}

void AppendRowLine(Generator& g, const Row& row, std::string& line) {
  line += row.text;
  switch (row.kind) {
    case RowKind::Variant:
      line += RollRow(g, *row.sub).text;
      break;
    case RowKind::Count:
      AppendNumberText(line, g.Roll(row.die) + row.base, {});
      line += row.suffix;
      break;
    case RowKind::List: {
      const int entries = g.Roll(row.die) + row.base;
      for (int i = 0; i < entries; ++i) {
        line += RollRow(g, *row.sub).text;
      }
      line += row.suffix;
      break;
    }
    case RowKind::Fixed:
    case RowKind::Reference:
    case RowKind::Typed:
    case RowKind::Spells:
      break;
  }
}

void RunTable(Generator& g, const Table& table) {
  const Row& row = RollRow(g, table);
  if (row.kind == RowKind::Reference) {
    RunTable(g, *row.sub);
    return;
  }
  AppendRowLine(g, row, g.NewLine());
}

}  // namespace vorneth::items
