#pragma once

// A hoard's two lists: the DM list as the generator assembles it, and the players list this
// folder derives from it.

#include <string_view>

#include "core/hoard_request.h"
#include "core/random_source.h"
#include "generator/assembly.h"
#include "tables/hoard_tables.h"

namespace vorneth {

// Assembles the hoard from the random source as it stands: custom magic items, types A to Z
// in letter order, then the custom gold, gem and jewelry lines, "Nothing Found" when nothing
// resulted; then the players list. `separator` goes between thousands of amounts.
Hoard AssembleHoard(const HoardRequest& request, RandomSource& random, std::string_view separator);
// The same hoard written into `hoard`, whose lists keep their storage from one hoard to the
// next: for callers that make many hoards in a row. With `tables`, the items of their families
// are drawn from them (DrawTableItems), their source seeded from the random source's seed as it
// stood before the hoard.
void AssembleHoard(const HoardRequest& request, RandomSource& random, std::string_view separator,
                   Hoard& hoard, const tables::HoardTables* tables = nullptr);

// Seeds a random source with request.Seed and assembles: one request, one hoard.
Hoard GenerateHoard(const HoardRequest& request, std::string_view separator = ",");
void GenerateHoard(const HoardRequest& request, std::string_view separator, Hoard& hoard,
                   const tables::HoardTables* tables = nullptr);

}  // namespace vorneth
