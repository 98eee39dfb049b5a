#include "items/potions.h"

#include "generator/generator.h"

namespace vorneth::items {

void Potions1(Generator& g) {
  g.Roll(100);
  g.AddLine("[Potions1]");
}

void Potions2(Generator& g) {
  g.Roll(100);
  g.AddLine("[Potions2]");
}

std::span<const Table* const> PotionTables() {
  return {};
}

}  // namespace vorneth::items
