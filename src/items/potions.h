#pragma once

#include <span>

#include "items/table.h"

namespace vorneth::items {

void Potions1(Generator& g);
void Potions2(Generator& g);

// The tables of this family, sub-tables included.
std::span<const Table* const> PotionTables();

}  // namespace vorneth::items
