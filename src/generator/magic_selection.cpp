#include "generator/magic_selection.h"

#include <span>

#include "generator/generator.h"
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

using Operation = void (*)(Generator&);

// An outcome range of a router's roll (outcomes from 0) ending at `hi`, and what it calls.
struct Branch {
  int hi;
  Operation call;
};

constexpr Branch kAnyMagicItem[] = {{19, Potions}, {34, Scrolls}, {39, Rings},  {44, Wands},
                                    {59, Misc},    {74, Armour},  {85, Swords}, {99, Weapons}};
// The same ranges as kAnyMagicItem, cut off after armour and rolled with Roll(75).
constexpr std::span<const Branch> kNoWeapons{kAnyMagicItem, 6};

constexpr Branch kPotions[] = {{64, items::Potions1}, {99, items::Potions2}};
constexpr Branch kScrolls[] = {{84, items::Scrolls1}, {99, items::Scrolls2}};
constexpr Branch kRings[] = {{66, items::Rings1}, {99, items::Rings2}};
constexpr Branch kWands[] = {{39, items::Wands1}, {99, items::Wands2}};
constexpr Branch kMisc[] = {{13, items::Misc1}, {27, items::Misc2}, {41, items::Misc3},
                            {55, items::Misc4}, {69, items::Misc5}, {84, items::Misc6},
                            {99, items::Misc7}};
constexpr Branch kArmour[] = {{49, items::Armour1}, {99, items::Armour2}};
constexpr Branch kSwords[] = {{94, items::Swords1}, {99, items::Swords2}};
constexpr Branch kWeapons[] = {{49, items::Weapons1}, {99, items::Weapons2}};

void Route(Generator& g, int die, std::span<const Branch> branches) {
  const int outcome = g.Roll(die);
  for (const Branch& branch : branches) {
    if (outcome <= branch.hi) {
      branch.call(g);
      return;
    }
  }
}

}  // namespace

void AnyMagicItem(Generator& g) {
  Route(g, 100, kAnyMagicItem);
}
void NoWeapons(Generator& g) {
  Route(g, 75, kNoWeapons);
}

void Potions(Generator& g) {
  Route(g, 100, kPotions);
}
void Scrolls(Generator& g) {
  Route(g, 100, kScrolls);
}
void Rings(Generator& g) {
  Route(g, 100, kRings);
}
void Wands(Generator& g) {
  Route(g, 100, kWands);
}
void Misc(Generator& g) {
  Route(g, 100, kMisc);
}
void Armour(Generator& g) {
  Route(g, 100, kArmour);
}
void Swords(Generator& g) {
  Route(g, 100, kSwords);
}
void Weapons(Generator& g) {
  Route(g, 100, kWeapons);
}

}  // namespace vorneth
