#include "items/misc.h"

#include "generator/generator.h"

namespace vorneth::items {

void Misc1(Generator& g) {
  g.Roll(100);
  g.AddLine("[Misc1]");
}

void Misc2(Generator& g) {
  g.Roll(100);
  g.AddLine("[Misc2]");
}

void Misc3(Generator& g) {
  g.Roll(100);
  g.AddLine("[Misc3]");
}

void MiscSpecial(Generator& g) {
  g.Roll(100);
  g.AddLine("[MiscSpecial]");
}

std::span<const Table* const> MiscTables() {
  return {};
}

}  // namespace vorneth::items
