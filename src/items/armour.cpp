#include "items/armour.h"

#include "core/generator.h"

// Magic armour and shields. Every row is a whole line: the armour's name first, then its
// enchantment and value, so the players' view can cut the name off before the plus.
namespace vorneth::items {
namespace {

constexpr Row kArmour1Rows[] = {
    Fixed(1, 5, "Chain Mail +1 (3,500 gp)"),
    Fixed(6, 9, "Chain Mail +2 (7,500 gp)"),
    Fixed(10, 11, "Chain Mail +3 (12,500 gp)"),
    Fixed(12, 19, "Leather Armor +1 (2,000 gp)"),
    Fixed(20, 26, "Plate Mail +1 (5,000 gp)"),
    Fixed(27, 32, "Plate Mail +2 (10,500 gp)"),
    Fixed(33, 35, "Plate Mail +3 (15,500 gp)"),
    Fixed(36, 37, "Plate Mail +4 (20,500 gp)"),
    Fixed(38, 38, "Plate Mail +5 (27,500 gp)"),
    Fixed(39, 39, "Plate Mail of Etherealness (30,000 gp)"),
    Fixed(40, 44, "Plate Mail of Frailty (1,500 gp)"),
    Fixed(45, 50, "Ring Mail +1 (2,500 gp)"),
    Fixed(51, 55, "Scale Mail +1 (3,000 gp)"),
    Fixed(56, 59, "Scale Mail +2 (6,750 gp)"),
    Fixed(60, 63, "Splint Mail +1 (4,000 gp)"),
    Fixed(64, 66, "Splint Mail +2 (8,500 gp)"),
    Fixed(67, 68, "Splint Mail +3 (14,500 gp)"),
    Fixed(69, 69, "Splint Mail +4 (19,000 gp)"),
    Fixed(70, 75, "Studded Leather +1 (2,500 gp)"),
    Fixed(76, 84, "Shield +1 (2,500 gp)"),
    Fixed(85, 89, "Shield +2 (5,000 gp)"),
    Fixed(90, 93, "Shield +3 (8,000 gp)"),
    Fixed(94, 95, "Shield +4 (12,000 gp)"),
    Fixed(96, 96, "Shield +5 (17,500 gp)"),
    Fixed(97, 97, "Shield Large +1, +4 vs. missiles (4,000 gp)"),
    Fixed(98, 100, "Shield -1 Missile Attractor (750 gp)"),
};
constexpr Table kArmour1{"Armour1", 100, kArmour1Rows};

constexpr Row kArmour2Rows[] = {
    Fixed(1, 1, "Anything Armour (45,000 gp)"),
    Fixed(2, 7, "Bronze Plate Mail +1 (3,000 gp)"),
    Fixed(8, 11, "Bronze Plate Mail +2 (6,000 gp)"),
    Fixed(12, 17, "Buckler +1 (1,500 gp)"),
    Fixed(18, 21, "Buckler +2 (3,500 gp)"),
    Fixed(22, 23, "Buckler +3 (10,000 gp)"),
    Fixed(24, 25, "Chain Mail +4 (30,000 gp)"),
    Fixed(26, 31, "Elfin Chain Mail +1 (7,500 gp)"),
    Fixed(32, 35, "Elfin Chain Mail +2 (12,500 gp)"),
    Fixed(36, 38, "Elfin Chain Mail +3 (20,000 gp)"),
    Fixed(39, 40, "Elfin Chain Mail +4 (30,000 gp)"),
    Fixed(41, 41, "Elfin Chain Mail +5 (50,000 gp)"),
    Fixed(42, 50, "Leather Armour +2 (7,500 gp)"),
    Fixed(51, 55, "Leather Armour +3 (12,500 gp)"),
    Fixed(56, 62, "Field Plate Mail +1 (15,000 gp)"),
    Fixed(63, 68, "Field Plate Mail +2 (30,000 gp)"),
    Fixed(69, 71, "Field Plate Mail +3 (50,000 gp)"),
    Fixed(72, 73, "Field Plate Mail +4 (80,000 gp)"),
    Fixed(74, 74, "Field Plate Mail +5 (120,000 gp)"),
    Fixed(75, 80, "Full Plate Mail +1 (30,000 gp)"),
    Fixed(81, 84, "Full Plate Mail +2 (50,000 gp)"),
    Fixed(85, 87, "Full Plate Mail +3 (80,000 gp)"),
    Fixed(88, 89, "Full Plate Mail +4 (120,000 gp)"),
    Fixed(90, 93, "Ring Mail +2 (6,000 gp)"),
    Fixed(94, 95, "Scale Mail +3 (12,500 gp)"),
    Fixed(96, 100, "Studded Leather +2 (6,500 gp)"),
};
constexpr Table kArmour2{"Armour2", 100, kArmour2Rows};

constexpr const Table* kTables[] = {&kArmour1, &kArmour2};

}  // namespace

void Armour1(Generator& g) {
  RunTable(g, kArmour1);
}

void Armour2(Generator& g) {
  RunTable(g, kArmour2);
}

std::span<const Table* const> ArmourTables() {
  return kTables;
}

}  // namespace vorneth::items
