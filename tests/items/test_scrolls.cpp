// Scrolls: the worked sequence from seed 14737260, the table's spell and protection rows, and
// over many seeds the shape, class, levels and number of draws of every scroll.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/generator.h"
#include "items/scrolls.h"
#include "items/spell_lists.h"
#include "playersview/players_view.h"
#include "support/engine_test_support.h"

namespace vorneth::items {
namespace {

using testing::Outcome;
using testing::RunFrom;
using testing::SourceWhoseNextRollIs;
using testing::TableNamed;

std::string Name(SpellClass spellClass, int level, std::size_t position) {
  return std::string(SpellList(spellClass, level)[position]);
}

TEST(Scrolls, WorkedSequenceFromTheFormSeed) {
  // The rolls themselves: d, y, z, then level and pick for each of three spells.
  RandomSource probe(14737260);
  EXPECT_EQ(probe.Roll(100) + 1, 33);
  EXPECT_EQ(probe.Roll(100) + 1, 84);
  EXPECT_EQ(probe.Roll(100) + 1, 9);
  EXPECT_EQ(probe.Roll(9) + 1, 5);
  EXPECT_EQ(probe.Roll(16), 6);
  EXPECT_EQ(probe.Roll(9) + 1, 9);
  EXPECT_EQ(probe.Roll(12), 0);
  EXPECT_EQ(probe.Roll(9) + 1, 8);
  EXPECT_EQ(probe.Roll(12), 10);
  constexpr SpellClass kDruidical = SpellClass::Druidical;
  EXPECT_EQ(SpellList(kDruidical, 3).size(), 16u);
  EXPECT_EQ(SpellList(kDruidical, 7).size(), 12u);
  EXPECT_EQ(SpellList(kDruidical, 6).size(), 12u);

  RandomSource random(14737260);
  Generator g(random, ",");
  Scrolls1(g);
  EXPECT_EQ(g.Lines(),
            (LineList{"Scroll with 1 Level 3 Druidical Spell - " + Name(kDruidical, 3, 6),
                      " plus 1 Level 7 Druidical Spell - " + Name(kDruidical, 7, 0),
                      " plus 1 Level 6 Druidical Spell - " + Name(kDruidical, 6, 10)}));
  EXPECT_EQ(random.Seed(), probe.Seed()) << "nine values in all";
  EXPECT_EQ(playersview::ParsePlayers(g.Lines()), LineList{"Scroll"});
}

TEST(Scrolls, SpellRowsOfTheFirstTable) {
  struct Expected {
    int lo, hi, count, die, base;
    bool adjusted;
  };
  constexpr Expected kSpellRows[] = {
      {1, 10, 1, 4, 1, false},  {11, 16, 1, 6, 1, false}, {17, 19, 1, 9, 1, true},
      {20, 24, 2, 4, 1, false}, {25, 27, 2, 9, 1, true},  {28, 32, 3, 4, 1, false},
      {33, 35, 3, 9, 1, true},  {36, 39, 4, 6, 1, false}, {40, 42, 4, 8, 1, true},
      {43, 46, 5, 6, 1, false}, {47, 49, 5, 8, 1, true},  {50, 52, 6, 6, 1, false},
      {53, 54, 6, 7, 2, true},  {55, 57, 7, 8, 1, false}, {58, 59, 7, 8, 2, false},
      {60, 60, 7, 7, 3, true}};
  const Table& table = TableNamed("Scrolls1");
  for (std::size_t i = 0; i < std::size(kSpellRows); ++i) {
    const Row& row = table.rows[i];
    const Expected& e = kSpellRows[i];
    SCOPED_TRACE("row " + std::to_string(e.lo));
    EXPECT_EQ(row.kind, RowKind::Spells);
    EXPECT_EQ(row.lo, e.lo);
    EXPECT_EQ(row.hi, e.hi);
    EXPECT_EQ(row.count, e.count);
    EXPECT_EQ(row.die, e.die);
    EXPECT_EQ(row.base, e.base);
    EXPECT_EQ(row.adjusted, e.adjusted);
  }
}

TEST(Scrolls, ProtectionAndCursedRows) {
  const std::vector<std::pair<int, std::string_view>> scrolls1 = {
      {61, "2,500 gp)"}, {63, "2,500 gp)"}, {65, "1,500 gp)"}, {71, "1,000 gp)"},
      {77, "1,500 gp)"}, {83, "2,000gp)"},  {88, "2,000 gp)"}, {93, "1,500 gp)"}};
  const std::vector<std::pair<int, std::string_view>> scrolls2 = {
      {1, "2,500gp)"},   {3, "2,000 gp)"},  {8, "2,000 gp)"},  {13, "2,000 gp)"}, {18, "1,500 gp)"},
      {23, "2,000 gp)"}, {28, "2,000 gp)"}, {33, "1,500 gp)"}, {38, "1,500 gp)"}, {43, "1,000 gp)"},
      {49, "1,000 gp)"}, {55, "2,000 gp)"}, {60, "1,500 gp)"}, {65, "1,000 gp)"}, {71, "1,000 gp)"},
      {77, "1,000 gp)"}, {83, "1,000 gp)"}, {89, "1,000 gp)"}, {95, "1,000 gp)"}};
  EXPECT_EQ(TableNamed("Scrolls1").rows.size(), 25u);
  EXPECT_EQ(TableNamed("Scrolls2").rows.size(), 19u);
  for (const auto& [table, rows] : {std::pair{&TableNamed("Scrolls1"), scrolls1},
                                    std::pair{&TableNamed("Scrolls2"), scrolls2}}) {
    for (const auto& [lo, ending] : rows) {
      const Row& row = Pick(*table, lo);
      const std::string line(row.text);
      SCOPED_TRACE(line);
      EXPECT_EQ(row.kind, RowKind::Fixed);
      EXPECT_EQ(row.lo, lo);
      EXPECT_TRUE(line.starts_with("Scroll of Protection ("));
      EXPECT_TRUE(line.ends_with(std::string(" ").append(ending)));
      EXPECT_EQ(playersview::ParsePlayers({line}), LineList{"Scroll"});
    }
  }
  EXPECT_EQ(Pick(TableNamed("Scrolls1"), 87).text, "Scroll of Protection (Petrification 2,000gp)");
  EXPECT_EQ(Pick(TableNamed("Scrolls1"), 97).text, "Scroll of Protection (Undead 1,500 gp)");
  EXPECT_EQ(Pick(TableNamed("Scrolls2"), 2).text, "Scroll of Protection (Acid 2,500gp)");
  EXPECT_EQ(Pick(TableNamed("Scrolls2"), 7).text,
            "Scroll of Protection (Breath Weapons, Dragon 2,000 gp)");
  const Row& cursed = Pick(TableNamed("Scrolls1"), 98);
  EXPECT_EQ(cursed.lo, 98);
  EXPECT_EQ(cursed.text, "Scroll (Cursed)");
  EXPECT_EQ(playersview::ParsePlayers({"Scroll (Cursed)"}), LineList{"Scroll "});
}

// The class a scroll's rolls choose: y, then z or w, read after d.
SpellClass ExpectedClass(RandomSource probe) {
  probe.Roll(100);
  if (probe.Roll(100) + 1 > 70) {
    return probe.Roll(100) + 1 < 26 ? SpellClass::Druidical : SpellClass::Clerical;
  }
  return probe.Roll(100) + 1 < 11 ? SpellClass::Illusionist : SpellClass::MagicUser;
}

TEST(Scrolls, EveryScrollOverManySeeds) {
  bool priestlyLevelAboveSeven = false;
  int lowestRow60Priestly = 99;
  int highestRow60Priestly = 0;
  for (std::uint32_t seed = 1; seed <= 20000; ++seed) {
    const RandomSource start(seed * 2654435761u);
    RandomSource probe = start;
    const int d = probe.Roll(100) + 1;
    const Row& row = Pick(TableNamed("Scrolls1"), d);
    const SpellClass spellClass = ExpectedClass(start);
    const bool priestly = spellClass == SpellClass::Clerical || spellClass == SpellClass::Druidical;

    const Outcome run = RunFrom(start, Scrolls1);
    const LineList& lines = run.lines;
    ASSERT_FALSE(lines.empty()) << "d = " << d;
    SCOPED_TRACE("d = " + std::to_string(d) + ", first line " + std::string(lines.front()));
    if (row.kind != RowKind::Spells) {
      EXPECT_EQ(lines, LineList{std::string(row.text)});
      EXPECT_EQ(run.draws, 3);
      continue;
    }
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(row.count));
    EXPECT_EQ(run.draws, 3 + 2 * row.count);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string lead = i == 0 ? "Scroll with 1 Level " : " plus 1 Level ";
      ASSERT_TRUE(lines[i].starts_with(lead)) << lines[i];
      const std::size_t classAt = lines[i].find(' ', lead.size()) + 1;
      const int level = std::stoi(std::string(lines[i].substr(lead.size())));
      const std::size_t spellAt = lines[i].find(" Spell - ");
      ASSERT_NE(spellAt, std::string::npos);
      EXPECT_EQ(lines[i].substr(classAt, spellAt - classAt), SpellClassText(spellClass));
      // The level as rolled, two lower for a priest's level above 3 on an adjusted row.
      const int lowest = row.base;
      const int highest = row.base + row.die - 1;
      if (row.adjusted && priestly) {
        EXPECT_TRUE((level >= lowest && level <= 3) || (level >= 2 && level <= highest - 2))
            << level;
      } else {
        EXPECT_TRUE(level >= lowest && level <= highest) << level;
      }
      if (priestly && (d >= 55 && d <= 59) && level > 7) {
        priestlyLevelAboveSeven = true;
      }
      if (priestly && d == 60) {
        lowestRow60Priestly = std::min(lowestRow60Priestly, level);
        highestRow60Priestly = std::max(highestRow60Priestly, level);
      }
      const auto list = SpellList(spellClass, level);
      const std::string_view name = lines[i].substr(spellAt + 9);
      EXPECT_NE(std::find(list.begin(), list.end(), name), list.end()) << name;
    }
  }
  EXPECT_TRUE(priestlyLevelAboveSeven);
  EXPECT_EQ(lowestRow60Priestly, 2);
  EXPECT_EQ(highestRow60Priestly, 7);
}

TEST(Scrolls, SecondTableDrawsOneValue) {
  for (int d = 1; d <= 100; ++d) {
    const Outcome run = RunFrom(SourceWhoseNextRollIs(100, d - 1), Scrolls2);
    EXPECT_EQ(run.lines, LineList{std::string(Pick(TableNamed("Scrolls2"), d).text)});
    EXPECT_EQ(run.draws, 1) << "d = " << d;
  }
}

}  // namespace
}  // namespace vorneth::items
