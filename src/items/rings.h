#pragma once

#include <span>

#include "items/table.h"

namespace vorneth::items {

void Rings1(Generator& g);
void Rings2(Generator& g);

// The tables of this family, sub-tables included.
std::span<const Table* const> RingTables();

}  // namespace vorneth::items
