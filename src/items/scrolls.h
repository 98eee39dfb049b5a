#pragma once

#include <span>

#include "items/table.h"

namespace vorneth::items {

void Scrolls1(Generator& g);
void Scrolls2(Generator& g);

// The tables of this family, sub-tables included.
std::span<const Table* const> ScrollTables();

}  // namespace vorneth::items
