#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vorneth {

// The families of magic items, in the order of the any-item roll.
enum class Family { None, Potion, Scroll, Ring, RodStaffWand, Misc, ArmourShield, Sword, Weapon };
inline constexpr std::size_t kFamilyCount = 8;  // without None

// The names scripts read: "potion", "scroll", "ring", "rod_staff_wand", "misc", "armour_shield",
// "sword", "weapon"; empty for None.
inline constexpr std::array<std::string_view, kFamilyCount + 1> kFamilyNames = {
    "", "potion", "scroll", "ring", "rod_staff_wand", "misc", "armour_shield", "sword", "weapon"};

// The families' names on the command line and in links, where a game master names the family
// a table of their own replaces ("--table potions=potions.txt"); empty for None.
inline constexpr std::array<std::string_view, kFamilyCount + 1> kFamilyTableWords = {
    "", "potions", "scrolls", "rings", "wands", "misc", "armour", "swords", "weapons"};

constexpr std::string_view FamilyName(Family family) {
  return kFamilyNames[static_cast<std::size_t>(family)];
}

// Where a line of a DM list came from: the magic item family and the family's table that
// added it (Family::Potion, "Potions1"). Lines not added by a magic item table (coins, gems,
// jewelry, maps) have neither.
struct LineOrigin {
  Family family = Family::None;
  std::string_view table;
};

}  // namespace vorneth
