// The search for seeds: what counts as cursed, the conditions as given, and the seeds found on
// any number of threads against a plain count of the same seeds.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "formats/hoard_record.h"
#include "items/spell_lists.h"
#include "items/table.h"
#include "search/conditions.h"
#include "search/features.h"
#include "search/find_range.h"
#include "search/find_seeds.h"
#include "search/lower_case.h"

namespace vorneth::search {
namespace {

TEST(Curses, EveryCursedRowOfTheTablesIsCaughtAndNoOther) {
  const std::set<std::string_view> cursed = {"Scroll (Cursed)", "sword +1 Cursed",
                                             "sword -2 Cursed", "sword Cursed Beserking",
                                             "Spear Cursed Backbiter (1,000 gp)"};
  const LineOrigin item{Family::Misc, "any"};
  std::vector<const items::Table*> pending(items::AllTables().begin(), items::AllTables().end());
  std::set<const items::Table*> seen(pending.begin(), pending.end());
  std::set<std::string_view> caught;
  while (!pending.empty()) {
    const items::Table& table = *pending.back();
    pending.pop_back();
    for (const items::Row& row : table.rows) {
      const std::string line = (row.kind == items::RowKind::Typed ? "Long" : "") +
                               std::string(row.text) + std::string(row.suffix);
      if (IsCursedItem(line, item)) {
        caught.insert(row.text);
      }
      if (row.sub != nullptr && seen.insert(row.sub).second) {
        pending.push_back(row.sub);
      }
    }
  }
  EXPECT_EQ(caught, cursed);

  // "Bestow Curse" and "Remove Curse" are spells on a scroll, not curses on it.
  for (const auto spellClass : {items::SpellClass::MagicUser, items::SpellClass::Illusionist,
                                items::SpellClass::Clerical, items::SpellClass::Druidical}) {
    for (int level = 1; level <= 9; ++level) {
      for (const std::string_view spell : items::SpellList(spellClass, level)) {
        const std::string line = "Scroll with 1 Level 3 Clerical Spell - " + std::string(spell);
        EXPECT_FALSE(IsCursedItem(line, {Family::Scroll, "Scrolls1"})) << line;
      }
    }
  }
  EXPECT_FALSE(IsCursedItem("Scroll (Cursed)", {}));  // no item table's line
}

TEST(Conditions, ValuesAndCombinationsAreRefusedInOneLine) {
  const std::vector<std::pair<ConditionOption, std::string>> bad = {
      {ConditionOption::WorthMin, "-5"},       {ConditionOption::WorthMax, "1e6"},
      {ConditionOption::MaxWeight, ""},        {ConditionOption::WorthMin, "1000000000000"},
      {ConditionOption::With, "swords"},       {ConditionOption::Without, "text:"},
      {ConditionOption::With, "potion,scroll"}};
  for (const auto& [option, value] : bad) {
    Conditions conditions;
    const std::string problem = AddCondition(conditions, option, value);
    EXPECT_TRUE(problem.starts_with(OptionName(option))) << value << ": " << problem;
    EXPECT_EQ(problem.find('\n'), std::string::npos);
  }

  Conditions c;
  for (const auto& [option, value] : std::vector<std::pair<ConditionOption, std::string>>{
           {ConditionOption::WorthMin, "50000"},
           {ConditionOption::WorthMax, "80000"},
           {ConditionOption::MaxWeight, "250"},
           {ConditionOption::With, "Sword"},
           {ConditionOption::With, "text:Vorpal Weapon"},
           {ConditionOption::Without, "cursed"},
           {ConditionOption::Without, "gems"}}) {
    ASSERT_EQ(AddCondition(c, option, value), "");
  }
  EXPECT_EQ(ConditionsProblem(c), "");
  EXPECT_EQ(ConditionsWords(c, "."),
            "worth 50.000 to 80.000 gp, coins of at most 250 lb, with a magic sword and a line "
            "holding \"vorpal weapon\", without gems or a cursed item");
  EXPECT_EQ(ConditionsWords({}, ","), "no condition");

  Conditions opposite = c;
  ASSERT_EQ(AddCondition(opposite, ConditionOption::Without, "SWORD"), "");
  EXPECT_EQ(ConditionsProblem(opposite), "--with sword and --without sword ask for opposites");
  opposite = c;
  ASSERT_EQ(AddCondition(opposite, ConditionOption::Without, "text:vorpal"), "");
  EXPECT_NE(ConditionsProblem(opposite), "");
  opposite = c;
  ASSERT_EQ(AddCondition(opposite, ConditionOption::WorthMin, "80001"), "");
  EXPECT_EQ(ConditionsProblem(opposite),
            "--worth-min 80001 is above --worth-max 80000: no hoard is worth both");
}

// The conditions of the searches below, checked by hand on the whole hoard.
constexpr worth::Exchange kExchange = worth::Exchange::Basic;
bool MeetsByHand(const formats::HoardRecord& r) {
  const worth::Totals& t = r.dm.totals;
  bool sword = false;
  bool cursed = false;
  bool plate = false;
  for (std::size_t i = 0; i < r.hoard.DMList.size(); ++i) {
    sword = sword || r.hoard.DMOrigins[i].family == Family::Sword;
    cursed = cursed || IsCursedItem(r.hoard.DMList[i], r.hoard.DMOrigins[i]);
    plate = plate || LowerCase(r.hoard.DMList[i]).find("plate") != std::string::npos;
  }
  return t.totalValue() >= 20000 * worth::CopperPerGold(kExchange) && t.coinCount() <= 20000 &&
         sword && !cursed && !plate;
}

TEST(FindSeeds, AnyThreadsAndRangesFindTheSeedsAPlainCountFinds) {
  HoardRequest request;
  request.Count('A') = 1;
  request.CustMagic = 2;
  request.Seed = 0xFFFFF000u;  // the tries run past 4294967295 on to 0
  Conditions conditions;
  for (const auto& [option, value] : std::vector<std::pair<ConditionOption, std::string>>{
           {ConditionOption::WorthMin, "20000"},
           {ConditionOption::MaxWeight, "2000"},
           {ConditionOption::With, "sword"},
           {ConditionOption::Without, "cursed"},
           {ConditionOption::Without, "text:PLATE"}}) {
    ASSERT_EQ(AddCondition(conditions, option, value), "");
  }
  const std::uint64_t tries = 10'000;

  std::vector<std::uint32_t> byHand;
  for (std::uint64_t i = 0; i < tries; ++i) {
    HoardRequest seeded = request;
    seeded.Seed = static_cast<std::uint32_t>(request.Seed + i);
    if (MeetsByHand(formats::MakeRecord(seeded, ",", kExchange))) {
      byHand.push_back(seeded.Seed);
    }
  }
  ASSERT_GT(byHand.size(), 20u);
  ASSERT_LT(byHand.size(), tries / 4);
  const std::vector<std::uint32_t> first(byHand.begin(), byHand.begin() + 7);

  for (const unsigned threads : {1u, 2u, 5u}) {
    const SearchResult counted =
        FindSeeds(request, kExchange, conditions, {tries, 7, true}, threads);
    EXPECT_EQ(counted.matches, byHand.size()) << threads << " threads";
    EXPECT_EQ(counted.seeds, first) << threads << " threads";
    EXPECT_EQ(FindSeeds(request, kExchange, conditions, {tries, 7, false}, threads).seeds, first);
  }

  // The browser's workers take ranges of their own.
  HoardFilter filter(request, kExchange, conditions);
  const Found low = FindInRange(filter, request.Seed, 4000, 7);
  const Found high = FindInRange(filter, request.Seed + 4000, tries - 4000, 0);
  EXPECT_EQ(low.matches + high.matches, byHand.size());
  std::vector<std::uint32_t> lowByHand;
  for (const std::uint32_t seed : byHand) {
    if (seed - request.Seed < 4000 && lowByHand.size() < 7) {  // modulo 2^32
      lowByHand.push_back(seed);
    }
  }
  EXPECT_EQ(low.seeds, lowByHand);
}

}  // namespace
}  // namespace vorneth::search
