#include "items/misc_further.h"

#include "core/generator.h"

// Miscellaneous magic items, second half: Misc4 to Misc7, built like the first half. Misc4
// also holds the prayer-bead necklace, whose line lists one bead text per bead rolled.
namespace vorneth::items {
namespace {

// Medallion of ESP: the range.
constexpr Row kEspRows[] = {
    Fixed(1, 15, "(30' Range)"),
    Fixed(16, 18, "(30' Range with empathy)"),
    Fixed(19, 19, "(60' Range)"),
    Fixed(20, 20, "(90' Range)"),
};
constexpr Table kEsp{"Misc4.E", 20, kEspRows};

// Necklace of missiles: the set of fireball beads.
constexpr Row kMissilesRows[] = {
    Fixed(1, 4, "(1x5HD, 2x3HD)"),
    Fixed(5, 8, "(1x6HD, 2x4HD, 2x2HD)"),
    Fixed(9, 12, "(1x7HD, 2x5HD, 4x3HD)"),
    Fixed(13, 16, "(1x8HD, 2x6HD, 2x4HD, 4x2HD)"),
    Fixed(17, 18, "(1x9HD, 2x7HD, 2x5HD, 2x3HD)"),
    Fixed(19, 19, "(1x10HD, 2x8HD, 4x4HD)"),
    Fixed(20, 20, "(1x11HD, 2x9HD, 2x7HD, 2x5HD, 2x3HD)"),
};
constexpr Table kMissiles{"Misc4.M", 20, kMissilesRows};

// Necklace of prayer beads: one bead; each text ends in ", ", the last one too.
constexpr Row kPrayerBeadRows[] = {
    Fixed(1, 5, "Bead of Atonement, "), Fixed(6, 10, "Bead of Blessing, "),
    Fixed(11, 15, "Bead of Curing, "),  Fixed(16, 17, "Bead of Karma, "),
    Fixed(18, 18, "Bead of Summons, "), Fixed(19, 20, "Bead of Wind Walking, "),
};
constexpr Table kPrayerBeads{"Misc4.P", 20, kPrayerBeadRows};

// Pearl of power: the spell level it restores.
constexpr Row kPearlLevelRows[] = {
    Fixed(1, 25, "First"),    Fixed(26, 45, "Second"),
    Fixed(46, 60, "Third"),   Fixed(61, 75, "Fourth"),
    Fixed(76, 85, "Fifth"),   Fixed(86, 92, "Sixth"),
    Fixed(93, 96, "Seventh"), Fixed(97, 98, "Eighth"),
    Fixed(99, 99, "Ninth"),   Fixed(100, 100, "Fourth and Fifth"),
};
constexpr Table kPearlLevel{"Misc4.L", 100, kPearlLevelRows};

// Feather token: the token's shape.
constexpr Row kTokenRows[] = {
    Fixed(1, 4, "(Anchor)"),      Fixed(5, 7, "(Bird)"),   Fixed(8, 10, "(Fan)"),
    Fixed(11, 13, "(Swan Boat)"), Fixed(14, 18, "(Tree)"), Fixed(19, 20, "(Whip)"),
};
constexpr Table kToken{"Misc4.T", 20, kTokenRows};

constexpr Row kMisc4Rows[] = {
    Fixed(1, 1, "Libram of Gainful Conjuration (40,000 gp)"),
    Fixed(2, 2, "Libram of Profane Dominion (40,000 gp)"),
    Fixed(3, 3, "Libram of Radiant Devotion (40,000 gp)"),
    Fixed(4, 4, "Lyre of Building (30,000 gp)"),
    Fixed(5, 5, "Manual of Robust Health (50,000 gp)"),
    Fixed(6, 6, "Manual of Mighty Exercise (50,000 gp)"),
    Fixed(7, 7, "Manual of Golems (30,000 gp)"),
    Fixed(8, 8, "Manual of Martial Mastery (40,000 gp)"),
    Fixed(9, 9, "Manual of Nimble Action (50,000 gp)"),
    Fixed(10, 10, "Manual of Subtle Thievery (40,000 gp)"),
    Fixed(11, 11, "Mattock of the Earthshapers (7,000 gp)"),
    Fixed(12, 12, "Maul of the Giant Kings (12,000 gp)"),
    Variant(13, 15, "Medallion of ESP ", kEsp),
    Fixed(16, 17, "Medallion of Broadcast Thoughts (1,000 gp)"),
    Fixed(18, 18, "Mirror of Soul Trapping (25,000 gp)"),
    Fixed(19, 19, "Mirror of Far Seeing (50,000 gp)"),
    Fixed(20, 20, "Mirror of the Hostile Twin (2,000 gp)"),
    Fixed(21, 23, "Necklace of Clean Air (10,000 gp)"),
    Variant(24, 27, "Necklace of Missiles ", kMissiles),
    List(28, 33, "Necklace of Prayer Beads (", 4, 4, kPrayerBeads, ")"),
    Fixed(34, 35, "Necklace of Choking (1,000 gp)"),
    Fixed(36, 38, "Net of Entrapment (7,500 gp)"),
    Fixed(39, 42, "Net of Snaring (6,000 gp)"),
    Count(43, 44, "Nolzur's Marvellous Pigments (", 4, 0, " Pots)"),
    Variant(45, 46, "Pearl of Power - Level ", kPearlLevel),
    Fixed(47, 48, "Pearl of Wisdom (5,000 gp)"),
    Fixed(49, 50, "Periapt of Creeping Rot (1,000 gp)"),
    Fixed(51, 53, "Periapt of Sound Health (10,000 gp)"),
    Fixed(54, 60, "Periapt of Warding Venom (12,500 gp)"),
    Fixed(61, 64, "Periapt of Closing Wounds (10,000 gp)"),
    Fixed(65, 70, "Phylactery of Steadfast Faith (7,500 gp)"),
    Fixed(71, 74, "Phylactery of Long Years (25,000 gp)"),
    Fixed(75, 76, "Phylactery of Unwanted Notice (2,000 gp)"),
    Fixed(77, 84, "Pipes of the Sewers (8,500 gp)"),
    Fixed(85, 85, "Portable Hole (50,000 gp)"),
    Variant(86, 100, "Quaal's Feather Token ", kToken),
};
constexpr Table kMisc4{"Misc4", 100, kMisc4Rows};

constexpr Row kMisc5Rows[] = {
    Fixed(1, 1, "Robe of the Archmage (65,000 gp)"),
    Fixed(2, 8, "Robe of Blending (35,000 gp)"),
    Fixed(9, 9, "Robe of All-Seeing (50,000 gp)"),
    Fixed(10, 10, "Robe of Enfeeblement (1,000 gp)"),
    Fixed(11, 11, "Robe of Dazzling Hues (25,000 gp)"),
    Fixed(12, 19, "Robe of Handy Patches (15,000 gp)"),
    Fixed(20, 25, "Rope of Climbing (10,000 gp)"),
    Fixed(26, 27, "Rope of Constriction (1,000 gp)"),
    Fixed(28, 31, "Rope of Entanglement (12,000 gp)"),
    Fixed(32, 32, "Rug of Smothering (1,500 gp)"),
    Fixed(33, 33, "Rug of Sheltering (45,000 gp)"),
    Fixed(34, 34, "Saw of Felling (12,500 gp)"),
    Fixed(35, 35, "Scarab of Burrowing Death (2,500 gp)"),
    Fixed(36, 38, "Scarab of Kindled Wrath (8,000 gp)"),
    Fixed(39, 40, "Scarab of Madness (11,000 gp)"),
    Fixed(41, 46, "Scarab of Warding (25,000 gp)"),
    Fixed(47, 47, "Spade of Tireless Digging (6,500 gp)"),
    Fixed(48, 48, "Sphere of Utter Void (30,000 gp)"),
    Fixed(49, 50, "Stone of Commanding Earth Elementals (12,500 gp)"),
    Fixed(51, 52, "Stone of Good Luck (Luckstone) (25,000 gp)"),
    Fixed(53, 54, "Stone of Burden (Loadstone) (1,000 gp)"),
    Fixed(55, 57, "Talisman of Holy Light (27,500 gp)"),
    Fixed(58, 58, "Talisman of Binding Spheres (10,000 gp)"),
    Fixed(59, 60, "Talisman of Utter Darkness (32,500 gp)"),
    Fixed(61, 66, "Talisman of Fickle Fortune (10,000 gp)"),
    Fixed(67, 67, "Tome of Lucid Thought (48,000 gp)"),
    Fixed(68, 68, "Tome of Commanding Presence (40,000 gp)"),
    Fixed(69, 69, "Tome of Deep Understanding (43,500 gp)"),
    Fixed(70, 76, "Trident of Commanding Fish (4,000 gp)"),
    Fixed(77, 78, "Trident of Subjugation (12,500 gp)"),
    Fixed(79, 83, "Trident of Forewarning (10,000 gp)"),
    Fixed(84, 85, "Trident of the Drowning Call (1,000 gp)"),
    Fixed(86, 87, "Vacuous Grimoire (1,000 gp)"),
    Fixed(88, 90, "Well of Many Worlds (12,000 gp)"),
    Fixed(91, 100, "Wings of Flying"),
};
constexpr Table kMisc5{"Misc5", 100, kMisc5Rows};

// Amulet against undead: the level of cleric it turns undead as.
constexpr Row kUndeadRows[] = {
    Fixed(1, 30, "(5th Level)"),  Fixed(31, 55, "(6th Level)"),  Fixed(56, 75, "(7th Level)"),
    Fixed(76, 90, "(8th Level)"), Fixed(91, 100, "(9th Level)"),
};
constexpr Table kUndead{"Misc6.A", 100, kUndeadRows};

// Egg of desire: the shell.
constexpr Row kEggRows[] = {
    Fixed(1, 1, "(Black)"),  Fixed(2, 2, "(Bone)"),    Fixed(3, 3, "(Crystal)"),
    Fixed(4, 4, "(Golden)"), Fixed(5, 5, "(Scarlet)"),
};
constexpr Table kEgg{"Misc6.D", 5, kEggRows};

constexpr Row kMisc6Rows[] = {
    Variant(1, 4, "Amulet vs. Undead ", kUndead),
    Fixed(5, 5, "Anything Item (40,000 gp)"),
    Count(6, 7, "Beads of Force (", 4, 0, ")"),
    Fixed(8, 14, "Boundless Spell Book (35,000 gp)"),
    Fixed(15, 16, "Boots of Sure Footing (7,500 gp)"),
    Fixed(17, 19, "Boots of Levitation (7,500 gp)"),
    Fixed(20, 20, "Boots (Winged 20,000 gp)"),
    Fixed(21, 24, "Bracers of Archery (10,000 gp)"),
    Fixed(25, 26, "Bracers of the Swordmaster (10,000 gp)"),
    Fixed(27, 28, "Chime of Silencing (20,000 gp)"),
    Fixed(29, 30, "Cloak of the Spider (25,000 gp)"),
    Fixed(31, 34, "Cloak of the Night Flyer (15,000 gp)"),
    Fixed(35, 36, "Cyclocone (15,000 gp)"),
    Fixed(37, 40, "Dart of Seeking (7,500 gp)"),
    Fixed(41, 42, "Deck of Fateful Cards (15,000 gp)"),
    Fixed(43, 44, "Dicerion of Light and Shadow (25,000 gp)"),
    Fixed(45, 47, "Dust of Dryness (8,000 gp)"),
    Fixed(48, 50, "Dust of Disguising (15,000 gp)"),
    Fixed(51, 54, "Dust of Tracelessness (200 gp)"),
    Variant(55, 56, "Egg of Desire ", kEgg),
    Fixed(57, 60, "Egg of Clear Reason (2,500 gp)"),
    Fixed(61, 62, "Egg of Shattering (500 gp)"),
    Fixed(63, 65, "Gem of Insight (3,000 gp)"),
    Fixed(66, 68, "Girdle of the Dwarven Folk (20,000 gp)"),
    Fixed(69, 76, "Girdle of Many Pockets (10,000 gp)"),
    Fixed(77, 79, "Gloves of Arrow Catching (10,000 gp)"),
    Fixed(80, 83, "Gloves of the Nimble Thief (5,000 gp)"),
    Fixed(84, 88, "Hat of Disguise (8,000 gp)"),
    Fixed(89, 95, "Hat of the Wandering Scholar (7,500 gp)"),
    Fixed(96, 100, "Hat of Stupidity (1,000 gp)"),
};
constexpr Table kMisc6{"Misc6", 100, kMisc6Rows};

// Scarab against golems: the golems it affects.
constexpr Row kGolemRows[] = {
    Fixed(1, 30, "(Flesh)"),
    Fixed(31, 55, "(Clay)"),
    Fixed(56, 75, "(Stone)"),
    Fixed(76, 85, "(Iron)"),
    Fixed(86, 95, "(Flesh, Clay, Wood)"),
    Fixed(96, 100, "(Any)"),
};
constexpr Table kGolem{"Misc7.S", 100, kGolemRows};

constexpr Row kMisc7Rows[] = {
    Fixed(1, 5, "Adventurer's Haversack (30,000 gp)"),
    Fixed(6, 10, "Horn of Rallying (4,000 gp)"),
    Fixed(11, 12, "Horn of Goodness (Evil) (3,250 gp)"),
    Fixed(13, 14, "Iron Bands of Binding (5,000 gp)"),
    Fixed(15, 18, "Lens of Detection (1,500 gp)"),
    Fixed(19, 21, "Lens of True Sight (5,000 gp)"),
    Fixed(22, 23, "Mantle of Spell Turning (15,000 gp)"),
    Fixed(24, 27, "Everfull Spoon (4,000 gp)"),
    Fixed(28, 29, "Pearl of the Sea Nymphs (4,500 gp)"),
    Fixed(30, 31, "Wayfinder's Stone (10,000 gp)"),
    Fixed(32, 37, "Pouch of Ready Reach (12,500 gp)"),
    Fixed(38, 38, "Prison of the Mad Archmage (25,000 gp)"),
    Fixed(39, 40, "Quiver of the Woodland Archer (10,000 gp)"),
    Fixed(41, 42, "Robe of Stars (12,000 gp)"),
    Fixed(43, 48, "Robe of Vermin (1,000 gp)"),
    Variant(49, 50, "Scarab vs. Golems ", kGolem),
    Fixed(51, 54, "Revealing Lanthorn (6,000 gp)"),
    Fixed(55, 57, "Sheet of Smallness (12,500 gp)"),
    Fixed(58, 59, "Shoes of the Swift Traveller (20,000 gp)"),
    Fixed(60, 64, "Slippers of Spider Climbing (6,000 gp)"),
    Fixed(65, 70, "Slippers of Water Walking (10,000 gp)"),
    Fixed(71, 72, "Sovereign Glue (750 gp)"),
    Fixed(73, 77, "Spoon of Hearty Feasting (5,000 gp)"),
    Fixed(78, 81, "Enchanted Stone Horse (12,000 gp)"),
    Fixed(82, 84, "Ultimate Solution (7,000 gp)"),
    Fixed(85, 88, "Wind Fan (2,500 gp)"),
    Fixed(89, 92, "Flowing Flagon (3,500 gp)"),
    Fixed(93, 100, "Wizard's Component Case (1,000 gp)"),
};
constexpr Table kMisc7{"Misc7", 100, kMisc7Rows};

constexpr const Table* kTables[] = {
    &kMisc4,       &kMisc5,      &kMisc6, &kMisc7,  &kEsp, &kMissiles,
    &kPrayerBeads, &kPearlLevel, &kToken, &kUndead, &kEgg, &kGolem,
};

}  // namespace

void Misc4(Generator& g) {
  RunTable(g, kMisc4);
}

void Misc5(Generator& g) {
  RunTable(g, kMisc5);
}

void Misc6(Generator& g) {
  RunTable(g, kMisc6);
}

void Misc7(Generator& g) {
  RunTable(g, kMisc7);
}

std::span<const Table* const> MiscFurtherTables() {
  return kTables;
}

}  // namespace vorneth::items
