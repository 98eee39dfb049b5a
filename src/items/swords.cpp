#include "items/swords.h"

#include <string>

#include "core/generator.h"

// Magic swords. A typed row's text starts with "sword" and follows the rolled blade type
// directly ("Long" + "sword +1 (2,000 gp)"); a whole row names its own blade.
namespace vorneth::items {
namespace {

constexpr Row kBladeRows[] = {
    Fixed(1, 69, "Long"),     Fixed(70, 89, "Broad"),   Fixed(90, 94, "Short"),
    Fixed(95, 99, "Bastard"), Fixed(100, 100, "Great"),
};
constexpr Table kBlade{"Swords.Type", 100, kBladeRows};

constexpr Row kSwords1Rows[] = {
    Typed(1, 25, "sword +1 (2,000 gp)"),
    Typed(26, 30, "sword +1, +2 vs. magic-using and enchanted creatures (3,000 gp)"),
    Typed(31, 35, "sword +1, +3 vs. lycanthropes and shape changers (3,500 gp)"),
    Typed(36, 40, "sword +1, +3 vs. regenerating creatures (4,000 gp)"),
    Typed(41, 45, "sword +1, +4 vs. reptiles (4,000 gp)"),
    Typed(46, 49, "sword +1, Flame Tongue (4,500 gp)"),
    Typed(50, 50, "sword +1 Luck Blade (5,000 gp)"),
    Typed(51, 58, "sword +2 (4,000 gp)"),
    Typed(59, 62, "sword +2, Giant Slayer (4,500 gp)"),
    Typed(63, 66, "sword +3, Frost Brand (4,500 gp)"),
    Fixed(67, 70, "Shortsword of Quickness +2 (8,000 gp)"),
    Typed(71, 76, "sword +3 (7,000 gp)"),
    Typed(77, 79, "sword +3, Dragon Slayer (8,000 gp)"),
    Typed(80, 81, "sword of the Planes (15,000 gp)"),
    Typed(82, 84, "sword +4 (10,000 gp)"),
    Typed(85, 86, "sword +4, Defender (15,000 gp)"),
    Typed(87, 88, "sword +5 (15,000 gp)"),
    Typed(89, 94, "sword +1 Cursed"),
    Typed(95, 98, "sword -2 Cursed"),
    Typed(99, 100, "sword Cursed Beserking"),
};
constexpr Table kSwords1{"Swords1", 100, kSwords1Rows};

constexpr Row kSwords2Rows[] = {
    Fixed(1, 15, "Bastardsword Sun Blade (20,000 gp)"),
    Typed(16, 16, "sword, Anything (35,000 gp)"),
    Fixed(17, 32, "Broadsword 'Final Word' (50,000 gp)"),
    Typed(33, 45, "sword of Wounding (22,000 gp)"),
    Typed(46, 61, "sword +5, Defender (18,000 gp)"),
    Typed(62, 69, "sword +6, Defender (30,000 gp)"),
    Typed(70, 84, "sword +5, Holy Avenger (20,000 gp)"),
    Typed(85, 91, "sword +6, Holy Avenger (40,000 gp)"),
    Typed(92, 93, "sword of Life Stealing (25,000 gp)"),
    Typed(94, 95, "sword +2, Nine Lives Stealer (8,000 gp)"),
    Typed(96, 97, "sword of Sharpness (35,000 gp)"),
    Typed(98, 98, "sword Vorpal Weapon (50,000 gp)"),
    Typed(99, 100, "sword of Dancing (22,000 gp)"),
};
constexpr Table kSwords2{"Swords2", 100, kSwords2Rows};

constexpr const Table* kTables[] = {&kSwords1, &kSwords2, &kBlade};

// The blade type is rolled first, always, even when the table row then names its own blade.
void RunSwordTable(Generator& g, const Table& table) {
  const std::string_view blade = RollRow(g, kBlade).text;
  const Row& row = RollRow(g, table);
  std::string& line = g.NewLine();
  if (row.kind == RowKind::Typed) {
    line += blade;
  }
  line += row.text;
}

}  // namespace

void Swords1(Generator& g) {
  RunSwordTable(g, kSwords1);
}

void Swords2(Generator& g) {
  RunSwordTable(g, kSwords2);
}

std::span<const Table* const> SwordTables() {
  return kTables;
}

}  // namespace vorneth::items
