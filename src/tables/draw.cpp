#include "tables/draw.h"

#include <algorithm>

#include "core/range_lookup.h"

namespace vorneth::tables {

TableDraws::TableDraws(const TableSet& set) : set_(set), spans_(set.size()) {
  for (std::size_t t = 0; t < set.size(); ++t) {
    for (std::size_t r = 0; r < set[t].rows.size(); ++r) {
      spans_[t].push_back({set[t].rows[r].hi, r});
    }
    std::sort(spans_[t].begin(), spans_[t].end(),
              [](const Span& a, const Span& b) { return a.hi < b.hi; });
  }
}

std::string TableDraws::Draw(std::size_t table, RandomSource& random) const {
  std::string line;
  DrawInto(table, random, line);
  return line;
}

TableDraws::Drawn TableDraws::DrawInto(std::size_t table, RandomSource& random,
                                       std::string& line) const {
  const Table& from = set_[table];
  const Row& row = from.rows[EntryFor(spans_[table], RollDie(from.die, random)).row];
  Drawn drawn{row.value, row.players};
  std::size_t at = 0;
  for (const Reference& reference : row.references) {
    line.append(row.text, at, reference.at - at);
    const Drawn nested = DrawInto(reference.table, random, line);
    drawn.value = drawn.value ? drawn.value : nested.value;
    drawn.players = drawn.players.empty() ? nested.players : drawn.players;
    at = reference.at + reference.length;
  }
  line.append(row.text, at);
  return drawn;
}

}  // namespace vorneth::tables
