#include "items/weapons.h"

#include "core/generator.h"

// Magic weapons other than swords: single weapons with their value, bundles of missiles whose
// number is rolled (the count stands first, e.g. "12 Arrows +1"), and weapons whose plus is
// rolled on a small table of its own.
namespace vorneth::items {
namespace {

// Plus tables of Weapons2. The first two follow prefixes without a trailing blank, so their
// texts bring the blank; the others follow prefixes that end in one.
constexpr Row kHurlingRows[] = {
    Fixed(1, 5, " +1"),   Fixed(6, 10, " +2"),  Fixed(11, 15, " +3"),
    Fixed(16, 19, " +4"), Fixed(20, 20, " +5"),
};
constexpr Table kHurling{"Weapons2.H", 20, kHurlingRows};

constexpr Row kThrowingRows[] = {
    Fixed(1, 35, " +1"),
    Fixed(36, 65, " +2"),
    Fixed(66, 90, " +3"),
    Fixed(91, 100, " +4"),
};
constexpr Table kThrowing{"Weapons2.T", 100, kThrowingRows};

constexpr Row kHornbladeRows[] = {
    Fixed(1, 20, "Knife-sized +1"),     Fixed(21, 35, "Knife-sized +2"),
    Fixed(36, 50, "Dagger-sized +1"),   Fixed(51, 70, "Dagger-sized +2"),
    Fixed(71, 90, "Scimitar-sized +2"), Fixed(91, 100, "Scimitar-sized +3"),
};
constexpr Table kHornblade{"Weapons2.B", 100, kHornbladeRows};

constexpr Row kBuckleRows[] = {
    Fixed(1, 4, "+1"),
    Fixed(5, 7, "+2"),
    Fixed(8, 9, "+3"),
    Fixed(10, 10, "+4"),
};
constexpr Table kBuckle{"Weapons2.K", 10, kBuckleRows};

constexpr Row kQuarterstaffRows[] = {
    Fixed(1, 5, "+1"),   Fixed(6, 9, "+2"),   Fixed(10, 13, "+3"),
    Fixed(14, 17, "+4"), Fixed(18, 20, "+5"),
};
constexpr Table kQuarterstaff{"Weapons2.Q", 20, kQuarterstaffRows};

constexpr Row kSpeedRows[] = {
    Fixed(1, 5, "+1"),   Fixed(6, 50, "+2"),   Fixed(51, 75, "+3"),
    Fixed(76, 90, "+4"), Fixed(91, 100, "+5"),
};
constexpr Table kSpeed{"Weapons2.S", 100, kSpeedRows};

constexpr Row kWeapons1Rows[] = {
    Count(1, 8, "", 23, 2, " Arrows +1"),
    Count(9, 12, "", 15, 2, " Arrows +2"),
    Count(13, 14, "", 11, 2, " Arrows +3"),
    Fixed(15, 15, "Arrow of Slaying (2,500 gp)"),
    Fixed(16, 20, "Axe +1 (1,750 gp)"),
    Fixed(21, 22, "Axe +2 (3,750 gp)"),
    Fixed(23, 23, "Axe +2, Returning (4,500 gp)"),
    Fixed(24, 24, "Axe +3 (7,000 gp)"),
    Fixed(25, 27, "Battle Axe +1 (2,500 gp)"),
    Count(28, 32, "", 19, 2, " Bolts +2"),
    Fixed(33, 35, "Bow +1 (3,500 gp)"),
    Fixed(36, 36, "Crossbow of Accuracy +3 (12,000 gp)"),
    Fixed(37, 37, "Crossbow of Distance (7,500 gp)"),
    Fixed(38, 38, "Crossbow of Speed (7,500 gp)"),
    Fixed(39, 46, "Dagger +1, +2 vs. creatures smaller than man size (750 gp)"),
    Fixed(47, 50, "Dagger +2, +3 vs. creatures larger than man size (2,000 gp)"),
    Fixed(51, 51, "Dagger of Venom (3,000 gp)"),
    Fixed(52, 56, "Flail +1 (4,000 gp)"),
    Fixed(57, 60, "Hammer +1 (2,500 gp)"),
    Fixed(61, 62, "Hammer +2 (6,000 gp)"),
    Fixed(63, 63, "Hammer +3, Dwarven Thrower (15,000 gp)"),
    Fixed(64, 64, "Hammer of Thunderbolts (25,000 gp)"),
    Fixed(65, 67, "Javelin +2 (5,000 gp)"),
    Fixed(68, 72, "Mace +1 (3,000 gp)"),
    Fixed(73, 75, "Mace +2 (4,500 gp)"),
    Fixed(76, 76, "Mace of Disruption (17,500 gp)"),
    Fixed(77, 77, "Mace +4 (15,000 gp)"),
    Fixed(78, 80, "Military Pick +1 (2,500 gp)"),
    Fixed(81, 83, "Morning Star +1 (3,000 gp)"),
    Fixed(84, 88, "Scimitar +2 (6,000 gp)"),
    Fixed(89, 89, "Sling of Seeking +2 (7,000 gp)"),
    Fixed(90, 94, "Spear +1 (3,000 gp)"),
    Fixed(95, 96, "Spear +2 (6,500 gp)"),
    Fixed(97, 97, "Spear +3 (15,000 gp)"),
    Fixed(98, 99, "Spear Cursed Backbiter (1,000 gp)"),
    Fixed(100, 100, "Trident (Military Fork) +3 (12,500 gp)"),
};
constexpr Table kWeapons1{"Weapons1", 100, kWeapons1Rows};

constexpr Row kWeapons2Rows[] = {
    Count(1, 2, "", 8, 1, " Arrows +4"),
    Fixed(3, 3, "Axe +4 (12,000 gp)"),
    Variant(4, 4, "Axe of Hurling", kHurling),
    Fixed(5, 10, "Battle Axe +2 (5,000 gp)"),
    Fixed(11, 13, "Battle Axe +3 (9,000 gp)"),
    Count(14, 20, "", 30, 6, " Bolts +1"),
    Count(21, 22, "", 9, 3, " Bolts +3"),
    Count(23, 27, "", 15, 5, " Sling Bullets +1"),
    Count(28, 31, "", 9, 3, " Sling Bullets +2"),
    Count(32, 34, "", 6, 2, " Sling Bullets +3"),
    Count(35, 35, "", 4, 1, " Sling Bullets of Impact"),
    Fixed(36, 40, "Dagger +1 (500 gp)"),
    Fixed(41, 43, "Dagger +2 (1,500 gp)"),
    Fixed(44, 44, "Dagger +2, Longtooth (2,500 gp)"),
    Fixed(45, 46, "Dagger +3 (2,500 gp)"),
    Variant(47, 47, "Dagger of Throwing", kThrowing),
    Count(48, 51, "", 9, 3, " Darts +1"),
    Count(52, 54, "", 8, 1, " Darts +2"),
    Count(55, 56, "", 4, 1, " Darts +3"),
    Count(57, 57, "", 2, 1, " Darts of Homing"),
    Fixed(58, 61, "Flail +2 (9,000 gp)"),
    Fixed(62, 62, "Hammer +4 (10,000 gp)"),
    Variant(63, 63, "Hornblade ", kHornblade),
    Fixed(64, 68, "Javelin +1 (2,000 gp)"),
    Fixed(69, 70, "Javelin +3 (7,500 gp)"),
    Fixed(71, 75, "Knife +1 (350 gp)"),
    Fixed(76, 78, "Knife +2 (1,000 gp)"),
    Variant(79, 79, "Knife, Buckle ", kBuckle),
    Fixed(80, 81, "Lance +1 (3,500 gp)"),
    Fixed(82, 83, "Mace +3 (10,000 gp)"),
    Fixed(84, 86, "Morning Star +2 (7,000 gp)"),
    Fixed(87, 87, "Pole Arm +1 (3,000 gp)"),
    Variant(88, 89, "Quarterstaff, Magic ", kQuarterstaff),
    Fixed(90, 92, "Scimitar +1 (2,000 gp)"),
    Fixed(93, 94, "Scimitar +3 (10,000 gp)"),
    Variant(95, 95, "Scimitar of Speed ", kSpeed),
    Fixed(96, 96, "Scimitar +4 (20,000 gp)"),
    Fixed(97, 99, "Spear +4 (25,000 gp)"),
    Fixed(100, 100, "Spear +5 (30,000 gp)"),
};
constexpr Table kWeapons2{"Weapons2", 100, kWeapons2Rows};

constexpr const Table* kTables[] = {&kWeapons1,  &kWeapons2, &kHurling,      &kThrowing,
                                    &kHornblade, &kBuckle,   &kQuarterstaff, &kSpeed};

}  // namespace

void Weapons1(Generator& g) {
  RunTable(g, kWeapons1);
}

void Weapons2(Generator& g) {
  RunTable(g, kWeapons2);
}

std::span<const Table* const> WeaponTables() {
  return kTables;
}

}  // namespace vorneth::items
