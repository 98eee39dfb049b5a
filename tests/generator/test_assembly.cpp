// Whole hoards from the form's seed: the worked examples, the order of the lines, the
// caption, and that one request always gives one hoard.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/generator.h"
#include "generator/assembly.h"
#include "generator/gems_jewelry.h"
#include "playersview/hoard_lists.h"

namespace vorneth {
namespace {

using Lines = LineList;

Hoard Generate(HoardRequest request) {
  return GenerateHoard(request, ",");
}

TEST(Assembly, EmptyRequestFindsNothing) {
  const Hoard hoard = Generate({});
  EXPECT_EQ(hoard.DMList, Lines{"Nothing Found"});
  EXPECT_EQ(hoard.PlayersList, Lines{"Nothing Found"});
  EXPECT_EQ(hoard.Caption, "Vorneth");
}

TEST(Assembly, CustomTreasureLines) {
  HoardRequest request;
  request.CustJewelry = 2;
  EXPECT_EQ(Generate(request).DMList, Lines{"2 Jewelry Items (Wrought Gold 3,114 gp)"});

  HoardRequest coins;
  coins.CustCoins = 1000;
  EXPECT_EQ(Generate(coins).DMList, Lines{"1,000 Gold coins"});
  coins.CustCoins = 99999999;
  EXPECT_EQ(GenerateHoard(coins, ".").DMList, Lines{"99.999.999 Gold coins"});

  HoardRequest gems;
  gems.CustGems = 5;
  EXPECT_EQ(Generate(gems).DMList, Lines{"5 Gems (Smoky Quartz 250 gp)"});
}

TEST(Assembly, CustomCoinsMakeNoRoll) {
  HoardRequest request;
  request.CustCoins = 1000;
  request.CustJewelry = 2;
  // The jewelry lot still sees the first rolls of the seed.
  EXPECT_EQ(Generate(request).DMList,
            (Lines{"1,000 Gold coins", "2 Jewelry Items (Wrought Gold 3,114 gp)"}));
}

TEST(Assembly, WorkedTreasureTypes) {
  HoardRequest j;
  j.Count('J') = 3;
  EXPECT_EQ(Generate(j).DMList, (Lines{"9 Copper coins", "20 Copper coins", "4 Copper coins"}));

  HoardRequest q;
  q.Count('Q') = 1;
  EXPECT_EQ(Generate(q).DMList, Lines{"4 Gems (Lapis Lazuli 40 gp)"});

  HoardRequest r;
  r.Count('R') = 1;
  EXPECT_EQ(Generate(r).DMList,
            (Lines{"7 Gold coins", "36 Platinum coins", "31 Gems (Rhodochrosite 310 gp)"}));

  HoardRequest z;
  z.Count('Z') = 1;
  const Lines lines = Generate(z).DMList;
  ASSERT_GE(lines.size(), 6u);  // three lines, then at least one line per magic item
  EXPECT_EQ(lines[0], "3 Electrum coins");
  EXPECT_EQ(lines[1], "50 Gems (Topaz 25,000 gp)");
  EXPECT_EQ(lines[2], "17 Jewelry Items (Platinum with Gems 202,198 gp)");
}

TEST(Assembly, CustomMagicComesFirstAndTypesFollowInLetterOrder) {
  HoardRequest request;
  request.CustMagic = 2;
  request.Count('J') = 1;
  request.Count('K') = 1;
  request.CustCoins = 5;
  const Lines lines = Generate(request).DMList;
  ASSERT_GE(lines.size(), 5u);
  const std::size_t n = lines.size();
  EXPECT_NE(lines[n - 3].find(" Copper coins"), std::string::npos);
  EXPECT_NE(lines[n - 2].find(" Silver coins"), std::string::npos);
  EXPECT_EQ(lines[n - 1], "5 Gold coins");
  for (std::size_t i = 0; i + 3 < n; ++i) {
    EXPECT_EQ(lines[i].find(" coins"), std::string::npos) << lines[i];
  }
}

TEST(Assembly, CaptionNamesOnlyThisHoard) {
  HoardRequest request;
  request.Title = "  Dragon's lair ";
  EXPECT_EQ(Generate(request).Caption, "Vorneth -   Dragon's lair ");
  EXPECT_EQ(HoardCaption(" \t "), "Vorneth");
  EXPECT_EQ(HoardCaption(""), "Vorneth");
  EXPECT_EQ(HoardCaption("Crypt"), "Vorneth - Crypt");
  // The title never becomes a line.
  EXPECT_EQ(Generate(request).DMList, Lines{"Nothing Found"});
}

TEST(Assembly, OneRequestOneHoard) {
  HoardRequest request;
  for (int& count : request.TypeCount) {
    count = 3;
  }
  request.CustMagic = 20;
  request.CustGems = 7;
  request.CustJewelry = 9;
  const Hoard first = Generate(request);
  const Hoard second = Generate(request);
  EXPECT_EQ(first.DMList, second.DMList);
  EXPECT_EQ(first.PlayersList, second.PlayersList);
  EXPECT_GT(first.DMList.size(), 50u);

  // Assembling from a source at the form's seed equals generating from the request.
  RandomSource random(request.Seed);
  EXPECT_EQ(AssembleHoard(request, random, ",").DMList, first.DMList);
}

TEST(Assembly, AListWrittenOverAnEarlierOneEqualsAFreshOne) {
  HoardRequest large;
  large.TypeCount.fill(4);
  large.CustMagic = 30;
  HoardRequest small;
  small.Count('A') = 1;
  small.CustGems = 3;
  DMLines reused{{"An edited line", "without origins"}, {}};
  // Longer, shorter, then longer than the list before, with another separator.
  for (const auto& [request, seed, separator] : {std::tuple{large, 5u, ","},
                                                 {small, 9u, "."},
                                                 {large, 11u, ""},
                                                 {HoardRequest{}, 1u, ","}}) {
    RandomSource fresh(seed);
    const DMLines expected = AssembleDMList(request, fresh, separator);
    RandomSource again(seed);
    AssembleDMList(request, again, separator, reused);
    EXPECT_EQ(reused.lines, expected.lines);
    ASSERT_EQ(reused.origins.size(), expected.origins.size());
    for (std::size_t i = 0; i < expected.origins.size(); ++i) {
      EXPECT_EQ(reused.origins[i].family, expected.origins[i].family) << i;
      EXPECT_EQ(reused.origins[i].table, expected.origins[i].table) << i;
    }
    EXPECT_EQ(again.Seed(), fresh.Seed());
  }
}

TEST(Assembly, ZeroAndNegativeCountsAreAbsent) {
  HoardRequest request;
  request.Count('A') = -4;
  request.CustMagic = -1;
  request.CustGems = 0;
  EXPECT_EQ(Generate(request).DMList, Lines{"Nothing Found"});
}

TEST(GemsAndJewelry, LargestTotalsFitAndAreGrouped) {
  // 9,999 custom jewelry items at the dearest row's top value.
  RandomSource random(1);
  Generator g(random, ",");
  long long largest = 0;
  for (int i = 0; i < 20000; ++i) {
    const std::string text = JewelryLotText(g, 9999);
    const auto close = text.rfind(" gp)");
    const auto open = text.rfind(' ', close - 1);
    std::string digits;
    for (char c : text.substr(open + 1, close - open - 1)) {
      if (c != ',') {
        digits += c;
      }
    }
    largest = std::max(largest, std::stoll(digits));
  }
  EXPECT_LE(largest, 119988000);
  EXPECT_GT(largest, 100000000);
}

}  // namespace
}  // namespace vorneth
