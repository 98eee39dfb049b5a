#include "generator/magic_selection.h"

#include "core/generator.h"
#include "items/armour.h"
#include "items/misc.h"
#include "items/misc_further.h"
#include "items/potions.h"
#include "items/rings.h"
#include "items/scrolls.h"
#include "items/swords.h"
#include "items/wands.h"
#include "items/weapons.h"

namespace vorneth {

namespace {

constexpr Branch kAnyMagicItemBranches[] = {{19, Potions}, {34, Scrolls}, {39, Rings},
                                            {44, Wands},   {59, Misc},    {74, Armour},
                                            {85, Swords},  {99, Weapons}};
constexpr Router kAnyMagicItem{"AnyMagicItem", 100, kAnyMagicItemBranches};
// The same ranges as kAnyMagicItem, cut off after armour and rolled with Roll(75).
constexpr Router kNoWeapons{"NoWeapons", 75, std::span(kAnyMagicItemBranches).first(6)};

constexpr Branch kPotionsBranches[] = {{64, items::Potions1, "Potions1"},
                                       {99, items::Potions2, "Potions2"}};
constexpr Branch kScrollsBranches[] = {{84, items::Scrolls1, "Scrolls1"},
                                       {99, items::Scrolls2, "Scrolls2"}};
constexpr Branch kRingsBranches[] = {{66, items::Rings1, "Rings1"}, {99, items::Rings2, "Rings2"}};
constexpr Branch kWandsBranches[] = {{39, items::Wands1, "Wands1"}, {99, items::Wands2, "Wands2"}};
constexpr Branch kMiscBranches[] = {{13, items::Misc1, "Misc1"}, {27, items::Misc2, "Misc2"},
                                    {41, items::Misc3, "Misc3"}, {55, items::Misc4, "Misc4"},
                                    {69, items::Misc5, "Misc5"}, {84, items::Misc6, "Misc6"},
                                    {99, items::Misc7, "Misc7"}};
constexpr Branch kArmourBranches[] = {{49, items::Armour1, "Armour1"},
                                      {99, items::Armour2, "Armour2"}};
constexpr Branch kSwordsBranches[] = {{94, items::Swords1, "Swords1"},
                                      {99, items::Swords2, "Swords2"}};
constexpr Branch kWeaponsBranches[] = {{49, items::Weapons1, "Weapons1"},
                                       {99, items::Weapons2, "Weapons2"}};
constexpr Branch kMiscOneToFiveBranches[] = {{19, items::Misc1, "Misc1"},
                                             {39, items::Misc2, "Misc2"},
                                             {59, items::Misc3, "Misc3"},
                                             {79, items::Misc4, "Misc4"},
                                             {100, items::Misc5, "Misc5"}};

constexpr Router kPotions{"Potions", 100, kPotionsBranches, Family::Potion};
constexpr Router kScrolls{"Scrolls", 100, kScrollsBranches, Family::Scroll};
constexpr Router kRings{"Rings", 100, kRingsBranches, Family::Ring};
constexpr Router kWands{"Wands", 100, kWandsBranches, Family::RodStaffWand};
constexpr Router kMisc{"Misc", 100, kMiscBranches, Family::Misc};
constexpr Router kArmour{"Armour", 100, kArmourBranches, Family::ArmourShield};
constexpr Router kSwords{"Swords", 100, kSwordsBranches, Family::Sword};
constexpr Router kWeapons{"Weapons", 100, kWeaponsBranches, Family::Weapon};
constexpr Router kMiscOneToFive{"MiscOneToFive", 101, kMiscOneToFiveBranches, Family::Misc};

constexpr const Router* kRouters[] = {&kAnyMagicItem, &kNoWeapons, &kPotions,      &kScrolls,
                                      &kRings,        &kWands,     &kMisc,         &kArmour,
                                      &kSwords,       &kWeapons,   &kMiscOneToFive};

void Route(Generator& g, const Router& router) {
  const Branch& branch =
      router.branches[router.branchOf[static_cast<std::size_t>(g.Roll(router.die))]];
  if (branch.table.empty()) {
    branch.call(g);
    return;
  }
  const Generator::OriginScope origin(g, {router.family, branch.table});
  branch.call(g);
}

}  // namespace

void AnyMagicItem(Generator& g) {
  Route(g, kAnyMagicItem);
}
void NoWeapons(Generator& g) {
  Route(g, kNoWeapons);
}

void Potions(Generator& g) {
  Route(g, kPotions);
}
void Scrolls(Generator& g) {
  Route(g, kScrolls);
}
void Rings(Generator& g) {
  Route(g, kRings);
}
void Wands(Generator& g) {
  Route(g, kWands);
}
void Misc(Generator& g) {
  Route(g, kMisc);
}
void Armour(Generator& g) {
  Route(g, kArmour);
}
void Swords(Generator& g) {
  Route(g, kSwords);
}
void Weapons(Generator& g) {
  Route(g, kWeapons);
}
void MiscOneToFive(Generator& g) {
  Route(g, kMiscOneToFive);
}

std::span<const Router* const> AllRouters() {
  return kRouters;
}

}  // namespace vorneth
