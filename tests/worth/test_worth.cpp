// The worth of a DM list: each line's kind and value, the totals, and agreement with generated
// hoards.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "playersview/hoard_lists.h"
#include "worth/worth.h"

namespace vorneth::worth {
namespace {

using Lines = LineList;

LineValue One(const std::string& line, std::string_view separator = ",") {
  return ValueList(Lines{line}, separator).lines.at(0);
}

TEST(Worth, EachFormOfLineIsReadWithItsFacts) {
  struct Case {
    std::string line;
    std::string_view separator;
    LineKind kind;
    std::int64_t count;                // coins: amount; lots: pieces
    std::optional<std::int64_t> gold;  // the value in gold pieces
  };
  const std::string narrow = "\u202f";  // a multi-byte separator (French)
  const Case cases[] = {
      {"1,234 Gold coins", ",", LineKind::Coins, 1234, 1234},
      {"2,000 Platinum coins", ",", LineKind::Coins, 2000, 10000},
      {"1.234.567 Electrum coins", ".", LineKind::Coins, 1234567, std::nullopt},
      {"12" + narrow + "345 Silver coins", narrow, LineKind::Coins, 12345, std::nullopt},
      {"10000 Copper coins", ",", LineKind::Coins, 10000, 50},  // plain digits from an edit
      {"37 Gems (Moss Agate 370 gp)", ",", LineKind::Gems, 37, 370},
      {"1 200 Gems (Jet 120 000 gp)", " ", LineKind::Gems, 1200, 120000},  // a blank separator
      {"12 Gems (St. Elmo's Fire 1.200 gp)", ".", LineKind::Gems, 12, 1200},
      {"2 Jewelry Items (Wrought Gold 3,114 gp)", ",", LineKind::Jewelry, 2, 3114},
      {"A Map", ",", LineKind::Map, 0, std::nullopt},
      {"Nothing Found", ",", LineKind::Nothing, 0, std::nullopt},
      {"", ",", LineKind::Blank, 0, std::nullopt},
      {" \t ", ",", LineKind::Blank, 0, std::nullopt},
      {"Potion of Clairvoyance (500 gp)", ".", LineKind::Magic, 0, 500},  // items always use ","
      {"Scroll of Protection (Undead 1,500 gp)", ".", LineKind::Magic, 0, 1500},
      {"Scroll of Protection (Petrification 2,000gp)", ",", LineKind::Magic, 0, 2000},
      {"Boots (Winged 20,000 gp)", ",", LineKind::Magic, 0, 20000},
      {"Dagger +2, +3 vs. creatures larger than man size (2,000 gp)", ",", LineKind::Magic, 0,
       2000},
      {"Jewel of Flawlessness 62 facets", ",", LineKind::Magic, 0, std::nullopt},
      // Unpriced lines the tables write: fixed, counted, and a spell scroll's first line.
      {"Potion of Poison", ",", LineKind::Magic, 0, std::nullopt},
      {"Scroll with 1 Level 3 Magic User Spell - Fireball", ",", LineKind::Magic, 0, std::nullopt},
      // Edited, odd and hostile lines: never an error; a priced line is an item, and a line of
      // no hoard's form an other line.
      {"Gems (Jet 10 gp)", ",", LineKind::Magic, 0, 10},
      {"Map to the giant's cellar", ",", LineKind::Other, 0, std::nullopt},
      {"lots of gold coins", ",", LineKind::Other, 0, std::nullopt},
      {"1,23 Gold coins", ",", LineKind::Other, 0, std::nullopt},
      {"99999999999999999999 Gold coins", ",", LineKind::Other, 0, std::nullopt},
      {"\xff\xfe Gold coins (\xc0 gp)", ",", LineKind::Other, 0, std::nullopt},
      {" plus 1 Level 3 Cleric Spell - Cure Disease", ",", LineKind::Other, 0, std::nullopt},
  };
  for (const Case& c : cases) {
    const LineValue value = One(c.line, c.separator);
    EXPECT_EQ(value.kind, c.kind) << c.line;
    EXPECT_EQ(value.kind == LineKind::Coins ? value.amount : value.pieces, c.count) << c.line;
    if (c.gold) {
      EXPECT_EQ(value.value, *c.gold * CopperPerGold(Exchange::FirstEdition)) << c.line;
    } else if (c.kind != LineKind::Coins) {
      EXPECT_EQ(value.value, std::nullopt) << c.line;
    }
  }
  const std::string huge(1 << 20, 'x');
  EXPECT_EQ(One(huge + " gp)").kind, LineKind::Other);
  EXPECT_EQ(One(huge + " Gold coins").kind, LineKind::Other);
}

// Every item the tables write, from a great many hoards, is read as an item, and none of their
// lines as an other line.
TEST(Worth, NoLineOfAGeneratedHoardIsAnOtherLine) {
  for (std::uint32_t seed = 1; seed <= 120; ++seed) {
    HoardRequest request;
    request.Seed = seed;
    request.CustMagic = kMaxCustMagic;
    request.Count(static_cast<char>('A' + seed % 26)) = 5;
    const Hoard hoard = GenerateHoard(request, ",");
    const Valuation valuation = ValueList(hoard.DMList, ",");
    ASSERT_EQ(valuation.totals.otherLines, 0) << "seed " << seed;
  }
}

TEST(Worth, TotalsCountAScrollOfSeveralSpellsAsOneItem) {
  const Lines dm = {"Scroll with 1 Level 2 Illusionist Spell - Deafness",
                    " plus 1 Level 6 Illusionist Spell - Programmed Illusion",
                    "",
                    " plus 1 Level 1 Illusionist Spell - Gaze Reflection",
                    "3 Copper coins",
                    "2,000 Silver coins",
                    "7 Electrum coins",
                    "10 Gems (Jet 1,000 gp)",
                    "2 Jewelry Items (Wrought Gold 3,114 gp)",
                    "Plate Mail +1 (5,000 gp)",
                    "A Map",
                    "A Map"};
  const Valuation first = ValueList(dm, ",");
  EXPECT_EQ(first.lines[1].kind, LineKind::ScrollSpell);
  EXPECT_EQ(first.lines[3].kind, LineKind::ScrollSpell);  // a blank line between: still the scroll
  const Totals& t = first.totals;
  EXPECT_EQ(t.coins, (std::array<std::int64_t, kMetalCount>{3, 2000, 7, 0, 0}));
  EXPECT_EQ(t.magicItems, 2);
  EXPECT_EQ(t.pricedItems, 1);
  EXPECT_EQ(t.maps, 2);
  EXPECT_EQ(t.gemPieces, 10);
  EXPECT_EQ(t.jewelryPieces, 2);
  // 3 cp + 2,000 sp + 7 ep = 0.015 + 100 + 3.5 gp.
  EXPECT_EQ(GoldText(t.coinsValue, Exchange::FirstEdition), "103.515");
  EXPECT_EQ(GoldText(t.treasureValue(), Exchange::FirstEdition, ","), "4,217.515");
  EXPECT_EQ(GoldText(t.totalValue(), Exchange::FirstEdition, ","), "9,217.515");

  // The basic game's exchange: 3 cp + 2,000 sp + 7 ep = 0.03 + 200 + 3.5 gp.
  const Totals basic = ValueList(dm, ",", Exchange::Basic).totals;
  EXPECT_EQ(GoldText(basic.coinsValue, Exchange::Basic), "203.53");
  EXPECT_EQ(GoldText(basic.totalValue(), Exchange::Basic, "."), "9.317.53");

  // For people: gold, then the rest in silver and copper of the same exchange.
  EXPECT_EQ(MoneyText(t.totalValue(), Exchange::FirstEdition, ","), "9,217 gp 10 sp 3 cp");
  EXPECT_EQ(MoneyText(basic.totalValue(), Exchange::Basic, "."), "9.317 gp 5 sp 3 cp");
  EXPECT_EQ(MoneyText(33, Exchange::FirstEdition), "3 sp 3 cp");
  EXPECT_EQ(MoneyText(7 * 200, Exchange::FirstEdition), "7 gp");
  EXPECT_EQ(MoneyText(5, Exchange::Basic), "5 cp");
  EXPECT_EQ(MoneyText(0, Exchange::Basic), "0 gp");
}

TEST(Worth, AValuationWrittenOverAnEarlierOneEqualsAFreshOne) {
  const Lines longer = {"1,200 Gold coins", "3 Gems (Jet 300 gp)", "Ring of X (1,000 gp)", "A Map"};
  const Lines shorter = {"12 Platinum coins", " plus 1 Level 2 Clerical Spell - Aid"};
  Valuation reused;
  for (const auto& [lines, exchange] : {std::pair{longer, Exchange::FirstEdition},
                                        {shorter, Exchange::Basic},
                                        {longer, Exchange::Basic}}) {
    const Valuation expected = ValueList(lines, ",", exchange);
    ValueList(lines, ",", exchange, reused);
    ASSERT_EQ(reused.lines.size(), expected.lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(reused.lines[i].kind, expected.lines[i].kind) << lines[i];
      EXPECT_EQ(reused.lines[i].value, expected.lines[i].value) << lines[i];
    }
    EXPECT_EQ(reused.totals.exchange, exchange);
    EXPECT_EQ(reused.totals.coins, expected.totals.coins);
    EXPECT_EQ(reused.totals.totalValue(), expected.totals.totalValue());
    EXPECT_EQ(reused.totals.magicItems, expected.totals.magicItems);
    EXPECT_EQ(reused.totals.maps, expected.totals.maps);
  }
}

TEST(Worth, TheTotalsOfGeneratedHoardsAreTheSumsOfTheirLines) {
  for (std::uint32_t seed = 1; seed <= 60; ++seed) {
    HoardRequest request;
    request.Seed = seed;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
      request.Count(letter) = static_cast<int>((seed * 7 + static_cast<unsigned>(letter)) % 3);
    }
    request.CustMagic = static_cast<int>(seed % 12);
    request.CustGems = static_cast<int>(seed % 5);
    const std::string separator = seed % 2 ? "," : "\u202f";
    const Hoard hoard = GenerateHoard(request, separator);
    const Valuation valuation = ValueList(hoard.DMList, separator);

    Totals sum;
    for (std::size_t i = 0; i < hoard.DMList.size(); ++i) {
      const std::string_view line = hoard.DMList[i];
      const LineValue& value = valuation.lines[i];
      // Every line the generator writes is read as the form it has.
      if (line.ends_with(" coins")) {
        EXPECT_EQ(value.kind, LineKind::Coins) << line;
      } else if (line.find(" Gems (") != std::string::npos) {
        EXPECT_EQ(value.kind, LineKind::Gems) << line;
      } else if (line.find(" Jewelry Items (") != std::string::npos) {
        EXPECT_EQ(value.kind, LineKind::Jewelry) << line;
      } else if (line.ends_with("gp)")) {
        EXPECT_TRUE(value.value.has_value()) << line;
      }
      const Copper v = value.value.value_or(0);
      switch (value.kind) {
        case LineKind::Coins:
          sum.coinsValue += v;
          break;
        case LineKind::Gems:
          sum.gemsValue += v;
          break;
        case LineKind::Jewelry:
          sum.jewelryValue += v;
          break;
        case LineKind::Magic:
          sum.itemsValue += v;
          break;
        default:
          EXPECT_FALSE(value.value.has_value()) << line;
      }
    }
    const Totals& t = valuation.totals;
    EXPECT_EQ(t.coinsValue, sum.coinsValue);
    EXPECT_EQ(t.gemsValue, sum.gemsValue);
    EXPECT_EQ(t.jewelryValue, sum.jewelryValue);
    EXPECT_EQ(t.itemsValue, sum.itemsValue);
    EXPECT_EQ(t.totalValue(), sum.coinsValue + sum.gemsValue + sum.jewelryValue + sum.itemsValue);
  }
}

}  // namespace
}  // namespace vorneth::worth
