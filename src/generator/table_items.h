#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "generator/assembly.h"
#include "tables/hoard_tables.h"

namespace vorneth {

// Replaces each item line of a family that `tables` has with a draw from the game master's
// table, in line order, from the tables' own random source seeded with TableSeed(seed). The
// built-in draw was made all the same, so every other line is the one the seed gives without
// them. A replaced scroll's further spell lines go with it. `tablePlayers` gets one entry per
// line of the new list, as Hoard::TablePlayers holds them.
void DrawTableItems(DMLines& dm, const tables::HoardTables& tables, std::uint32_t seed,
                    std::vector<std::optional<std::string>>& tablePlayers);

}  // namespace vorneth
