#include "generator/table_items.h"

#include <utility>

#include "core/line_forms.h"

namespace vorneth {

void DrawTableItems(DMLines& dm, const tables::HoardTables& tables, std::uint32_t seed,
                    std::vector<std::optional<std::string>>& tablePlayers) {
  tablePlayers.clear();
  RandomSource random(tables::TableSeed(seed));
  LineList lines;
  std::vector<LineOrigin> origins;
  lines.reserve(dm.lines.size(), dm.lines.Text().size());
  origins.reserve(dm.origins.size());
  for (std::size_t i = 0; i < dm.lines.size(); ++i) {
    const LineOrigin origin = dm.origins[i];
    if (!tables.Has(origin.family)) {
      lines.push_back(dm.lines[i]);
      origins.push_back(origin);
      tablePlayers.emplace_back();
      continue;
    }
    if (dm.lines[i].starts_with(kScrollSpellStart)) {
      continue;  // a further spell of a scroll drawn from the game master's table instead
    }
    tables::TableItem item = tables.Draw(origin.family, random);
    lines.push_back(item.line);
    origins.push_back({origin.family, item.table});
    tablePlayers.emplace_back(std::move(item.players));
  }
  dm.lines = std::move(lines);
  dm.origins = std::move(origins);
}

}  // namespace vorneth
