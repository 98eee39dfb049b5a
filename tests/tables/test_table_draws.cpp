// Draws from a game master's tables follow the one random source, and the odds of their lines
// are exact: worked out by hand for a nested example, and adding up to exactly 1.
#include <gtest/gtest.h>

#include "tables/check.h"
#include "tables/draw.h"
#include "tables/odds.h"
#include "tables/row_text.h"

namespace vorneth::tables {
namespace {

// Loot, d20: 1-6 Rope, 7-12 "[[Gems]] in a pouch", 13-20 Lantern; Gems, 2d6: 2-8 Agate, 9-12
// `ruby`.
TableSet LootAndGems(const std::string& ruby) {
  TableSet set = {
      {"Loot",
       "",
       "loot.txt",
       {1, 20},
       {TextRow(1, 6, "Rope"), TextRow(7, 12, "[[Gems]] in a pouch"), TextRow(13, 20, "Lantern")}},
      {"Gems", "", "loot.txt", {2, 6}, {TextRow(2, 8, "Agate"), TextRow(9, 12, ruby)}}};
  EXPECT_EQ(CheckTables(set), std::vector<std::string>{});
  return set;
}

TEST(TableDraws, FollowTheRandomSourceIntoNestedTables) {
  // From seed 14737260 the rolls are Roll(20) = 6 (face 7: the Gems row), Roll(6) = 5 and
  // Roll(6) = 0 (2d6 = 6 + 1 = 7: Agate); then Roll(20) = 10 (face 11), Roll(6) = 2 and
  // Roll(6) = 5 (3 + 6 = 9: Ruby).
  const TableSet set = LootAndGems("Ruby");
  const TableDraws draws(set);
  RandomSource random(14737260);
  EXPECT_EQ(draws.Draw(TopTable(set), random), "Agate in a pouch");
  EXPECT_EQ(draws.Draw(TopTable(set), random), "Ruby in a pouch");
  EXPECT_EQ(random.Seed(), 4283089422u);  // six rolls, no more
}

TEST(TableOdds, NestedChancesMultiplyOutAndTheSameLineAddsUp) {
  // 2d6 shows 2-8 in 26 of 36 throws and 9-12 in 10; the second row's line is made twice.
  TableSet set = LootAndGems("Rope");
  set[0].rows[1] = TextRow(7, 12, "[[Gems]]");
  ASSERT_EQ(CheckTables(set), std::vector<std::string>{});
  const TableOddsResult odds = TableOdds(set, 0);
  ASSERT_EQ(odds.fault, "");
  ASSERT_EQ(odds.outcomes.size(), 3u);
  EXPECT_EQ(odds.outcomes[0].line, "Rope");  // 6/20 + 6/20 × 10/36
  EXPECT_EQ(odds.outcomes[0].chance, (Fraction{23, 60}));
  EXPECT_EQ(odds.outcomes[1].line, "Agate");  // 6/20 × 26/36
  EXPECT_EQ(odds.outcomes[1].chance, (Fraction{13, 60}));
  EXPECT_EQ(odds.outcomes[2].line, "Lantern");  // 8/20
  EXPECT_EQ(odds.outcomes[2].chance, (Fraction{2, 5}));
  Fraction sum;
  for (const Outcome& outcome : odds.outcomes) {
    sum = *Plus(sum, outcome.chance);
  }
  EXPECT_EQ(sum, (Fraction{1, 1}));
}

TEST(TableOdds, RefusesWhatOutgrows64BitsAndWritesPercentages) {
  TableSet big = {{"Big", "", "big.txt", {20, 100}, {TextRow(20, 2000, "All")}}};
  EXPECT_EQ(TableOdds(big, 0).fault,
            "big.txt: table \"Big\": the chances of 20d100 outgrow exact 64-bit fractions");
  EXPECT_EQ(PercentText({1, 3}), "33.3333%");
  EXPECT_EQ(PercentText({2, 3}), "66.6667%");
  EXPECT_EQ(PercentText({1, 8}), "12.5%");
  EXPECT_EQ(PercentText({1, 1}), "100%");
  EXPECT_EQ(PercentText({1, 10000000}), "<0.0001%");
}

}  // namespace
}  // namespace vorneth::tables
