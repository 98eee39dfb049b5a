#pragma once

#include <span>

#include "items/table.h"

namespace vorneth::items {

void Armour1(Generator& g);
void Armour2(Generator& g);

// The tables of this family, sub-tables included.
std::span<const Table* const> ArmourTables();

}  // namespace vorneth::items
