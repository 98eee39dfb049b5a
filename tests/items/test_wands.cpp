// Rods, staves and wands: the fixed rows, kinds and values, the players' view of every line,
// and the single value each item draws.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/generator.h"
#include "items/wands.h"
#include "playersview/players_view.h"
#include "support/engine_test_support.h"

namespace vorneth::items {
namespace {

using testing::Outcome;
using testing::RunFrom;
using testing::SourceWhoseNextRollIs;
using testing::TableNamed;

const std::pair<void (*)(Generator&), std::string_view> kOperations[] = {{Wands1, "Wands1"},
                                                                         {Wands2, "Wands2"}};

struct Expected {
  int lo;
  std::string_view kind;  // the line's first word, or the whole staff weapon line
  std::string_view value;
};

constexpr Expected kWands1[] = {{1, "Rod", "40,000"},
                                {7, "Rod", "50,000"},
                                {11, "Rod", "30,000"},
                                {12, "Rod", "15,000"},
                                {22, "Rod", "20,000"},
                                {27, "Rod", "20,000"},
                                {28, "Rod", "50,000"},
                                {31, "Rod", "35,000"},
                                {32, "Rod", "35,000"},
                                {33, "Rod", "30,000"},
                                {37, "Rod", "15,000"},
                                {38, "Rod", "25,000"},
                                {41, "Staff", "25,000"},
                                {42, "Staff", "25,000"},
                                {49, "Staff-Mace (12,500 gp)", "12,500"},
                                {56, "Staff", "75,000"},
                                {57, "Staff", "60,000"},
                                {58, "Staff", "35,000"},
                                {64, "Staff", "10,000"},
                                {71, "Staff-Spear (5,000 gp)", "5,000"},
                                {77, "Staff", "15,000"},
                                {83, "Staff", "500"},
                                {86, "Staff", "20,000"},
                                {87, "Staff", "35,000"},
                                {91, "Staff", "40,000"}};

constexpr Expected kWands2[] = {
    {1, "Wand", "12,500"},  {2, "Wand", "5,000"},   {6, "Wand", "35,000"},  {8, "Wand", "6,000"},
    {11, "Wand", "10,000"}, {13, "Wand", "10,000"}, {17, "Wand", "15,000"}, {21, "Wand", "25,000"},
    {23, "Wand", "16,000"}, {27, "Wand", "10,000"}, {31, "Wand", "30,000"}, {32, "Wand", "50,000"},
    {33, "Wand", "20,000"}, {36, "Wand", "10,000"}, {40, "Wand", "20,000"}, {44, "Wand", "30,000"},
    {46, "Wand", "16,000"}, {50, "Wand", "25,000"}, {54, "Wand", "35,000"}, {62, "Wand", "7,500"},
    {67, "Wand", "15,000"}, {69, "Wand", "15,000"}, {75, "Wand", "25,000"}, {79, "Wand", "25,000"},
    {83, "Wand", "40,000"}, {87, "Wand", "20,000"}, {91, "Wand", "25,000"}, {93, "Wand", "10,000"}};

TEST(Wands, QuotedRows) {
  EXPECT_EQ(Pick(TableNamed("Wands1"), 1).text, "Rod of Absorption (40,000 gp)");
  EXPECT_EQ(Pick(TableNamed("Wands1"), 85).text, "Staff of Swarming Insects (500 gp)");
  EXPECT_EQ(Pick(TableNamed("Wands2"), 12).text, "Wand of Earth & Stone (10,000 gp)");
  EXPECT_EQ(Pick(TableNamed("Wands2"), 100).text, "Wand of Wonder (10,000 gp)");
}

TEST(Wands, KindsValuesAndPlayersView) {
  for (const auto& [table, expected] :
       {std::pair{&TableNamed("Wands1"), std::span<const Expected>(kWands1)},
        std::pair{&TableNamed("Wands2"), std::span<const Expected>(kWands2)}}) {
    ASSERT_EQ(table->rows.size(), expected.size()) << table->name;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      const Row& row = table->rows[i];
      const std::string line(row.text);
      SCOPED_TRACE(line);
      EXPECT_EQ(row.kind, RowKind::Fixed);
      EXPECT_EQ(row.lo, expected[i].lo);
      EXPECT_TRUE(line.ends_with(" (" + std::string(expected[i].value) + " gp)"));
      for (std::string_view banned : {" with ", " plus ", "+", "(Cursed)"}) {
        EXPECT_EQ(line.find(banned), std::string::npos) << banned;
      }
      std::string outward(expected[i].kind);
      if (line.starts_with("Staff-")) {
        EXPECT_EQ(line, expected[i].kind);
        EXPECT_EQ(line.find(" of "), std::string::npos);
        outward = "Staff";
      } else {
        EXPECT_TRUE(line.starts_with(outward + " of "));
      }
      // Earth & Stone shows the players a stone, not a wand.
      if (line == "Wand of Earth & Stone (10,000 gp)") {
        outward = "Stone";
      }
      EXPECT_EQ(playersview::ParsePlayers({line}), LineList{outward});
    }
  }
}

TEST(Wands, OneLineFromOneDrawnValue) {
  for (int d = 1; d <= 100; ++d) {
    for (const auto& [operation, name] : kOperations) {
      const Outcome run = RunFrom(SourceWhoseNextRollIs(100, d - 1), operation);
      EXPECT_EQ(run.lines, LineList{std::string(Pick(TableNamed(name), d).text)});
      EXPECT_EQ(run.draws, 1) << name << " d = " << d;
    }
  }
}

}  // namespace
}  // namespace vorneth::items
