// Magic weapons other than swords: fixed rows draw the table roll alone; missile bundles and
// weapons with a rolled plus draw one value more.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "items/table.h"
#include "items/weapons.h"
#include "playersview/players_view.h"
#include "support/engine_test_support.h"

namespace vorneth::items {
namespace {

using testing::LineOutcome;
using testing::RunOneLineFrom;
using testing::SeedGiving;
using testing::TableNamed;

TEST(Weapons, FixedRowsDrawOneValue) {
  const LineOutcome axe = RunOneLineFrom(SeedGiving({{100, 15}}), Weapons1);
  EXPECT_EQ(axe.line, "Axe +1 (1,750 gp)");
  EXPECT_EQ(axe.draws, 1);
  const LineOutcome trident = RunOneLineFrom(SeedGiving({{100, 99}}), Weapons1);
  EXPECT_EQ(trident.line, "Trident (Military Fork) +3 (12,500 gp)");
  EXPECT_EQ(trident.draws, 1);
  const LineOutcome knife = RunOneLineFrom(SeedGiving({{100, 70}}), Weapons2);
  EXPECT_EQ(knife.line, "Knife +1 (350 gp)");
  EXPECT_EQ(knife.draws, 1);
}

TEST(Weapons, QuotedRowsReadExactly) {
  const Table& one = TableNamed("Weapons1");
  EXPECT_EQ(Pick(one, 39).text, "Dagger +1, +2 vs. creatures smaller than man size (750 gp)");
  EXPECT_EQ(Pick(one, 64).text, "Hammer of Thunderbolts (25,000 gp)");
  EXPECT_EQ(Pick(one, 98).text, "Spear Cursed Backbiter (1,000 gp)");
  EXPECT_EQ(Pick(TableNamed("Weapons2"), 44).text, "Dagger +2, Longtooth (2,500 gp)");
}

TEST(Weapons, MissileBundlesCountTheirMissiles) {
  const LineOutcome fewest = RunOneLineFrom(SeedGiving({{100, 0}, {23, 0}}), Weapons1);
  EXPECT_EQ(fewest.line, "2 Arrows +1");
  EXPECT_EQ(fewest.draws, 2);
  EXPECT_EQ(RunOneLineFrom(SeedGiving({{100, 7}, {23, 22}}), Weapons1).line, "24 Arrows +1");
  EXPECT_EQ(RunOneLineFrom(SeedGiving({{100, 31}, {19, 18}}), Weapons1).line, "20 Bolts +2");

  const LineOutcome most = RunOneLineFrom(SeedGiving({{100, 19}, {30, 29}}), Weapons2);
  EXPECT_EQ(most.line, "35 Bolts +1");
  EXPECT_EQ(most.draws, 2);
  EXPECT_EQ(RunOneLineFrom(SeedGiving({{100, 56}, {2, 0}}), Weapons2).line, "1 Darts of Homing");
  EXPECT_EQ(RunOneLineFrom(SeedGiving({{100, 34}, {4, 3}}), Weapons2).line,
            "4 Sling Bullets of Impact");

  // Over all bundles: Weapons1 never gives fewer than 2, and 35 bolts +1 is the largest.
  int fewest1 = 100;
  int largest = 0;
  for (std::string_view name : {"Weapons1", "Weapons2"}) {
    for (const Row& row : TableNamed(name).rows) {
      if (row.kind != RowKind::Count) {
        continue;
      }
      EXPECT_TRUE(row.suffix.starts_with(' ')) << row.suffix;
      if (name == "Weapons1") {
        fewest1 = std::min(fewest1, row.base);
      }
      largest = std::max(largest, row.base + row.die - 1);
    }
  }
  EXPECT_EQ(fewest1, 2);
  EXPECT_EQ(largest, 35);
}

TEST(Weapons, PlusRowsHaveOneBlankBeforeThePlus) {
  const LineOutcome hurling = RunOneLineFrom(SeedGiving({{100, 3}, {20, 10}}), Weapons2);
  EXPECT_EQ(hurling.line, "Axe of Hurling +3");
  EXPECT_EQ(hurling.draws, 2);
  EXPECT_EQ(RunOneLineFrom(SeedGiving({{100, 46}, {100, 99}}), Weapons2).line,
            "Dagger of Throwing +4");
  EXPECT_EQ(RunOneLineFrom(SeedGiving({{100, 62}, {100, 35}}), Weapons2).line,
            "Hornblade Dagger-sized +1");
  EXPECT_EQ(RunOneLineFrom(SeedGiving({{100, 78}, {10, 4}}), Weapons2).line, "Knife, Buckle +2");
  EXPECT_EQ(RunOneLineFrom(SeedGiving({{100, 88}, {20, 19}}), Weapons2).line,
            "Quarterstaff, Magic +5");
  const LineOutcome speed = RunOneLineFrom(SeedGiving({{100, 94}, {100, 0}}), Weapons2);
  EXPECT_EQ(speed.line, "Scimitar of Speed +1");
  EXPECT_EQ(speed.draws, 2);

  for (const Row& row : TableNamed("Weapons2").rows) {
    if (row.kind != RowKind::Variant) {
      continue;
    }
    for (const Row& plus : row.sub->rows) {
      const std::string line = std::string(row.text) + std::string(plus.text);
      EXPECT_EQ(line.find("  "), std::string::npos) << line;
      EXPECT_EQ(row.text.ends_with(' '), !plus.text.starts_with(' ')) << line;
      EXPECT_FALSE(line.ends_with(" gp)")) << line;
    }
  }
}

// Players see a weapon or a bundle by its kind: no plus, curse or price is left.
TEST(Weapons, PlayersSeeNoEnchantmentOrPrice) {
  for (std::string_view name : {"Weapons1", "Weapons2"}) {
    for (const Row& row : TableNamed(name).rows) {
      std::string dm(row.text);
      if (row.kind == RowKind::Count) {
        dm = std::to_string(row.base) + std::string(row.suffix);
      } else if (row.kind == RowKind::Variant) {
        dm += row.sub->rows.back().text;
      }
      const LineList players = playersview::ParsePlayers({dm});
      ASSERT_EQ(players.size(), 1u);
      const std::string seen(players.front());
      SCOPED_TRACE(dm + " -> " + seen);
      EXPECT_FALSE(seen.empty());
      EXPECT_EQ(seen.find('+'), std::string::npos);
      EXPECT_EQ(seen.find("gp"), std::string::npos);
      EXPECT_EQ(seen.find("Cursed"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace vorneth::items
