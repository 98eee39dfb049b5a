#include "items/weapons.h"

#include "generator/generator.h"

namespace vorneth::items {

void Weapons1(Generator& g) {
  g.Roll(100);
  g.AddLine("[Weapons1]");
}

void Weapons2(Generator& g) {
  g.Roll(100);
  g.AddLine("[Weapons2]");
}

std::span<const Table* const> WeaponTables() {
  return {};
}

}  // namespace vorneth::items
