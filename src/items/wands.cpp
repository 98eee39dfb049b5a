#include "items/wands.h"

#include "generator/generator.h"

namespace vorneth::items {

void Wands1(Generator& g) {
  g.Roll(100);
  g.AddLine("[Wands1]");
}

void Wands2(Generator& g) {
  g.Roll(100);
  g.AddLine("[Wands2]");
}

std::span<const Table* const> WandTables() {
  return {};
}

}  // namespace vorneth::items
