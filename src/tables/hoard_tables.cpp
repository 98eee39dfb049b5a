#include "tables/hoard_tables.h"

#include <utility>

#include "core/number_text.h"
#include "tables/row_text.h"

namespace vorneth::tables {

void HoardTables::Use(FamilyTables tables) {
  const std::size_t index = Index(tables.family);
  byFamily_[index] = std::make_unique<const InUse>(std::move(tables));
}

bool HoardTables::empty() const {
  for (const auto& used : byFamily_) {
    if (used) {
      return false;
    }
  }
  return true;
}

std::vector<TableChoice> HoardTables::Choices() const {
  std::vector<TableChoice> choices;
  for (const auto& used : byFamily_) {
    if (used) {
      choices.push_back({used->tables.family, used->tables.file});
    }
  }
  return choices;
}

TableItem HoardTables::Draw(Family family, RandomSource& random) const {
  const InUse& used = *byFamily_[Index(family)];
  TableItem item;
  const TableDraws::Drawn drawn = used.draws.DrawInto(used.tables.top, random, item.line);
  // A value the file gives apart from the text goes where the hoard's item lines carry theirs,
  // so that the line is valued, divided and exported like any other.
  if (drawn.value && TrailingValue(item.line) != drawn.value) {
    item.line += " (" + NumberText(*drawn.value, ",") + " gp)";
  }
  item.players = drawn.players;
  item.table = used.tables.set[used.tables.top].name;
  return item;
}

}  // namespace vorneth::tables
