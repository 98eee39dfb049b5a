#include "items/scrolls.h"

#include "generator/generator.h"

namespace vorneth::items {

void Scrolls1(Generator& g) {
  g.Roll(100);
  g.AddLine("[Scrolls1]");
}

void Scrolls2(Generator& g) {
  g.Roll(100);
  g.AddLine("[Scrolls2]");
}

std::span<const Table* const> ScrollTables() {
  return {};
}

}  // namespace vorneth::items
