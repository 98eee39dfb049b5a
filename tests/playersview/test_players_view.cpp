// The players' list as the party sees it: outward forms, cuts, gem looks, dropped scroll
// continuation lines. Every comparison is of whole lines, so a lost trailing blank fails.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "generator/gems_jewelry.h"
#include "playersview/hoard_lists.h"
#include "playersview/players_view.h"
#include "playersview/rewrite_tables.h"

namespace vorneth::playersview {
namespace {

std::string Players(const std::string& dmLine) {
  const LineList players = ParsePlayers({dmLine});
  EXPECT_EQ(players.size(), 1U) << dmLine;
  return players.empty() ? std::string("<dropped>") : std::string(players.front());
}

TEST(PlayersView, DmLinesBecomeWhatThePlayersSee) {
  const std::pair<std::string, std::string> cases[] = {
      {"5 Gems (Azurite 50 gp)", "5 Gems (Opaque, mottled deep blue)"},
      {"2 Gems (Garnet, Violet 1,000 gp)", "2 Gems (Transparent, violet)"},
      {"3 Gems (Garnet, Red 300 gp)", "3 Gems (Transparent, red)"},
      {"3 Gems (Bloodstone 150 gp)", "3 Gems (Opaque, dark gray with red flecks)"},
      {"4 Jewelry Items (Silver with Gems 12,000 gp)", "4 Jewelry Items "},
      {"4 Jewelry Items (Ivory 400 gp)", "4 Jewelry Items "},
      {"Potion of Climbing (500 gp)", "Potion"},
      {"Staff-Mace (12,500 gp)", "Staff"},
      {"Elfin Chain Mail +2 (12,500 gp)", "Chain Mail"},
      {"Plate Mail +3 (15,500 gp)", "Plate Mail "},
      {"Shield -1 Missile Attractor (750 gp)", "Shield"},
      {"Broadsword 'Final Word' (50,000 gp)", "Broadsword "},
      {"Bastardsword Sun Blade (20,000 gp)", "Bastardsword"},
      {"Longsword, Anything (35,000 gp)", "Longsword"},
      {"Scroll (Cursed)", "Scroll "},
      {"Crossbow of Accuracy +3 (12,000 gp)", "Crossbow"},
      {"Figurine, Stone Horse (10,000 gp)", "Sculpture"},
      {"Ring of Feather Falling (5,000 gp)", "Charm"},
      {"Wand of Earth & Stone (10,000 gp)", "Stone"},
      {"Scroll of Protection (Petrification 2,000gp)", "Scroll"},
      {"Scroll with 1 Level 3 Magic User Spell - Fly", "Scroll"},
      {"12 Jewelry Items (Gold with Gems 40,000 gp)", "12 Jewelry Items "},
      {"1 Gems (Star Ruby 1,000 gp)",
       "1 Gems (Translucent, deep crimson with white 'star' center)"},
      {"2 Gems (Diamond 10,000 gp)", "2 Gems (Transparent, clear white-blue)"},
  };
  for (const auto& [dm, players] : cases) {
    EXPECT_EQ(Players(dm), players) << dm;
  }
}

TEST(PlayersView, CoinLinesAndAnEmptyHoardPassUnchanged) {
  for (const std::string line :
       {"12,345 Gold coins", "9 Copper coins", "1.234.567 Silver coins", "Nothing Found"}) {
    EXPECT_EQ(Players(line), line);
  }
  const Hoard empty = GenerateHoard(HoardRequest{});
  EXPECT_EQ(empty.DMList, LineList{"Nothing Found"});
  EXPECT_EQ(empty.PlayersList, LineList{"Nothing Found"});
}

TEST(PlayersView, AScrollOfSeveralSpellsIsOneLineAndLeavesNoGap) {
  const LineList dm = {
      "Scroll with 1 Level 2 Clerical Spell - Bless",
      " plus 1 Level 4 Clerical Spell - Cure Wounds",
      " plus 1 Level 1 Clerical Spell - Light",
      "7 Gold coins",
  };
  EXPECT_EQ(ParsePlayers(dm), (LineList{"Scroll", "7 Gold coins"}));
  // " plus " needs both blanks; "plus" alone or at the line's end keeps the line.
  EXPECT_EQ(ParsePlayers({"Surplus coins", "a plus"}).size(), 2U);
}

TEST(PlayersView, TheEarlierKeyDecidesWhereverItStands) {
  // "Stone Horse" before "Stone": the outward form is then cut before " of ".
  std::string line = "Stone Horse";
  ParseSubs(line);
  EXPECT_EQ(line, "Sculpture of a Horse");
  // "Potion" is the first key even when another key stands to its left.
  line = "Bottle with a Potion";
  ParseSubs(line);
  EXPECT_EQ(line, "Potion");
  // "Flask" comes before "Bottle"; " Ball " and " Feather " need their blanks.
  EXPECT_EQ(Players("Bottle-shaped Flask (1 gp)"), "Bottle");
  EXPECT_EQ(Players("Iron Ball (1 gp)"), "Crystal Ball");
  EXPECT_EQ(Players("Iron Ball"), "Iron Ball");
  EXPECT_EQ(Players("Featherweight Ring of Sorts"), "Featherweight Ring");
  // Case matters: "Bloodstone" and "Moonstone" hold no "Stone".
  EXPECT_EQ(Players("6 Gems (Moonstone 300 gp)"), "6 Gems (Translucent, white with a blue sheen)");
}

TEST(PlayersView, TruncationCutsCountFromTheMarkersPosition) {
  const std::pair<std::string, std::string> cases[] = {
      // p + 13 characters: through "Jewelry Items" and one more, or the whole line.
      {"Jewelry Items", "Jewelry Items"},
      {"3 Jewelry Items", "3 Jewelry Items"},
      {"3 Jewelry Items!!", "3 Jewelry Items!"},
      // p - 2 characters: none at all when the marker starts the line or follows one character.
      {"Final Word", ""},
      {"'Final Word'", ""},
      {"A 'Final Word'", "A "},
      // Tested on "sword, Anything ", cut at the leftmost ", Anything", wherever it stands.
      {"Axe, Anything; Shortsword, Anything (5 gp)", "Axe"},
      {"Longsword, Anything", "Longsword, Anything"},
      // The " with " pre-step runs first and can remove the later markers.
      {"Shield with a Crest +1", "Shield"},
      // Only the first test that succeeds cuts.
      {"Mace +1, Cursed (500 gp)", "Mace +1,"},
      {"Mace -2 of Dullness", "Mace -2"},
      {"Dagger Cursed -1 (10 gp)", "Dagger"},
      {"Spear Vorpal +1", "Spear"},
      {"+5", ""},
  };
  for (const auto& [dm, cut] : cases) {
    std::string line = dm;
    ParseTrunc(line);
    EXPECT_EQ(line, cut) << dm;
  }
}

TEST(PlayersView, SecondTestsTellTheSharedStonesApart) {
  const std::pair<std::string, std::string> cases[] = {
      {"2 Gems (Pearl, White 200 gp)", "2 Gems (Opaque, white)"},
      {"2 Gems (Pearl, Black 1,000 gp)", "2 Gems (Opaque, black)"},
      {"2 Gems (Spinel, Deep Blue 1,000 gp)", "2 Gems (Transparent, deep blue)"},
      {"2 Gems (Spinel, Deep Green 200 gp)", "2 Gems (Transparent, deep green)"},
      // "Pearl" without its comma is not a gem name.
      {"Pearl of Wisdom (500 gp)", "Pearl"},
  };
  for (const auto& [dm, players] : cases) {
    EXPECT_EQ(Players(dm), players) << dm;
  }
}

// Which appearance row (and which branch of it) the first matching test picks.
std::pair<std::size_t, bool> AppearanceOutcome(const std::string& line) {
  for (std::size_t i = 0; i < std::size(kAppearances); ++i) {
    const Appearance& a = kAppearances[i];
    if (line.find(a.name) != std::string::npos) {
      return {i, a.secondTest.empty() || line.find(a.secondTest) != std::string::npos};
    }
  }
  return {std::size(kAppearances), false};
}

TEST(PlayersView, EveryGemKindHasItsOwnTestAndALook) {
  std::set<std::pair<std::size_t, bool>> outcomes;
  int kinds = 0;
  for (const GemBand& band : GemBands()) {
    for (const std::string_view name : band.names) {
      ++kinds;
      const std::string dm = "7 Gems (" + std::string(name) + " 70 gp)";
      SCOPED_TRACE(dm);
      const auto outcome = AppearanceOutcome(dm);
      ASSERT_LT(outcome.first, std::size(kAppearances));
      // The deciding test is the stone's own name, not a name it contains or one containing it.
      const std::string_view test = kAppearances[outcome.first].name;
      EXPECT_TRUE(name == test || (test.size() >= 6 && name.starts_with(test)));
      outcomes.insert(outcome);

      const std::string players = Players(dm);
      ASSERT_TRUE(players.starts_with("7 Gems ("));
      EXPECT_TRUE(players.ends_with(")"));
      EXPECT_EQ(players.find(name), std::string::npos) << "the name shows: " << players;
      EXPECT_EQ(players.find("gp"), std::string::npos) << "the value shows: " << players;
    }
  }
  EXPECT_EQ(kinds, 56);
  EXPECT_EQ(outcomes.size(), 56U) << "two stones share one outcome";
  EXPECT_EQ(kAppearances[50].name, "Ruby");
  EXPECT_EQ(kAppearances[51].name, "Opal");
  EXPECT_EQ(kAppearances[52].name, "Amethyst");
}

TEST(PlayersView, SubstitutionTableHoldsThirtyFiveOutwardForms) {
  std::set<std::string_view> forms;
  for (const Substitution& s : kSubstitutions) {
    forms.insert(s.outward);
  }
  EXPECT_EQ(forms.size(), 35U);
  EXPECT_EQ(kSubstitutions[0].key, "Potion");
  EXPECT_EQ(kSubstitutions[53].key, "Bottle");
}

}  // namespace
}  // namespace vorneth::playersview
