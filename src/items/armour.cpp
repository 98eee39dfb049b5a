#include "items/armour.h"

#include "generator/generator.h"

namespace vorneth::items {

void Armour1(Generator& g) {
  g.Roll(100);
  g.AddLine("[Armour1]");
}

void Armour2(Generator& g) {
  g.Roll(100);
  g.AddLine("[Armour2]");
}

std::span<const Table* const> ArmourTables() {
  return {};
}

}  // namespace vorneth::items
