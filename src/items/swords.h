#pragma once

#include <span>

#include "items/table.h"

namespace vorneth::items {

void Swords1(Generator& g);
void Swords2(Generator& g);

// The tables of this family, sub-tables included.
std::span<const Table* const> SwordTables();

}  // namespace vorneth::items
