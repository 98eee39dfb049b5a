// Magic armour and shields: one roll per call, and lines whose name stands first so the
// players see the armour without its enchantment or price.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/generator.h"
#include "items/armour.h"
#include "items/table.h"
#include "playersview/players_view.h"
#include "support/engine_test_support.h"

namespace vorneth::items {
namespace {

using testing::LineOutcome;
using testing::RunOneLineFrom;
using testing::SeedGiving;
using testing::TableNamed;

// The value in gold pieces of a line ending in " (" + value + " gp)".
long ValueOf(std::string_view line) {
  const std::size_t open = line.rfind('(');
  long value = 0;
  for (char c : line.substr(open + 1)) {
    if (c >= '0' && c <= '9') {
      value = value * 10 + (c - '0');
    }
  }
  return value;
}

TEST(Armour, EveryCallDrawsOneValueAndAddsOneLine) {
  struct Operation {
    std::string_view table;
    void (*run)(Generator&);
  };
  for (const Operation& op : {Operation{"Armour1", Armour1}, Operation{"Armour2", Armour2}}) {
    for (int d : {1, 39, 74, 97, 100}) {
      const LineOutcome piece = RunOneLineFrom(SeedGiving({{100, d - 1}}), op.run);
      EXPECT_EQ(piece.line, Pick(TableNamed(op.table), d).text) << op.table << " " << d;
      EXPECT_EQ(piece.draws, 1);
    }
  }
  EXPECT_EQ(RunOneLineFrom(SeedGiving({{100, 99}}), Armour1).line,
            "Shield -1 Missile Attractor (750 gp)");
}

TEST(Armour, QuotedRowsReadExactly) {
  EXPECT_EQ(Pick(TableNamed("Armour1"), 5).text, "Chain Mail +1 (3,500 gp)");
  EXPECT_EQ(Pick(TableNamed("Armour1"), 12).text, "Leather Armor +1 (2,000 gp)");
  EXPECT_EQ(Pick(TableNamed("Armour1"), 39).text, "Plate Mail of Etherealness (30,000 gp)");
  EXPECT_EQ(Pick(TableNamed("Armour1"), 97).text, "Shield Large +1, +4 vs. missiles (4,000 gp)");
  EXPECT_EQ(Pick(TableNamed("Armour1"), 98).text, "Shield -1 Missile Attractor (750 gp)");
  EXPECT_EQ(Pick(TableNamed("Armour2"), 1).text, "Anything Armour (45,000 gp)");
  EXPECT_EQ(Pick(TableNamed("Armour2"), 31).text, "Elfin Chain Mail +1 (7,500 gp)");
  EXPECT_EQ(Pick(TableNamed("Armour2"), 74).text, "Field Plate Mail +5 (120,000 gp)");
}

TEST(Armour, LinesCarryOnePlusAndAValue) {
  long largest = 0;
  for (std::string_view name : {"Armour1", "Armour2"}) {
    const Table& table = TableNamed(name);
    for (const Row& row : table.rows) {
      const std::string_view line = row.text;
      SCOPED_TRACE(std::string(line));
      EXPECT_EQ(row.kind, RowKind::Fixed);
      EXPECT_TRUE(line.ends_with(" gp)"));
      largest = std::max(largest, ValueOf(line));
      if (ValueOf(line) == 120'000) {
        EXPECT_EQ(name, "Armour2");
      }
      const bool minusShield = name == "Armour1" && row.lo == 98;
      EXPECT_EQ(line.find('-') != std::string_view::npos, minusShield);
      const bool quality = (name == "Armour1" && (row.lo == 39 || row.lo == 40)) ||
                           (name == "Armour2" && row.lo == 1);
      const auto pluses = std::count(line.begin(), line.end(), '+');
      const bool largeShield = name == "Armour1" && row.lo == 97;
      EXPECT_EQ(pluses, quality || minusShield ? 0 : largeShield ? 2 : 1);
      if (pluses > 0) {
        EXPECT_LT(line.find('+'), line.find(" ("));
        EXPECT_EQ(line[line.find('+') - 1], ' ');
      }
      if (quality && name == "Armour1") {
        EXPECT_TRUE(line.starts_with("Plate Mail of "));
      }
      EXPECT_EQ(line.find("Leather Armor ") != std::string_view::npos,
                name == "Armour1" && row.lo == 12);
      if (line.find("Leather Armour") != std::string_view::npos) {
        EXPECT_EQ(name, "Armour2");
      }
    }
  }
  EXPECT_EQ(largest, 120'000);
}

// The players see each piece by its kind alone: no plus, minus or price is left.
TEST(Armour, PlayersSeeNoEnchantmentOrPrice) {
  for (std::string_view name : {"Armour1", "Armour2"}) {
    for (const Row& row : TableNamed(name).rows) {
      const LineList players = playersview::ParsePlayers({row.text});
      ASSERT_EQ(players.size(), 1u);
      const std::string seen(players.front());
      SCOPED_TRACE(std::string(row.text) + " -> " + seen);
      EXPECT_FALSE(seen.empty());
      EXPECT_EQ(seen.find_first_of("+-("), std::string::npos);
      EXPECT_EQ(seen.find("gp"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace vorneth::items
