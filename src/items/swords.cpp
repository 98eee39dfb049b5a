#include "items/swords.h"

#include "generator/generator.h"

namespace vorneth::items {

void Swords1(Generator& g) {
  g.Roll(100);
  g.AddLine("[Swords1]");
}

void Swords2(Generator& g) {
  g.Roll(100);
  g.AddLine("[Swords2]");
}

std::span<const Table* const> SwordTables() {
  return {};
}

}  // namespace vorneth::items
