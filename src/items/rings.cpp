#include "items/rings.h"

#include "generator/generator.h"

namespace vorneth::items {

void Rings1(Generator& g) {
  g.Roll(100);
  g.AddLine("[Rings1]");
}

void Rings2(Generator& g) {
  g.Roll(100);
  g.AddLine("[Rings2]");
}

std::span<const Table* const> RingTables() {
  return {};
}

}  // namespace vorneth::items
