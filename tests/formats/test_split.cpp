// Dividing a hoard among a party: the rules on a small hoard, and conservation over many.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "formats/split.h"
#include "playersview/players_view.h"

namespace vorneth::formats {
namespace {

using worth::LineKind;

HoardRecord Listed(LineList dm) {
  return RecordOf(HoardRequest{}, ",", {"Vorneth", std::move(dm), {}});
}

std::vector<LineList> DMLists(const std::vector<HoardRecord>& shares) {
  std::vector<LineList> lists;
  for (const HoardRecord& share : shares) {
    lists.push_back(share.hoard.DMList);
  }
  return lists;
}

TEST(Split, CoinsInTurnLotsAndPricedItemsToTheLeastWorthUnpricedToTheFewestItems) {
  const HoardRecord hoard =
      Listed({"10 Gold coins", "Scroll with 2 Spells: Sleep", " plus Light", "3 Gems (Jet 300 gp)",
              "Sword +1 (2,000 gp)", "Potion of Healing (400 gp)", "A Map", "2,001 Copper coins"});
  const auto shares = SplitHoard(hoard, 3);
  // Coins 4/3/3 gold and 667 copper each; one stone each; the sword to share 2, the potion to
  // share 3 (each the least worth then); the scroll, then the map to the fewest items.
  EXPECT_EQ(DMLists(shares),
            (std::vector<LineList>{
                {"4 Gold coins", "Scroll with 2 Spells: Sleep", " plus Light",
                 "1 Gems (Jet 100 gp)", "A Map", "667 Copper coins"},
                {"3 Gold coins", "1 Gems (Jet 100 gp)", "Sword +1 (2,000 gp)", "667 Copper coins"},
                {"3 Gold coins", "1 Gems (Jet 100 gp)", "Potion of Healing (400 gp)",
                 "667 Copper coins"}}));
  EXPECT_EQ(ShareHeading(2, 3, shares[1]), "Share 2 of 3, worth 2,106 gp 6 sp 7 cp, coins 67 lb");

  const auto few = SplitHoard(Listed({"1 Platinum coins", "7 Jewelry Items (Jade 7,700 gp)"}), 4);
  EXPECT_EQ(DMLists(few),
            (std::vector<LineList>{{"1 Platinum coins", "1 Jewelry Items (Jade 1,100 gp)"},
                                   {"2 Jewelry Items (Jade 2,200 gp)"},
                                   {"2 Jewelry Items (Jade 2,200 gp)"},
                                   {"2 Jewelry Items (Jade 2,200 gp)"}}));
  EXPECT_EQ(ShareHeading(2, 4, few[1]), "Share 2 of 4, worth 2,200 gp");  // no coins to weigh
  const auto nothing = SplitHoard(Listed({"2 Silver coins"}), 3);
  EXPECT_EQ(nothing[2].hoard.DMList, LineList{"Nothing Found"});
  EXPECT_EQ(nothing[2].hoard.PlayersList, LineList{"Nothing Found"});
}

HoardRequest Busy(std::uint32_t seed) {
  HoardRequest request;
  request.Seed = seed;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    request.Count(letter) = static_cast<int>((seed + static_cast<unsigned>(letter)) % 3);
  }
  request.CustGems = static_cast<int>(seed % 40);
  request.CustJewelry = static_cast<int>(seed % 9);
  request.CustMagic = static_cast<int>(seed % 6);
  return request;
}

// The item lines (every line that is no coins or lot) of a list, counted.
std::map<std::string, int> ItemLines(const HoardRecord& record) {
  std::map<std::string, int> lines;
  for (std::size_t i = 0; i < record.hoard.DMList.size(); ++i) {
    const LineKind kind = record.dm.lines[i].kind;
    if (kind != LineKind::Coins && kind != LineKind::Gems && kind != LineKind::Jewelry &&
        kind != LineKind::Nothing) {
      ++lines[std::string(record.hoard.DMList[i])];
    }
  }
  return lines;
}

TEST(Split, EveryShareTogetherIsExactlyTheHoard) {
  for (std::uint32_t seed = 1; seed <= 120; ++seed) {
    const std::string separator = seed % 4 ? "," : "\u202f";
    const HoardRecord hoard = MakeRecord(Busy(seed), separator);
    const int count = kMinShares + static_cast<int>(seed % (kMaxShares - kMinShares + 1));
    const auto shares = SplitHoard(hoard, count);
    ASSERT_EQ(shares.size(), static_cast<std::size_t>(count));
    worth::Totals sum;
    std::map<std::string, int> items;
    for (const HoardRecord& share : shares) {
      const worth::Totals& t = share.dm.totals;
      for (std::size_t m = 0; m < worth::kMetalCount; ++m) {
        sum.coins[m] += t.coins[m];
      }
      sum.gemPieces += t.gemPieces;
      sum.gemsValue += t.gemsValue;
      sum.jewelryPieces += t.jewelryPieces;
      sum.jewelryValue += t.jewelryValue;
      sum.magicItems += t.magicItems;
      sum.itemsValue += t.itemsValue;
      sum.maps += t.maps;
      for (const auto& [line, n] : ItemLines(share)) {
        items[line] += n;
      }
      EXPECT_EQ(share.hoard.PlayersList, playersview::ParsePlayers(share.hoard.DMList));
      // Item lines keep the hoard's order, and a spell line follows its scroll as there.
      const auto& dm = share.hoard.DMList;
      std::size_t at = 0;  // in the hoard, after the last item line matched
      std::size_t previous = 0;
      for (std::size_t i = 0; i < dm.size(); ++i) {
        const LineKind kind = share.dm.lines[i].kind;
        if (kind != LineKind::Magic && kind != LineKind::ScrollSpell && kind != LineKind::Map) {
          continue;
        }
        while (at < hoard.hoard.DMList.size() && hoard.hoard.DMList[at] != dm[i]) {
          ++at;
        }
        ASSERT_LT(at, hoard.hoard.DMList.size()) << seed << ": " << dm[i];
        if (kind == LineKind::ScrollSpell) {
          EXPECT_EQ(previous + 1, at) << seed << ": " << dm[i];
        }
        previous = at++;
      }
    }
    const worth::Totals& whole = hoard.dm.totals;
    EXPECT_EQ(sum.coins, whole.coins) << seed;
    EXPECT_EQ(sum.gemPieces, whole.gemPieces) << seed;
    EXPECT_EQ(sum.gemsValue, whole.gemsValue) << seed;
    EXPECT_EQ(sum.jewelryPieces, whole.jewelryPieces) << seed;
    EXPECT_EQ(sum.jewelryValue, whole.jewelryValue) << seed;
    EXPECT_EQ(sum.magicItems, whole.magicItems) << seed;
    EXPECT_EQ(sum.itemsValue, whole.itemsValue) << seed;
    EXPECT_EQ(sum.maps, whole.maps) << seed;
    EXPECT_EQ(items, ItemLines(hoard)) << seed;
  }
}

}  // namespace
}  // namespace vorneth::formats
