#include "items/wands.h"

namespace vorneth::items {

namespace {

// Rods in rows 1 to 12, staves (two of them staff weapons) in rows 13 to 25.
constexpr Row kWands1Rows[] = {
    Fixed(1, 6, "Rod of Absorption (40,000 gp)"),
    Fixed(7, 10, "Rod of Beguiling (50,000 gp)"),
    Fixed(11, 11, "Rod of Cancellation (30,000 gp)"),
    Fixed(12, 21, "Rod of Lordly Might (15,000 gp)"),
    Fixed(22, 26, "Rod of Resurrection (20,000 gp)"),
    Fixed(27, 27, "Rod of Rulership (20,000 gp)"),
    Fixed(28, 30, "Rod of Smiting (50,000 gp)"),
    Fixed(31, 31, "Rod of Alertness (35,000 gp)"),
    Fixed(32, 32, "Rod of Flailing (35,000 gp)"),
    Fixed(33, 36, "Rod of Security (30,000 gp)"),
    Fixed(37, 37, "Rod of Splendour (15,000 gp)"),
    Fixed(38, 40, "Rod of Tempests (25,000 gp)"),
    Fixed(41, 41, "Staff of Command (25,000 gp)"),
    Fixed(42, 48, "Staff of Curing (25,000 gp)"),
    Fixed(49, 55, "Staff-Mace (12,500 gp)"),
    Fixed(56, 56, "Staff of the Magi (75,000 gp)"),
    Fixed(57, 57, "Staff of Power (60,000 gp)"),
    Fixed(58, 63, "Staff of the Serpent (35,000 gp)"),
    Fixed(64, 70, "Staff of Slumber (10,000 gp)"),
    Fixed(71, 76, "Staff-Spear (5,000 gp)"),
    Fixed(77, 82, "Staff of Striking (15,000 gp)"),
    Fixed(83, 85, "Staff of Swarming Insects (500 gp)"),
    Fixed(86, 86, "Staff of Thunder & Lightning (20,000 gp)"),
    Fixed(87, 90, "Staff of Withering (35,000 gp)"),
    Fixed(91, 100, "Staff of the Woodlands (40,000 gp)"),
};

constexpr Row kWands2Rows[] = {
    Fixed(1, 1, "Wand of Conjuration (12,500 gp)"),
    Fixed(2, 5, "Wand of Enemy Detection (5,000 gp)"),
    Fixed(6, 7, "Wand of Entanglement (35,000 gp)"),
    Fixed(8, 10, "Wand of Magic Detection (6,000 gp)"),
    Fixed(11, 12, "Wand of Earth & Stone (10,000 gp)"),
    Fixed(13, 16, "Wand of Fear (10,000 gp)"),
    Fixed(17, 20, "Wand of Frost (15,000 gp)"),
    Fixed(21, 22, "Wand of Illusion (25,000 gp)"),
    Fixed(23, 26, "Wand of Acid Arrows (16,000 gp)"),
    Fixed(27, 30, "Wand of Metal & Mineral Detection (10,000 gp)"),
    Fixed(31, 31, "Wand of Negation (30,000 gp)"),
    Fixed(32, 32, "Wand of Paralyzation (50,000 gp)"),
    Fixed(33, 35, "Wand of Polymorphing (20,000 gp)"),
    Fixed(36, 39, "Wand of Secret Door & Trap Location (10,000 gp)"),
    Fixed(40, 43, "Wand of Size Alteration (20,000 gp)"),
    Fixed(44, 45, "Wand of Magic Missiles (30,000 gp)"),
    Fixed(46, 49, "Wand of Webs (16,000 gp)"),
    Fixed(50, 53, "Wand of Slowness (25,000 gp)"),
    Fixed(54, 61, "Wand of Fireballs (35,000 gp)"),
    Fixed(62, 66, "Wand of Light (7,500 gp)"),
    Fixed(67, 68, "Wand of Flame Extinguishing (15,000 gp)"),
    Fixed(69, 74, "Wand of Sleep (15,000 gp)"),
    Fixed(75, 78, "Wand of Thorns (25,000 gp)"),
    Fixed(79, 82, "Wand of Ice Storms (25,000 gp)"),
    Fixed(83, 86, "Wand of Dispelling (40,000 gp)"),
    Fixed(87, 90, "Wand of Binding (20,000 gp)"),
    Fixed(91, 92, "Wand of Lightning (25,000 gp)"),
    Fixed(93, 100, "Wand of Wonder (10,000 gp)"),
};

constexpr Table kWands1{"Wands1", 100, kWands1Rows};
constexpr Table kWands2{"Wands2", 100, kWands2Rows};

constexpr const Table* kWandTables[] = {&kWands1, &kWands2};

}  // namespace

void Wands1(Generator& g) {
  RunTable(g, kWands1);
}

void Wands2(Generator& g) {
  RunTable(g, kWands2);
}

std::span<const Table* const> WandTables() {
  return kWandTables;
}

}  // namespace vorneth::items
