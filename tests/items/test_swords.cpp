// Magic swords: the blade type is always rolled first, then the table; typed rows follow the
// blade type, whole rows name their own blade.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "items/swords.h"
#include "items/table.h"
#include "playersview/players_view.h"
#include "support/engine_test_support.h"

namespace vorneth::items {
namespace {

using testing::LineOutcome;
using testing::RunOneLineFrom;
using testing::SeedGiving;
using testing::TableNamed;

// The highest "+N" in a text, 0 when it has none.
int HighestPlus(std::string_view text) {
  int highest = 0;
  for (std::size_t at = text.find('+'); at != std::string_view::npos; at = text.find('+', at + 1)) {
    if (at + 1 < text.size() && text[at + 1] >= '0' && text[at + 1] <= '9') {
      highest = std::max(highest, text[at + 1] - '0');
    }
  }
  return highest;
}

TEST(Swords, TypeRollFirstThenTableRoll) {
  const LineOutcome great = RunOneLineFrom(SeedGiving({{100, 99}, {100, 97}}), Swords2);
  EXPECT_EQ(great.line, "Greatsword Vorpal Weapon (50,000 gp)");
  EXPECT_EQ(great.draws, 2);

  const LineOutcome plain = RunOneLineFrom(SeedGiving({{100, 0}, {100, 0}}), Swords1);
  EXPECT_EQ(plain.line, "Longsword +1 (2,000 gp)");
  EXPECT_EQ(plain.draws, 2);

  EXPECT_EQ(RunOneLineFrom(SeedGiving({{100, 0}, {100, 15}}), Swords2).line,
            "Longsword, Anything (35,000 gp)");
  EXPECT_EQ(RunOneLineFrom(SeedGiving({{100, 94}, {100, 99}}), Swords1).line,
            "Bastardsword Cursed Beserking");

  const Table& blade = TableNamed("Swords.Type");
  const std::map<int, std::string_view> bounds = {{1, "Long"},     {69, "Long"},    {70, "Broad"},
                                                  {89, "Broad"},   {90, "Short"},   {94, "Short"},
                                                  {95, "Bastard"}, {99, "Bastard"}, {100, "Great"}};
  for (const auto& [t, type] : bounds) {
    EXPECT_EQ(Pick(blade, t).text, type) << t;
  }
}

TEST(Swords, WholeRowsIgnoreTheTypeButStillRollIt) {
  for (int type : {0, 99}) {
    const LineOutcome sun = RunOneLineFrom(SeedGiving({{100, type}, {100, 0}}), Swords2);
    EXPECT_EQ(sun.line, "Bastardsword Sun Blade (20,000 gp)");
    EXPECT_EQ(sun.draws, 2);
    const LineOutcome word = RunOneLineFrom(SeedGiving({{100, type}, {100, 31}}), Swords2);
    EXPECT_EQ(word.line, "Broadsword 'Final Word' (50,000 gp)");
    EXPECT_EQ(word.draws, 2);
    const LineOutcome quick = RunOneLineFrom(SeedGiving({{100, type}, {100, 66}}), Swords1);
    EXPECT_EQ(quick.line, "Shortsword of Quickness +2 (8,000 gp)");
    EXPECT_EQ(quick.draws, 2);
  }
}

TEST(Swords, QuotedRowsReadExactly) {
  const Table& one = TableNamed("Swords1");
  EXPECT_EQ(Pick(one, 25).text, "sword +1 (2,000 gp)");
  EXPECT_EQ(Pick(one, 41).text, "sword +1, +4 vs. reptiles (4,000 gp)");
  EXPECT_EQ(Pick(one, 46).text, "sword +1, Flame Tongue (4,500 gp)");
  EXPECT_EQ(Pick(one, 80).text, "sword of the Planes (15,000 gp)");
  EXPECT_EQ(Pick(one, 86).text, "sword +4, Defender (15,000 gp)");
  EXPECT_EQ(Pick(one, 89).text, "sword +1 Cursed");
  EXPECT_EQ(Pick(one, 98).text, "sword -2 Cursed");
  EXPECT_EQ(Pick(one, 100).text, "sword Cursed Beserking");
  const Table& two = TableNamed("Swords2");
  EXPECT_EQ(Pick(two, 61).text, "sword +5, Defender (18,000 gp)");
  EXPECT_EQ(Pick(two, 97).text, "sword of Sharpness (35,000 gp)");
}

// The words the players' view reads in sword lines stand only in their own rows, so no quality
// word set in the data can trigger them; typed rows begin with "sword".
TEST(Swords, MarkedWordsStandOnlyInTheirRows) {
  const std::map<std::string_view, std::vector<std::string_view>> expected = {
      {"Cursed", {"Swords1 89", "Swords1 95", "Swords1 99"}},
      {"Vorpal", {"Swords2 98"}},
      {"Sun Blade", {"Swords2 1"}},
      {"Anything", {"Swords2 16"}},
      {"Final Word", {"Swords2 17"}}};
  std::map<std::string_view, std::vector<std::string>> found;
  for (std::string_view name : {"Swords1", "Swords2"}) {
    for (const Row& row : TableNamed(name).rows) {
      if (row.kind == RowKind::Typed) {
        EXPECT_TRUE(row.text.starts_with("sword")) << row.text;
      } else {
        EXPECT_EQ(row.kind, RowKind::Fixed);
      }
      for (const auto& [word, rows] : expected) {
        if (row.text.find(word) != std::string_view::npos) {
          found[word].push_back(std::string(name) + " " + std::to_string(row.lo));
        }
      }
    }
  }
  for (const auto& [word, rows] : expected) {
    EXPECT_EQ(found[word], std::vector<std::string>(rows.begin(), rows.end())) << word;
  }
}

TEST(Swords, CursedSwordsHaveNoValueAndPlusesStayInRange) {
  int highest1 = 0;
  for (const Row& row : TableNamed("Swords1").rows) {
    highest1 = std::max(highest1, HighestPlus(row.text));
    const bool cursed = row.text.find("Cursed") != std::string_view::npos;
    EXPECT_EQ(row.text.ends_with(" gp)"), !cursed) << row.text;
  }
  EXPECT_EQ(highest1, 5);
  int highest2 = 0;
  for (const Row& row : TableNamed("Swords2").rows) {
    highest2 = std::max(highest2, HighestPlus(row.text));
    EXPECT_TRUE(row.text.ends_with(" gp)")) << row.text;
  }
  EXPECT_EQ(highest2, 6);
}

// Whatever the blade, the players see a plain sword: no plus, curse, quality or price.
TEST(Swords, PlayersSeeAPlainSword) {
  for (std::string_view name : {"Swords1", "Swords2"}) {
    for (const Row& row : TableNamed(name).rows) {
      std::string dm(row.text);
      if (row.kind == RowKind::Typed) {
        dm = "Great" + dm;
      }
      const LineList players = playersview::ParsePlayers({dm});
      ASSERT_EQ(players.size(), 1u);
      const std::string seen(players.front());
      SCOPED_TRACE(dm + " -> " + seen);
      EXPECT_TRUE(seen.starts_with("Greatsword") || seen.starts_with("Shortsword") ||
                  seen.starts_with("Bastardsword") || seen.starts_with("Broadsword"));
      EXPECT_LE(seen.size(), std::string("Bastardsword ").size());
    }
  }
}

}  // namespace
}  // namespace vorneth::items
