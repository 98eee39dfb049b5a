#include "items/potions.h"

namespace vorneth::items {

namespace {

// Dragon control, Roll(20) + 1.
constexpr Row kDragonControl[] = {
    Fixed(1, 2, "Potion of White Dragon Control"),
    Fixed(3, 4, "Potion of Black Dragon Control"),
    Fixed(5, 7, "Potion of Green Dragon Control"),
    Fixed(8, 9, "Potion of Blue Dragon Control"),
    Fixed(10, 10, "Potion of Brass Dragon Control"),
    Fixed(11, 12, "Potion of Red Dragon Control"),
    Fixed(13, 14, "Potion of Bronze Dragon Control"),
    Fixed(15, 15, "Potion of Silver Dragon Control"),
    Fixed(16, 16, "Potion of Copper Dragon Control"),
    Fixed(17, 17, "Potion of Gold Dragon Control"),
    Fixed(18, 19, "Potion of Evil Dragon Control"),
    Fixed(20, 20, "Potion of Good Dragon Control"),
};

// Giant control and giant strength share the six giant kinds and their ranges.
constexpr Row kGiantControl[] = {
    Fixed(1, 6, "Potion of Hill Giant Control"),
    Fixed(7, 10, "Potion of Mountain Giant Control"),
    Fixed(11, 14, "Potion of Frost Giant Control"),
    Fixed(15, 17, "Potion of Fire Giant Control"),
    Fixed(18, 19, "Potion of Cloud Giant Control"),
    Fixed(20, 20, "Potion of Storm Giant Control"),
};

constexpr Row kGiantStrength[] = {
    Fixed(1, 6, "Potion of Hill Giant Strength"),
    Fixed(7, 10, "Potion of Mountain Giant Strength"),
    Fixed(11, 14, "Potion of Frost Giant Strength"),
    Fixed(15, 17, "Potion of Fire Giant Strength"),
    Fixed(18, 19, "Potion of Cloud Giant Strength"),
    Fixed(20, 20, "Potion of Storm Giant Strength"),
};

constexpr Row kHumanControl[] = {
    Fixed(1, 2, "Potion of Human Control (Dwarves) (900 gp)"),
    Fixed(3, 4, "Potion of Human Control (Elves) (900 gp)"),
    Fixed(5, 6, "Potion of Human Control (Gnomes) (900 gp)"),
    Fixed(7, 8, "Potion of Human Control (Halflings) (900 gp)"),
    Fixed(9, 10, "Potion of Human Control (Half-Orcs) (900 gp)"),
    Fixed(11, 16, "Potion of Human Control (Humans) (900 gp)"),
    Fixed(17, 19, "Potion of Human Control (Half-Elves) (900 gp)"),
    Fixed(20, 20, "Potion of Human Control (Elves and Humans) (900 gp)"),
};

// Undead control, Roll(10) + 1.
constexpr Row kUndeadControl[] = {
    Fixed(1, 1, "Potion of Undead Control (Ghasts) (2,500 gp)"),
    Fixed(2, 2, "Potion of Undead Control (Ghosts) (2,500 gp)"),
    Fixed(3, 3, "Potion of Undead Control (Ghouls) (2,500 gp)"),
    Fixed(4, 4, "Potion of Undead Control (Shadows) (2,500 gp)"),
    Fixed(5, 5, "Potion of Undead Control (Skeletons) (2,500 gp)"),
    Fixed(6, 6, "Potion of Undead Control (Spectres) (2,500 gp)"),
    Fixed(7, 7, "Potion of Undead Control (Vampires) (2,500 gp)"),
    Fixed(8, 8, "Potion of Undead Control (Wights) (2,500 gp)"),
    Fixed(9, 9, "Potion of Undead Control (Wraiths) (2,500 gp)"),
    Fixed(10, 10, "Potion of Undead Control (Zombies) (2,500 gp)"),
};

constexpr Table kPotions1A{"Potions1.A", 20, kDragonControl};
constexpr Table kPotions1B{"Potions1.B", 20, kGiantControl};
constexpr Table kPotions1C{"Potions1.C", 20, kGiantStrength};
constexpr Table kPotions1D{"Potions1.D", 20, kHumanControl};
constexpr Table kPotions1E{"Potions1.E", 10, kUndeadControl};

constexpr Row kPotions1Rows[] = {
    Fixed(1, 3, "Potion of Animal Control (400 gp)"),
    Fixed(4, 6, "Potion of Clairaudience (400 gp)"),
    Fixed(7, 9, "Potion of Clairvoyance (500 gp)"),
    Fixed(10, 12, "Potion of Climbing (500 gp)"),
    Fixed(13, 15, "Potion of Delusion (150 gp)"),
    Fixed(16, 18, "Potion of Diminution (500 gp)"),
    Variant(19, 20, "", kPotions1A),
    Fixed(21, 23, "Potion of ESP (850 gp)"),
    Fixed(24, 26, "Potion of Extra-Healing (800 gp)"),
    Fixed(27, 29, "Potion of Fire Resistance (400 gp)"),
    Fixed(30, 32, "Potion of Flying (750 gp)"),
    Fixed(33, 34, "Potion of Gaseous Form (400 gp)"),
    Variant(35, 36, "", kPotions1B),
    Variant(37, 39, "", kPotions1C),
    Fixed(40, 41, "Potion of Growth (300 gp)"),
    Fixed(42, 47, "Potion of Healing (400 gp)"),
    Fixed(48, 49, "Potion of Heroism (500 gp)"),
    Variant(50, 51, "", kPotions1D),
    Fixed(52, 54, "Potion of Invisibility (500 gp)"),
    Fixed(55, 57, "Potion of Invulnerability (500 gp)"),
    Fixed(58, 60, "Potion of Levitation (400 gp)"),
    Fixed(61, 63, "Potion of Longevity (1,000 gp)"),
    Fixed(64, 66, "Oil of Etherealness (1,500 gp)"),
    Fixed(67, 69, "Oil of Slipperiness (750 gp)"),
    Fixed(70, 72, "Philter of Love (300 gp)"),
    Fixed(73, 75, "Philter of Persuasiveness (850 gp)"),
    Fixed(76, 78, "Potion of Plant Control (300 gp)"),
    Fixed(79, 81, "Potion of Polymorph Self (350 gp)"),
    Fixed(82, 84, "Potion of Poison"),
    Fixed(85, 87, "Potion of Speed (450 gp)"),
    Fixed(88, 90, "Potion of Super-Heroism (750 gp)"),
    Fixed(91, 93, "Potion of Sweet Water (250 gp)"),
    Fixed(94, 96, "Potion of Treasure Finding (2,000 gp)"),
    Variant(97, 97, "", kPotions1E),
    Fixed(98, 100, "Potion of Water Breathing (900 gp)"),
};

constexpr Row kPotions2Rows[] = {
    Fixed(1, 5, "Elixir of Health (2,000 gp)"),
    Fixed(6, 15, "Elixir of Youth (2,500 gp)"),
    Fixed(16, 20, "Elixir of Madness"),
    Fixed(21, 25, "Elixir of Life (10,000 gp)"),
    Fixed(26, 30, "Potion of Vitality (4,000 gp)"),
    Fixed(31, 35, "Oil of Disenchantment (5,000 gp)"),
    Fixed(36, 40, "Oil of Elemental Invulnerability (3,500 gp)"),
    Fixed(41, 45, "Oil of Fiery Burning (5,000 gp)"),
    Fixed(46, 49, "Oil of Fumbling (4,000 gp)"),
    Fixed(50, 55, "Oil of Impact (1,000 gp)"),
    Fixed(56, 60, "Oil of Timelessness (5,000 gp)"),
    Fixed(61, 65, "Oil of Acid Resistance (1,000 gp)"),
    Fixed(66, 70, "Oil of Sharpness (2,000 gp)"),
    Fixed(71, 75, "Philter of Beauty (1,500 gp)"),
    Fixed(76, 80, "Philter of Glibness (2,500 gp)"),
    Fixed(81, 85, "Philter of Stammering and Stuttering (1,500 gp)"),
    Fixed(86, 90, "Potion of Rainbow Hues (800 gp)"),
    Fixed(91, 95, "Potion of Ventriloquism (800 gp)"),
    Fixed(96, 100, "Potion of True Sight (2,500 gp)"),
};

constexpr Table kPotions1{"Potions1", 100, kPotions1Rows};
constexpr Table kPotions2{"Potions2", 100, kPotions2Rows};

constexpr const Table* kPotionTables[] = {&kPotions1,  &kPotions2,  &kPotions1A, &kPotions1B,
                                          &kPotions1C, &kPotions1D, &kPotions1E};

}  // namespace

void Potions1(Generator& g) {
  RunTable(g, kPotions1);
}

void Potions2(Generator& g) {
  RunTable(g, kPotions2);
}

std::span<const Table* const> PotionTables() {
  return kPotionTables;
}

}  // namespace vorneth::items
