#pragma once

#include <span>

#include "items/table.h"

namespace vorneth::items {

void Wands1(Generator& g);
void Wands2(Generator& g);

// The tables of this family, sub-tables included.
std::span<const Table* const> WandTables();

}  // namespace vorneth::items
