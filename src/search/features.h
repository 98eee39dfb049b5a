#pragma once

#include <string_view>

#include "core/line_origin.h"
#include "generator/assembly.h"
#include "search/conditions.h"
#include "worth/worth.h"

namespace vorneth::search {

// Whether a DM line is a cursed magic item: a line of an item table (its origin names a family)
// that carries the tables' curse marker, the word "Cursed" ("Scroll (Cursed)", "Longsword -2
// Cursed", "Spear Cursed Backbiter (1,000 gp)"). Harmful items without the marker ("Flask of
// Curses", a ring of contrariness) are not cursed in this sense, as the players' view does not
// hide them either.
bool IsCursedItem(std::string_view line, const LineOrigin& origin);

// What a generated DM list holds, from its lines, their origins and their valuation: each
// family of magic items as the odds count it, a map, a gem lot, a jewelry lot, a cursed item.
FeatureSet FeaturesOf(const DMLines& dm, const worth::Valuation& valuation);

}  // namespace vorneth::search
