#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vorneth {
class Generator;
}

namespace vorneth::items {

// The classes whose spells a scroll can hold.
enum class SpellClass { MagicUser, Illusionist, Clerical, Druidical };

// The class as a scroll's line names it: "Magic User", "Illusionist", "Clerical", "Druidical".
std::string_view SpellClassText(SpellClass spellClass);

// The list that serves a class and a level; a level outside the class's range falls to its
// highest list.
std::span<const std::string_view> SpellList(SpellClass spellClass, int level);

// One roll, Roll(size of the list): " - " followed by the spell name at that position.
std::string RandomSpell(Generator& g, SpellClass spellClass, int level);
// The same text appended to `text`.
void AppendRandomSpell(Generator& g, SpellClass spellClass, int level, std::string& text);

}  // namespace vorneth::items
