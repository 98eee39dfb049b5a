#include "items/rings.h"

namespace vorneth::items {

namespace {

// Rings of protection, Roll(100) + 1: no value, the bonus is the whole story.
constexpr Row kProtectionRows[] = {
    Fixed(1, 70, "Ring of Protection +1"),
    Fixed(71, 82, "Ring of Protection +2"),
    Fixed(83, 83, "Ring of Protection +2 (5' Radius)"),
    Fixed(84, 90, "Ring of Protection +3"),
    Fixed(91, 91, "Ring of Protection +3 (5' Radius)"),
    Fixed(92, 97, "Ring of Protection +4 AC, +2 on saving throws"),
    Fixed(98, 100, "Ring of Protection +6 AC, +1 on saving throws"),
};

constexpr Table kRings1Protection{"Rings1.Protection", 100, kProtectionRows};

constexpr Row kRings1Rows[] = {
    Fixed(1, 6, "Ring of Contrariness (1,000 gp)"),
    Fixed(7, 12, "Ring of Delusion (2,000 gp)"),
    Fixed(13, 14, "Ring of Djinni Summoning (20,000 gp)"),
    Fixed(15, 15, "Ring of Elemental Command (25,000 gp)"),
    Fixed(16, 21, "Ring of Feather Falling (5,000 gp)"),
    Fixed(22, 27, "Ring of Fire Resistance (5,000 gp)"),
    Fixed(28, 30, "Ring of Free Action (5,000 gp)"),
    Fixed(31, 33, "Ring of Human Influence (10,000 gp)"),
    Fixed(34, 40, "Ring of Invisibility (75,000 gp)"),
    Fixed(41, 43, "Ring of Mammal Control (5,000 gp)"),
    Fixed(44, 44, "Ring of Multiple Wishes (25,000 gp)"),
    Variant(45, 60, "", kRings1Protection),
    Fixed(61, 61, "Ring of Regeneration (40,000 gp)"),
    Fixed(62, 63, "Ring of Shocking Grasp (15,000 gp)"),
    Fixed(64, 65, "Ring of Spell Storing (22,500 gp)"),
    Fixed(66, 69, "Ring of Spell Turning (17,500 gp)"),
    Fixed(70, 75, "Ring of Swimming (5,000 gp)"),
    Fixed(76, 77, "Ring of Telekinesis (10,000 gp)"),
    Fixed(78, 79, "Ring of Three Wishes (15,000 gp)"),
    Fixed(80, 85, "Ring of Warmth (5,000 gp)"),
    Fixed(86, 90, "Ring of Water Walking (5,000 gp)"),
    Fixed(91, 98, "Ring of Weakness (1,000 gp)"),
    Fixed(99, 99, "Ring of Wizardry (50,000 gp)"),
    Fixed(100, 100, "Ring of X-Ray Vision (35,000 gp)"),
};

constexpr Row kRings2Rows[] = {
    Fixed(1, 8, "Ring of Animal Friendship (5,000 gp)"),
    Fixed(9, 10, "Ring of Shooting Stars (55,000 gp)"),
    Fixed(11, 20, "Ring of Blinking (5,000 gp)"),
    Fixed(21, 22, "Ring of Chameleon Power (2,500 gp)"),
    Fixed(23, 31, "Ring of Climbing (5,000 gp)"),
    Fixed(32, 40, "Ring of Jumping (3,000 gp)"),
    Fixed(41, 49, "Ring of Mind Shielding (7,500 gp)"),
    Fixed(50, 58, "Ring of Sustenance (5,000 gp)"),
    Fixed(59, 67, "Ring of Truth (5,000 gp)"),
    Fixed(68, 70, "Ring of the Ram (7,500 gp)"),
    Fixed(71, 79, "Ring of Shadows (5,000 gp)"),
    Fixed(80, 92, "Ring of Night Vision (3,500 gp)"),
    Fixed(93, 100, "Ring of Keen Hearing (5,000 gp)"),
};

constexpr Table kRings1{"Rings1", 100, kRings1Rows};
constexpr Table kRings2{"Rings2", 100, kRings2Rows};

constexpr const Table* kRingTables[] = {&kRings1, &kRings2, &kRings1Protection};

}  // namespace

void Rings1(Generator& g) {
  RunTable(g, kRings1);
}

void Rings2(Generator& g) {
  RunTable(g, kRings2);
}

std::span<const Table* const> RingTables() {
  return kRingTables;
}

}  // namespace vorneth::items
