#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vorneth {
class Generator;
}

namespace vorneth::items {

// The list that serves a class ("Magic User", "Illusionist", "Clerical", any other text meaning
// "Druidical") and a level; a level outside the class's range falls to its highest list.
std::span<const std::string_view> SpellList(std::string_view spellClass, int level);

// One roll, Roll(size of the list): " - " followed by the spell name at that position.
std::string RandomSpell(Generator& g, std::string_view spellClass, int level);

}  // namespace vorneth::items
