#pragma once

#include <span>

#include "items/table.h"

namespace vorneth::items {

void Misc1(Generator& g);
void Misc2(Generator& g);
void Misc3(Generator& g);
void MiscSpecial(Generator& g);

// The tables of this family, sub-tables included.
std::span<const Table* const> MiscTables();

}  // namespace vorneth::items
