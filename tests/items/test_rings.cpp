// Rings: the fixed rows, the protection sub-table, the values, the players' view of every
// ring, and the one or two values a ring draws.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/generator.h"
#include "items/rings.h"
#include "playersview/players_view.h"
#include "support/engine_test_support.h"

namespace vorneth::items {
namespace {

using testing::Advanced;
using testing::Outcome;
using testing::RunFrom;
using testing::SourceWhoseNextRollIs;
using testing::TableNamed;

const std::pair<void (*)(Generator&), std::string_view> kOperations[] = {{Rings1, "Rings1"},
                                                                         {Rings2, "Rings2"}};

TEST(Rings, ProtectionSubTableIsExactlyTheSevenTexts) {
  const Table& protection = TableNamed("Rings1.Protection");
  const std::vector<std::pair<int, std::string_view>> expected = {
      {70, "Ring of Protection +1"},
      {82, "Ring of Protection +2"},
      {83, "Ring of Protection +2 (5' Radius)"},
      {90, "Ring of Protection +3"},
      {91, "Ring of Protection +3 (5' Radius)"},
      {97, "Ring of Protection +4 AC, +2 on saving throws"},
      {100, "Ring of Protection +6 AC, +1 on saving throws"}};
  ASSERT_EQ(protection.rows.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(protection.rows[i].hi, expected[i].first);
    EXPECT_EQ(protection.rows[i].text, expected[i].second);
  }
  const Row& row = Pick(TableNamed("Rings1"), 45);
  EXPECT_EQ(row.kind, RowKind::Variant);
  EXPECT_EQ(row.lo, 45);
  EXPECT_EQ(row.hi, 60);
  EXPECT_EQ(row.sub, &protection);
}

TEST(Rings, QuotedRowsAndValues) {
  EXPECT_EQ(Pick(TableNamed("Rings1"), 1).text, "Ring of Contrariness (1,000 gp)");
  EXPECT_EQ(Pick(TableNamed("Rings2"), 68).text, "Ring of the Ram (7,500 gp)");

  // The value of each row, by its first d (the protection row carries none).
  const std::vector<std::pair<int, std::string_view>> rings1 = {
      {1, "1,000"},   {7, "2,000"},  {13, "20,000"}, {15, "25,000"}, {16, "5,000"},
      {22, "5,000"},  {28, "5,000"}, {31, "10,000"}, {34, "75,000"}, {41, "5,000"},
      {44, "25,000"}, {45, ""},      {61, "40,000"}, {62, "15,000"}, {64, "22,500"},
      {66, "17,500"}, {70, "5,000"}, {76, "10,000"}, {78, "15,000"}, {80, "5,000"},
      {86, "5,000"},  {91, "1,000"}, {99, "50,000"}, {100, "35,000"}};
  const std::vector<std::pair<int, std::string_view>> rings2 = {
      {1, "5,000"},  {9, "55,000"}, {11, "5,000"}, {21, "2,500"}, {23, "5,000"},
      {32, "3,000"}, {41, "7,500"}, {50, "5,000"}, {59, "5,000"}, {68, "7,500"},
      {71, "5,000"}, {80, "3,500"}, {93, "5,000"}};
  for (const auto& [table, values] :
       {std::pair{&TableNamed("Rings1"), rings1}, std::pair{&TableNamed("Rings2"), rings2}}) {
    ASSERT_EQ(table->rows.size(), values.size()) << table->name;
    for (std::size_t i = 0; i < values.size(); ++i) {
      const Row& row = table->rows[i];
      EXPECT_EQ(row.lo, values[i].first) << table->name;
      if (!values[i].second.empty()) {
        EXPECT_TRUE(row.text.ends_with(" (" + std::string(values[i].second) + " gp)")) << row.text;
      }
    }
  }
}

TEST(Rings, EveryLineIsARingToThePlayers) {
  for (const Table* table : RingTables()) {
    for (const Row& row : table->rows) {
      if (row.kind != RowKind::Fixed) {
        continue;
      }
      const std::string line(row.text);
      SCOPED_TRACE(line);
      EXPECT_TRUE(line.starts_with("Ring of "));
      for (std::string_view banned : {" with ", " plus ", "(Cursed)"}) {
        EXPECT_EQ(line.find(banned), std::string::npos) << banned;
      }
      const bool protection = line.starts_with("Ring of Protection +");
      EXPECT_EQ(line.ends_with(" gp)"), !protection);
      // The feather falling ring is the one ring the players see as its charm.
      const std::string outward = line == "Ring of Feather Falling (5,000 gp)" ? "Charm" : "Ring";
      EXPECT_EQ(playersview::ParsePlayers({line}), LineList{outward});
    }
  }
  EXPECT_EQ(Pick(TableNamed("Rings1"), 16).text, "Ring of Feather Falling (5,000 gp)");
}

TEST(Rings, OneLineFromOneOrTwoDrawnValues) {
  for (int d = 1; d <= 100; ++d) {
    for (const auto& [operation, name] : kOperations) {
      const Row& row = Pick(TableNamed(name), d);
      const RandomSource start = SourceWhoseNextRollIs(100, d - 1);
      RandomSource expectedEnd = Advanced(start, 1);
      std::string expectedLine(row.text);
      if (row.kind == RowKind::Variant) {
        expectedLine = Pick(*row.sub, expectedEnd.Roll(100) + 1).text;
      }
      const Outcome run = RunFrom(start, operation);
      EXPECT_EQ(run.lines, LineList{expectedLine}) << name << " d = " << d;
      EXPECT_EQ(run.after.Seed(), expectedEnd.Seed()) << name << " d = " << d;
    }
  }
}

}  // namespace
}  // namespace vorneth::items
