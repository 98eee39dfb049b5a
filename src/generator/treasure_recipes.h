#pragma once

// The recipes of the treasure types A to Z: what DoType rolls and what the descriptions of the
// types say, read from this one table by both.

#include <array>
#include <string_view>

#include "generator/magic_selection.h"

namespace vorneth::recipes {

inline constexpr int kAlways = -1;  // a component present without a percent roll

// A coin, gem or jewelry component: present on PercentRoll(percent) (or always), amount
// Roll(die) + base. A die of 0 means the recipe has no such component.
struct Component {
  int percent = 0;
  int die = 0;
  int base = 0;
};

enum class Magic {
  None,
  Items,           // `any` AnyMagicItem, `noWeapons` NoWeapons, then Potions / Scrolls if set
  OneWeaponLike,   // Roll(3): Swords, Armour or Weapons
  PotionBatch,     // Roll(die) + base calls of Potions
  ScrollBatch,     // Roll(die) + base calls of Scrolls
  SixFamilies,     // `rounds` times Rings, Wands, Misc, Armour, Swords, Weapons
  Map,             // the line "A Map"
  MiscThenPotion,  // MiscOneToFive, then Potions
};

struct MagicEntry {
  int percent = 0;
  Magic kind = Magic::None;
  int any = 0;
  int noWeapons = 0;
  bool potions = false;
  bool scrolls = false;
  int die = 0;
  int base = 0;
  int rounds = 0;
};

struct Recipe {
  std::array<Component, 5> coins{};  // copper, silver, electrum, gold, platinum
  Component gems{};
  Component jewelry{};
  MagicEntry magic{};
  bool sharedGemRoll = false;  // one Roll(101) decides gems and jewelry (type U)
};

inline constexpr Component None{};
constexpr Component Always(int die, int base) {
  return {kAlways, die, base};
}
constexpr MagicEntry Items(int percent, int any, int noWeapons = 0, bool potions = false,
                           bool scrolls = false) {
  return {percent, Magic::Items, any, noWeapons, potions, scrolls};
}
constexpr MagicEntry Special(int percent, Magic kind, int die = 0, int base = 0, int rounds = 0) {
  return {percent, kind, 0, 0, false, false, die, base, rounds};
}

// clang-format off
inline constexpr std::array<Recipe, 26> kRecipes = {{
  /* A */ {{{{25, 5000, 1000}, {30, 5000, 1000}, {35, 5000, 1000}, {40, 9000, 1000}, {25, 3000, 1000}}},
           {60, 36, 4}, {50, 27, 3}, Items(30, 3)},
  /* B */ {{{{50, 7000, 1000}, {25, 5000, 1000}, {25, 3000, 1000}, {25, 2000, 1000}, None}},
           {30, 7, 1}, {20, 7, 1}, Special(10, Magic::OneWeaponLike)},
  /* C */ {{{{20, 11000, 1000}, {30, 5000, 1000}, {10, 3000, 1000}, None, None}},
           {25, 5, 1}, {20, 2, 1}, Items(10, 2)},
  /* D */ {{{{10, 7000, 1000}, {15, 11000, 1000}, {15, 7000, 1000}, {50, 5000, 1000}, None}},
           {30, 9, 1}, {25, 5, 1}, Items(15, 2, 0, true)},
  /* E */ {{{{5, 9000, 1000}, {25, 11000, 1000}, {25, 5000, 1000}, {25, 7000, 1000}, None}},
           {15, 11, 1}, {10, 7, 1}, Items(25, 3, 0, false, true)},
  /* F */ {{{None, {10, 19000, 1000}, {15, 11000, 1000}, {40, 9000, 1000}, {35, 7000, 1000}}},
           {20, 28, 3}, {10, 9, 1}, Items(30, 0, 3, true, true)},
  /* G */ {{{None, None, None, {50, 30000, 10000}, {50, 19000, 1000}}},
           {30, 15, 5}, {25, 9, 1}, Items(30, 4, 0, false, true)},
  /* H */ {{{{25, 25000, 5000}, {40, 99000, 1000}, {40, 30000, 10000}, {55, 50000, 10000}, {25, 45000, 5000}}},
           {50, 100, 1}, {50, 30, 10}, Items(15, 4, 0, true, true)},
  /* I */ {{{None, None, None, None, {30, 15000, 3000}}},
           {55, 18, 2}, {50, 12, 1}, Items(15, 1)},
  /* J */ {{{Always(21, 3), None, None, None, None}}},
  /* K */ {{{None, Always(15, 3), None, None, None}}},
  /* L */ {{{None, None, Always(10, 2), None, None}}},
  /* M */ {{{None, None, None, Always(6, 2), None}}},
  /* N */ {{{None, None, None, None, Always(6, 1)}}},
  /* O */ {{{{25, 4, 1}, {20, 3, 1}, None, None, None}}},
  /* P */ {{{None, {30, 6, 1}, {25, 2, 1}, None, None}}},
  /* Q */ {{}, {50, 4, 1}},
  /* R */ {{{None, None, None, {40, 7, 2}, {50, 50, 10}}}, {55, 28, 4}, {45, 12, 1}},
  /* S */ {{}, None, None, Special(40, Magic::PotionBatch, 7, 2)},
  /* T */ {{}, None, None, Special(50, Magic::ScrollBatch, 4, 1)},
  /* U */ {{}, {90, 70, 10}, {80, 25, 5}, Special(70, Magic::SixFamilies, 0, 0, 1), true},
  /* V */ {{}, None, None, Special(85, Magic::SixFamilies, 0, 0, 2)},
  /* W */ {{{None, None, None, {60, 26, 5}, {15, 8, 1}}}, {60, 71, 10}, {50, 36, 5}, Special(55, Magic::Map)},
  /* X */ {{}, None, None, Special(60, Magic::MiscThenPotion)},
  /* Y */ {{{None, None, None, {70, 11, 2}, None}}},
  /* Z */ {{{{20, 3, 1}, {25, 4, 1}, {25, 4, 1}, {30, 4, 1}, {30, 6, 1}}},
           {55, 51, 10}, {50, 26, 5}, Items(50, 3)},
}};
// clang-format on

// A family entry point a recipe calls, and how the descriptions name what it gives.
struct FamilyCall {
  void (*call)(Generator&);
  std::string_view name;
};

inline constexpr FamilyCall kOneWeaponLike[] = {
    {Swords, "sword"}, {Armour, "armour"}, {Weapons, "weapon"}};  // by Roll(3)
inline constexpr FamilyCall kSixFamilies[] = {{Rings, "ring"},         {Wands, "rod/staff/wand"},
                                              {Misc, "miscellaneous"}, {Armour, "armour/shield"},
                                              {Swords, "sword"},       {Weapons, "weapon"}};

// How the descriptions word the other magic entries: a noun for one and for several.
struct Noun {
  std::string_view one;
  std::string_view many;
};
inline constexpr Noun kAnyMagicItemNoun = {"magic item of any kind", "magic items of any kind"};
inline constexpr Noun kNoWeaponsNoun = {"magic item other than swords and weapons",
                                        "magic items other than swords and weapons"};
inline constexpr Noun kPotionNoun = {"a potion", "potions"};
inline constexpr Noun kScrollNoun = {"a scroll", "scrolls"};
inline constexpr std::string_view kMapWords = "a map";
inline constexpr std::string_view kMiscItemWords = "a miscellaneous item";
// Magic::SixFamilies by its rounds.
inline constexpr std::array<std::string_view, 3> kRoundWords = {"", "one each of", "two each of"};

}  // namespace vorneth::recipes
