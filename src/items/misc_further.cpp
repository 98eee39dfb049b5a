#include "items/misc_further.h"

#include "generator/generator.h"

namespace vorneth::items {

void Misc4(Generator& g) {
  g.Roll(100);
  g.AddLine("[Misc4]");
}

void Misc5(Generator& g) {
  g.Roll(100);
  g.AddLine("[Misc5]");
}

void Misc6(Generator& g) {
  g.Roll(100);
  g.AddLine("[Misc6]");
}

void Misc7(Generator& g) {
  g.Roll(100);
  g.AddLine("[Misc7]");
}

std::span<const Table* const> MiscFurtherTables() {
  return {};
}

}  // namespace vorneth::items
