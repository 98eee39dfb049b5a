// The 30 spell lists: their sizes and order, the list a class and level fall to, the single
// roll of RandomSpell, and names that leave a scroll looking like a plain scroll.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/generator.h"
#include "items/spell_lists.h"
#include "playersview/players_view.h"

namespace vorneth::items {
namespace {

struct ClassLevels {
  SpellClass spellClass;
  std::string_view text;
  std::vector<std::size_t> sizes;  // by level, from 1
};

const std::vector<ClassLevels> kClasses = {
    {SpellClass::MagicUser, "Magic User", {39, 36, 32, 32, 30, 30, 24, 20, 16}},
    {SpellClass::Illusionist, "Illusionist", {16, 16, 16, 12, 12, 12, 46}},
    {SpellClass::Clerical, "Clerical", {20, 20, 20, 16, 16, 12, 12}},
    {SpellClass::Druidical, "Druidical", {16, 16, 16, 12, 12, 12, 12}},
};

bool StrictlyAscending(std::span<const std::string_view> names) {
  return std::adjacent_find(names.begin(), names.end(), std::greater_equal<>()) == names.end();
}

TEST(SpellLists, SizesAddUpTo601) {
  std::size_t total = 0;
  for (const auto& [spellClass, text, sizes] : kClasses) {
    EXPECT_EQ(SpellClassText(spellClass), text);
    for (std::size_t level = 1; level <= sizes.size(); ++level) {
      const auto list = SpellList(spellClass, static_cast<int>(level));
      EXPECT_EQ(list.size(), sizes[level - 1]) << text << " " << level;
      total += list.size();
    }
  }
  EXPECT_EQ(total, 601u);
}

TEST(SpellLists, AlphabeticalWithoutDuplicatesSaveTheTwoExceptions) {
  for (const auto& [spellClass, text, sizes] : kClasses) {
    for (std::size_t level = 1; level <= sizes.size(); ++level) {
      const auto list = SpellList(spellClass, static_cast<int>(level));
      SCOPED_TRACE(std::string(text) + " " + std::to_string(level));
      EXPECT_EQ(std::set<std::string_view>(list.begin(), list.end()).size(), list.size());
      if (spellClass == SpellClass::Illusionist && level == 7) {
        continue;
      }
      std::vector<std::string_view> names(list.begin(), list.end());
      if (spellClass == SpellClass::MagicUser && level == 5) {
        const auto conjure = std::find(names.begin(), names.end(), "Conjure Elemental");
        ASSERT_NE(conjure, names.end());
        ASSERT_NE(conjure + 1, names.end());
        EXPECT_EQ(*(conjure + 1), "Cone of Cold");
        std::iter_swap(conjure, conjure + 1);
      }
      EXPECT_TRUE(StrictlyAscending(names));
    }
  }
}

TEST(SpellLists, SeventhLevelIllusionistEndsWithTheFirstLevelMagicUserList) {
  const auto list = SpellList(SpellClass::Illusionist, 7);
  const auto own = list.first(7);
  EXPECT_EQ(own.front(), "Alter Reality");
  EXPECT_EQ(own.back(), "Weird");
  EXPECT_TRUE(StrictlyAscending(own));
  const auto firstLevel = SpellList(SpellClass::MagicUser, 1);
  EXPECT_TRUE(std::equal(list.begin() + 7, list.end(), firstLevel.begin(), firstLevel.end()));
}

TEST(SpellLists, LevelsBeyondAClassFallToItsHighestList) {
  const auto same = [](std::span<const std::string_view> a, std::span<const std::string_view> b) {
    return a.data() == b.data() && a.size() == b.size();
  };
  constexpr SpellClass kMagicUser = SpellClass::MagicUser;
  EXPECT_TRUE(same(SpellList(kMagicUser, 10), SpellList(kMagicUser, 9)));
  EXPECT_TRUE(same(SpellList(kMagicUser, 0), SpellList(kMagicUser, 9)));
  EXPECT_FALSE(same(SpellList(kMagicUser, 8), SpellList(kMagicUser, 9)));
  for (SpellClass spellClass :
       {SpellClass::Illusionist, SpellClass::Clerical, SpellClass::Druidical}) {
    SCOPED_TRACE(SpellClassText(spellClass));
    EXPECT_TRUE(same(SpellList(spellClass, 8), SpellList(spellClass, 7)));
    EXPECT_TRUE(same(SpellList(spellClass, 9), SpellList(spellClass, 7)));
  }
}

TEST(SpellLists, RandomSpellDrawsOnePositionFromTheList) {
  RandomSource random(14737260);
  RandomSource probe = random;
  ASSERT_EQ(probe.Roll(39), 12);
  Generator g(random, ",");
  EXPECT_EQ(RandomSpell(g, SpellClass::MagicUser, 1),
            " - " + std::string(SpellList(SpellClass::MagicUser, 1)[12]));
  EXPECT_EQ(random.Seed(), probe.Seed());

  // A druidical level 9 is drawn from the twelve names of level 7.
  RandomSource again(14737260);
  RandomSource expected = again;
  const auto position = static_cast<std::size_t>(expected.Roll(12));
  Generator g2(again, ",");
  EXPECT_EQ(RandomSpell(g2, SpellClass::Druidical, 9),
            " - " + std::string(SpellList(SpellClass::Druidical, 7)[position]));
  EXPECT_EQ(again.Seed(), expected.Seed());
}

TEST(SpellLists, EverySpellLeavesItsScrollAPlainScrollToThePlayers) {
  for (const auto& [spellClass, text, sizes] : kClasses) {
    for (std::size_t level = 1; level <= sizes.size(); ++level) {
      for (std::string_view name : SpellList(spellClass, static_cast<int>(level))) {
        const std::string spell = " 1 Level " + std::to_string(level) + " " + std::string(text) +
                                  " Spell - " + std::string(name);
        EXPECT_EQ(playersview::ParsePlayers({"Scroll with" + spell, " plus" + spell}),
                  LineList{"Scroll"})
            << name;
      }
    }
  }
}

}  // namespace
}  // namespace vorneth::items
