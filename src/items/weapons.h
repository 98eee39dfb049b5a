#pragma once

#include <span>

#include "items/table.h"

namespace vorneth::items {

void Weapons1(Generator& g);
void Weapons2(Generator& g);

// The tables of this family, sub-tables included.
std::span<const Table* const> WeaponTables();

}  // namespace vorneth::items
