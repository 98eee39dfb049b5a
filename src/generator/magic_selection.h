#pragma once

#include <span>
#include <string_view>

#include "core/line_origin.h"
#include "core/range_lookup.h"

namespace vorneth {

class Generator;

// Category routers: one magic item of a family chosen by Roll(100) (any family) or Roll(75)
// (any family but swords and miscellaneous weapons).
void AnyMagicItem(Generator& g);
void NoWeapons(Generator& g);

// Family entry points: one Roll(100) chooses the family's table, which adds the item.
void Potions(Generator& g);
void Scrolls(Generator& g);
void Rings(Generator& g);
void Wands(Generator& g);  // rods, staves and wands
void Misc(Generator& g);
void Armour(Generator& g);
void Swords(Generator& g);
void Weapons(Generator& g);

// Treasure type X's miscellaneous item: one Roll(101) chooses one of Misc1 ... Misc5.
void MiscOneToFive(Generator& g);

// An outcome range of a router's roll ending at `hi`, and what it calls: another router, or
// the family table named `table` that adds the item.
struct Branch {
  int hi;
  void (*call)(Generator&);
  std::string_view table = {};
};

// A router rolls Roll(die) (outcomes 0 to die - 1) and calls the branch whose range holds it.
// A family's router names the family its tables' lines are recorded under.
struct Router {
  constexpr Router(std::string_view routerName, int routerDie,
                   std::span<const Branch> routerBranches, Family routerFamily = Family::None)
      : name(routerName),
        die(routerDie),
        branches(routerBranches),
        family(routerFamily),
        branchOf(IndexOutcomes(branches, 0, die - 1)) {}

  std::string_view name;
  int die;
  std::span<const Branch> branches;
  Family family;
  OutcomeIndex branchOf;  // the index in `branches` of the branch of each outcome 0 to die - 1
};

// Every router above, for checks over their ranges.
std::span<const Router* const> AllRouters();

}  // namespace vorneth
