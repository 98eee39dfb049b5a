#pragma once

#include <span>

#include "items/table.h"

namespace vorneth::items {

void Misc4(Generator& g);
void Misc5(Generator& g);
void Misc6(Generator& g);
void Misc7(Generator& g);

// The tables of this family, sub-tables included.
std::span<const Table* const> MiscFurtherTables();

}  // namespace vorneth::items
