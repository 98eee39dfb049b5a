#include "items/scrolls.h"

#include <string>
#include <string_view>

#include "core/generator.h"
#include "core/line_forms.h"
#include "core/number_text.h"
#include "items/spell_lists.h"

namespace vorneth::items {

namespace {

// Spell scrolls: Spells(lo, hi, spells, die, base, adjusted), each level Roll(die) + base.
constexpr Row kScrolls1Rows[] = {
    Spells(1, 10, 1, 4, 1, false),
    Spells(11, 16, 1, 6, 1, false),
    Spells(17, 19, 1, 9, 1, true),
    Spells(20, 24, 2, 4, 1, false),
    Spells(25, 27, 2, 9, 1, true),
    Spells(28, 32, 3, 4, 1, false),
    Spells(33, 35, 3, 9, 1, true),
    Spells(36, 39, 4, 6, 1, false),
    Spells(40, 42, 4, 8, 1, true),
    Spells(43, 46, 5, 6, 1, false),
    Spells(47, 49, 5, 8, 1, true),
    Spells(50, 52, 6, 6, 1, false),
    Spells(53, 54, 6, 7, 2, true),
    Spells(55, 57, 7, 8, 1, false),
    Spells(58, 59, 7, 8, 2, false),
    Spells(60, 60, 7, 7, 3, true),
    Fixed(61, 62, "Scroll of Protection (Demons 2,500 gp)"),
    Fixed(63, 64, "Scroll of Protection (Devils 2,500 gp)"),
    Fixed(65, 70, "Scroll of Protection (Elementals 1,500 gp)"),
    Fixed(71, 76, "Scroll of Protection (Lycanthropes 1,000 gp)"),
    Fixed(77, 82, "Scroll of Protection (Magic 1,500 gp)"),
    Fixed(83, 87, "Scroll of Protection (Petrification 2,000gp)"),
    Fixed(88, 92, "Scroll of Protection (Possession 2,000 gp)"),
    Fixed(93, 97, "Scroll of Protection (Undead 1,500 gp)"),
    Fixed(98, 100, "Scroll (Cursed)"),
};

constexpr Row kScrolls2Rows[] = {
    Fixed(1, 2, "Scroll of Protection (Acid 2,500gp)"),
    Fixed(3, 7, "Scroll of Protection (Breath Weapons, Dragon 2,000 gp)"),
    Fixed(8, 12, "Scroll of Protection (Breath Weapons, Non-Dragon 2,000 gp)"),
    Fixed(13, 17, "Scroll of Protection (Cold 2,000 gp)"),
    Fixed(18, 22, "Scroll of Protection (Electricity 1,500 gp)"),
    Fixed(23, 27, "Scroll of Protection (Fire 2,000 gp)"),
    Fixed(28, 32, "Scroll of Protection (Gas 2,000 gp)"),
    Fixed(33, 37, "Scroll of Protection (Illusions 1,500 gp)"),
    Fixed(38, 42, "Scroll of Protection (Plants 1,500 gp)"),
    Fixed(43, 48, "Scroll of Protection (Poison 1,000 gp)"),
    Fixed(49, 54, "Scroll of Protection (Water 1,000 gp)"),
    Fixed(55, 59, "Scroll of Protection (Weapons, Magical 2,000 gp)"),
    Fixed(60, 64, "Scroll of Protection (Weapons, Normal 1,500 gp)"),
    Fixed(65, 70, "Scroll of Protection (Animals 1,000 gp)"),
    Fixed(71, 76, "Scroll of Protection (Insects 1,000 gp)"),
    Fixed(77, 82, "Scroll of Protection (Lightning 1,000 gp)"),
    Fixed(83, 88, "Scroll of Protection (Charm 1,000 gp)"),
    Fixed(89, 94, "Scroll of Protection (Spirits 1,000 gp)"),
    Fixed(95, 100, "Scroll of Protection (Traps 1,000 gp)"),
};

constexpr Table kScrolls1{"Scrolls1", 100, kScrolls1Rows};
constexpr Table kScrolls2{"Scrolls2", 100, kScrolls2Rows};

constexpr const Table* kScrollTables[] = {&kScrolls1, &kScrolls2};

// The scroll's class: rolled on every call, whatever the scroll turns out to be.
SpellClass ScrollClass(Generator& g) {
  if (g.Roll(100) + 1 > 70) {
    return g.Roll(100) + 1 < 26 ? SpellClass::Druidical : SpellClass::Clerical;
  }
  return g.Roll(100) + 1 < 11 ? SpellClass::Illusionist : SpellClass::MagicUser;
}

// One line per spell: the first names the scroll, the others continue it with " plus ".
void AddSpellLines(Generator& g, const Row& row, SpellClass spellClass) {
  const bool priestly = spellClass == SpellClass::Clerical || spellClass == SpellClass::Druidical;
  for (int spell = 0; spell < row.count; ++spell) {
    int level = g.Roll(row.die) + row.base;
    if (row.adjusted && priestly && level > 3) {
      level -= 2;
    }
    std::string& line = g.NewLine();
    line += spell == 0 ? kSpellScrollStart : kScrollSpellStart;
    line += "1 Level ";
    AppendNumberText(line, level, {});
    line += ' ';
    line += SpellClassText(spellClass);
    line += " Spell";
    AppendRandomSpell(g, spellClass, level, line);
  }
}

}  // namespace

void Scrolls1(Generator& g) {
  const Row& row = RollRow(g, kScrolls1);
  const SpellClass spellClass = ScrollClass(g);
  if (row.kind == RowKind::Spells) {
    AddSpellLines(g, row, spellClass);
  } else {
    AppendRowLine(g, row, g.NewLine());
  }
}

void Scrolls2(Generator& g) {
  RunTable(g, kScrolls2);
}

std::span<const Table* const> ScrollTables() {
  return kScrollTables;
}

}  // namespace vorneth::items
