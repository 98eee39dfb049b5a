// The routers make one roll each and hand over to the family or table its outcome names:
// an item through a router equals the family's own item drawn right after that roll.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/generator.h"
#include "generator/magic_selection.h"
#include "items/armour.h"
#include "items/misc_further.h"
#include "items/scrolls.h"
#include "items/swords.h"
#include "support/engine_test_support.h"

namespace vorneth {
namespace {

using testing::Advanced;
using testing::Operation;
using testing::Outcome;
using testing::RunFrom;
using testing::SourceWhoseNextRollIs;

// `router` on a source whose roll of `die` is `outcome` does what `expected` does after it.
void ExpectRoute(Operation router, int die, int outcome, Operation expected) {
  const RandomSource start = SourceWhoseNextRollIs(die, outcome);
  const Outcome routed = RunFrom(start, router);
  const Outcome direct = RunFrom(Advanced(start, 1), expected);
  EXPECT_EQ(routed.lines, direct.lines) << "outcome " << outcome;
  EXPECT_EQ(routed.after.Seed(), direct.after.Seed()) << "outcome " << outcome;
}

TEST(MagicSelection, AnyMagicItemRanges) {
  ExpectRoute(AnyMagicItem, 100, 0, Potions);
  ExpectRoute(AnyMagicItem, 100, 19, Potions);
  ExpectRoute(AnyMagicItem, 100, 20, Scrolls);
  ExpectRoute(AnyMagicItem, 100, 39, Rings);
  ExpectRoute(AnyMagicItem, 100, 44, Wands);
  ExpectRoute(AnyMagicItem, 100, 59, Misc);
  ExpectRoute(AnyMagicItem, 100, 74, Armour);
  ExpectRoute(AnyMagicItem, 100, 85, Swords);
  ExpectRoute(AnyMagicItem, 100, 86, Weapons);
  ExpectRoute(AnyMagicItem, 100, 99, Weapons);
}

TEST(MagicSelection, NoWeaponsRollsSeventyFiveAndStopsAtArmour) {
  ExpectRoute(NoWeapons, 75, 0, Potions);
  ExpectRoute(NoWeapons, 75, 45, Misc);
  ExpectRoute(NoWeapons, 75, 74, Armour);
}

TEST(MagicSelection, FamilyEntryPoints) {
  ExpectRoute(Swords, 100, 94, items::Swords1);
  ExpectRoute(Swords, 100, 95, items::Swords2);
  ExpectRoute(Misc, 100, 84, items::Misc6);
  ExpectRoute(Misc, 100, 85, items::Misc7);
  ExpectRoute(Armour, 100, 49, items::Armour1);
  ExpectRoute(Armour, 100, 50, items::Armour2);
  ExpectRoute(Scrolls, 100, 84, items::Scrolls1);
  ExpectRoute(Scrolls, 100, 85, items::Scrolls2);
}

TEST(MagicSelection, FirstItemFromTheFormSeed) {
  // Category 32 (scrolls), family 83 (the first scroll table), then the table's rolls.
  const RandomSource start(14737260);
  const Outcome routed = RunFrom(start, AnyMagicItem);
  const Outcome direct = RunFrom(Advanced(start, 2), items::Scrolls1);
  EXPECT_EQ(routed.lines, direct.lines);
  RandomSource probe = start;
  EXPECT_EQ(probe.Roll(100), 32);
  EXPECT_EQ(probe.Roll(100), 83);
  RandomSource noWeapons = start;
  EXPECT_EQ(noWeapons.Roll(75), 24);  // NoWeapons first: scrolls too
  EXPECT_EQ(RunFrom(start, NoWeapons).lines, RunFrom(Advanced(start, 1), Scrolls).lines);
}

TEST(MagicSelection, ItemsFollowOneAnother) {
  // Three items: each selection completes before the next category roll.
  const RandomSource start(4242);
  RandomSource random = start;
  Generator g(random, ",");
  AnyMagicItem(g);
  const std::size_t firstLines = g.Lines().size();
  const RandomSource afterFirst = random;
  AnyMagicItem(g);
  const Outcome second = RunFrom(afterFirst, AnyMagicItem);
  EXPECT_EQ(LineList(g.Lines().begin() + static_cast<long>(firstLines), g.Lines().end()),
            second.lines);
}

}  // namespace
}  // namespace vorneth
