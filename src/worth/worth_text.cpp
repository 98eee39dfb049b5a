#include "worth/worth_text.h"

#include "core/number_text.h"

namespace vorneth::worth {

namespace {

std::string Gold(Copper value, const Totals& totals, std::string_view separator) {
  return MoneyText(value, totals.exchange, separator);
}

std::string Counted(std::int64_t count, std::string_view one, std::string_view many,
                    std::string_view separator) {
  return NumberText(count, separator) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

std::string WorthLine(const Totals& totals, std::string_view separator) {
  std::string line = "Worth " + Gold(totals.treasureValue(), totals, separator);
  if (totals.magicItems > 0) {
    line += " + " + Counted(totals.magicItems, "magic item", "magic items", separator) + " (" +
            Gold(totals.itemsValue, totals, separator) + ")";
  }
  return line + CoinWeightNote(totals, separator);
}

std::string CoinWeightNote(const Totals& totals, std::string_view separator) {
  const std::int64_t coins = totals.coinCount();
  return coins > 0 ? ", coins " + WeightText(coins, separator) : std::string();
}

LineList WorthBreakdown(const Totals& totals, std::string_view separator) {
  std::string coins = "Coins:";
  for (std::size_t m = 0; m < kMetalCount; ++m) {
    coins += (m == 0 ? " " : ", ") + NumberText(totals.coins[m], separator) + " " +
             std::string(MetalName(static_cast<Metal>(m)));
  }
  const std::int64_t unpriced = totals.magicItems - totals.pricedItems;
  LineList breakdown = {
      coins,
      "Coins in gold: " + Gold(totals.coinsValue, totals, separator) + " (" +
          ExchangeWords(totals.exchange) + ")",
      "Coin weight: " + WeightText(totals.coinCount(), separator) + " (" +
          std::to_string(kCoinsPerPound) + " coins to the pound)",
      "Gems: " + Counted(totals.gemPieces, "piece", "pieces", separator) + ", " +
          Gold(totals.gemsValue, totals, separator),
      "Jewelry: " + Counted(totals.jewelryPieces, "piece", "pieces", separator) + ", " +
          Gold(totals.jewelryValue, totals, separator),
      "Magic items: " + NumberText(totals.magicItems, separator) + ", " +
          NumberText(totals.pricedItems, separator) + " priced (" +
          Gold(totals.itemsValue, totals, separator) + "), " + NumberText(unpriced, separator) +
          " unpriced",
      "Maps: " + NumberText(totals.maps, separator),
  };
  // Only an edited list or a file valued has lines of no form of a hoard's.
  if (totals.otherLines > 0) {
    breakdown.push_back("Other lines: " + NumberText(totals.otherLines, separator));
  }
  breakdown.push_back("Treasure: " + Gold(totals.treasureValue(), totals, separator));
  breakdown.push_back("Total: " + Gold(totals.totalValue(), totals, separator));
  return breakdown;
}

}  // namespace vorneth::worth
