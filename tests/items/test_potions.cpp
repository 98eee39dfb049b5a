// Potions: the fixed rows, the shape every potion line keeps for the players' view, the values
// of the main tables, and the one or two values a potion draws.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "items/potions.h"
#include "playersview/players_view.h"
#include "support/engine_test_support.h"

namespace vorneth::items {
namespace {

using testing::Advanced;
using testing::Outcome;
using testing::RunFrom;
using testing::SourceWhoseNextRollIs;
using testing::TableNamed;

// The text inside the last brackets when the line ends in " gp)", else empty.
std::string Value(std::string_view line) {
  if (!line.ends_with(" gp)")) {
    return {};
  }
  return std::string(line.substr(line.rfind('(') + 1, line.size() - line.rfind('(') - 2));
}

TEST(Potions, QuotedRows) {
  EXPECT_EQ(Pick(TableNamed("Potions1"), 1).text, "Potion of Animal Control (400 gp)");
  EXPECT_EQ(Pick(TableNamed("Potions1"), 66).text, "Oil of Etherealness (1,500 gp)");
  EXPECT_EQ(Pick(TableNamed("Potions1"), 84).text, "Potion of Poison");
  EXPECT_EQ(Pick(TableNamed("Potions1.A"), 2).text, "Potion of White Dragon Control");
  EXPECT_EQ(Pick(TableNamed("Potions1.D"), 11).text, "Potion of Human Control (Humans) (900 gp)");
  EXPECT_EQ(Pick(TableNamed("Potions1.D"), 16).text, "Potion of Human Control (Humans) (900 gp)");
  EXPECT_EQ(Pick(TableNamed("Potions2"), 16).text, "Elixir of Madness");
}

TEST(Potions, SubTablesHaveTheirDiceAndRanges) {
  const auto his = [](const Table& t) {
    std::vector<int> result;
    for (const Row& row : t.rows) {
      result.push_back(row.hi);
    }
    return result;
  };
  EXPECT_EQ(his(TableNamed("Potions1.A")),
            (std::vector{2, 4, 7, 9, 10, 12, 14, 15, 16, 17, 19, 20}));
  EXPECT_EQ(his(TableNamed("Potions1.B")), (std::vector{6, 10, 14, 17, 19, 20}));
  EXPECT_EQ(his(TableNamed("Potions1.C")), (std::vector{6, 10, 14, 17, 19, 20}));
  EXPECT_EQ(his(TableNamed("Potions1.D")), (std::vector{2, 4, 6, 8, 10, 16, 19, 20}));
  EXPECT_EQ(TableNamed("Potions1.E").die, 10);
  EXPECT_EQ(TableNamed("Potions1.E").rows.size(), 10u);
  // Giant strength names the same giants, in the same order, as giant control.
  for (std::size_t i = 0; i < TableNamed("Potions1.B").rows.size(); ++i) {
    std::string control(TableNamed("Potions1.B").rows[i].text);
    control.replace(control.rfind("Control"), 7, "Strength");
    EXPECT_EQ(control, TableNamed("Potions1.C").rows[i].text);
  }
}

// Kind word and value of each main-table row, by its first d; "sub" for a sub-table row.
struct Expected {
  int lo;
  std::string_view kind;
  std::string_view value;
};

constexpr Expected kPotions1[] = {{1, "Potion", "400 gp"},
                                  {4, "Potion", "400 gp"},
                                  {7, "Potion", "500 gp"},
                                  {10, "Potion", "500 gp"},
                                  {13, "Potion", "150 gp"},
                                  {16, "Potion", "500 gp"},
                                  {19, "sub", ""},
                                  {21, "Potion", "850 gp"},
                                  {24, "Potion", "800 gp"},
                                  {27, "Potion", "400 gp"},
                                  {30, "Potion", "750 gp"},
                                  {33, "Potion", "400 gp"},
                                  {35, "sub", ""},
                                  {37, "sub", ""},
                                  {40, "Potion", "300 gp"},
                                  {42, "Potion", "400 gp"},
                                  {48, "Potion", "500 gp"},
                                  {50, "sub", "900 gp"},
                                  {52, "Potion", "500 gp"},
                                  {55, "Potion", "500 gp"},
                                  {58, "Potion", "400 gp"},
                                  {61, "Potion", "1,000 gp"},
                                  {64, "Oil", "1,500 gp"},
                                  {67, "Oil", "750 gp"},
                                  {70, "Philter", "300 gp"},
                                  {73, "Philter", "850 gp"},
                                  {76, "Potion", "300 gp"},
                                  {79, "Potion", "350 gp"},
                                  {82, "Potion", ""},
                                  {85, "Potion", "450 gp"},
                                  {88, "Potion", "750 gp"},
                                  {91, "Potion", "250 gp"},
                                  {94, "Potion", "2,000 gp"},
                                  {97, "sub", "2,500 gp"},
                                  {98, "Potion", "900 gp"}};

constexpr Expected kPotions2[] = {
    {1, "Elixir", "2,000 gp"},   {6, "Elixir", "2,500 gp"},   {16, "Elixir", ""},
    {21, "Elixir", "10,000 gp"}, {26, "Potion", "4,000 gp"},  {31, "Oil", "5,000 gp"},
    {36, "Oil", "3,500 gp"},     {41, "Oil", "5,000 gp"},     {46, "Oil", "4,000 gp"},
    {50, "Oil", "1,000 gp"},     {56, "Oil", "5,000 gp"},     {61, "Oil", "1,000 gp"},
    {66, "Oil", "2,000 gp"},     {71, "Philter", "1,500 gp"}, {76, "Philter", "2,500 gp"},
    {81, "Philter", "1,500 gp"}, {86, "Potion", "800 gp"},    {91, "Potion", "800 gp"},
    {96, "Potion", "2,500 gp"}};

void ExpectMainTable(const Table& table, std::span<const Expected> expected) {
  ASSERT_EQ(table.rows.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const Row& row = table.rows[i];
    SCOPED_TRACE(std::string(table.name) + " row from " + std::to_string(row.lo));
    EXPECT_EQ(row.lo, expected[i].lo);
    if (expected[i].kind == "sub") {
      ASSERT_EQ(row.kind, RowKind::Variant);
      for (const Row& subRow : row.sub->rows) {
        EXPECT_EQ(Value(subRow.text), expected[i].value) << subRow.text;
      }
    } else {
      EXPECT_EQ(row.kind, RowKind::Fixed);
      EXPECT_TRUE(row.text.starts_with(std::string(expected[i].kind) + " of ")) << row.text;
      EXPECT_EQ(Value(row.text), expected[i].value) << row.text;
    }
  }
}

TEST(Potions, MainTablesHaveTheirKindsAndValues) {
  ExpectMainTable(TableNamed("Potions1"), kPotions1);
  ExpectMainTable(TableNamed("Potions2"), kPotions2);
}

TEST(Potions, EveryLineKeepsTheShapeThePlayersViewReads) {
  for (const Table* table : PotionTables()) {
    for (const Row& row : table->rows) {
      if (row.kind != RowKind::Fixed) {
        continue;
      }
      const std::string line(row.text);
      SCOPED_TRACE(line);
      for (std::string_view banned : {" with ", " plus ", "+", "(Cursed)"}) {
        EXPECT_EQ(line.find(banned), std::string::npos) << banned;
      }
      const std::string kind = line.substr(0, line.find(' '));
      EXPECT_EQ(line.find(" of "), kind.size()) << "first \" of \" not after the kind word";
      const std::string outward = kind == "Oil" ? "Oil" : "Potion";
      EXPECT_EQ(playersview::ParsePlayers({line}), LineList{outward});
    }
  }
}

TEST(Potions, OneLineFromOneOrTwoDrawnValues) {
  for (int d = 1; d <= 100; ++d) {
    const Row& row = Pick(TableNamed("Potions1"), d);
    const RandomSource start = SourceWhoseNextRollIs(100, d - 1);
    RandomSource expectedEnd = Advanced(start, 1);
    std::string expectedLine(row.text);
    if (row.kind == RowKind::Variant) {
      expectedLine = Pick(*row.sub, expectedEnd.Roll(row.sub->die) + 1).text;
    }
    const Outcome run = RunFrom(start, Potions1);
    EXPECT_EQ(run.lines, LineList{expectedLine}) << "d = " << d;
    EXPECT_EQ(run.after.Seed(), expectedEnd.Seed()) << "d = " << d;
  }
  for (int d = 1; d <= 100; ++d) {
    const Outcome run = RunFrom(SourceWhoseNextRollIs(100, d - 1), Potions2);
    EXPECT_EQ(run.lines, LineList{std::string(Pick(TableNamed("Potions2"), d).text)});
    EXPECT_EQ(run.draws, 1) << "d = " << d;
  }
}

}  // namespace
}  // namespace vorneth::items
