#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/line_list.h"

namespace vorneth::worth {

// What a line of a DM list is.
enum class LineKind {
  Coins,        // "1,234 Gold coins"
  Gems,         // "12 Gems (Jet 1,200 gp)"
  Jewelry,      // "3 Jewelry Items (Wrought Gold 3,114 gp)"
  Magic,        // a magic item: priced when it ends in "(... N gp)", else a line the tables write
  ScrollSpell,  // " plus 1 Level 3 ... Spell": a further spell of the scroll above
  Map,          // "A Map"
  Nothing,      // "Nothing Found"
  Blank,        // empty or only blanks (an edit may leave one)
  Other,        // none of these: a note added in an edit, text that is no list
};

enum class Metal { Copper, Silver, Electrum, Gold, Platinum };
inline constexpr std::size_t kMetalCount = 5;

// The exchange of coins into gold pieces.
enum class Exchange {
  FirstEdition,  // 1 platinum = 5 gold; 1 gold = 2 electrum = 20 silver = 200 copper
  Basic,         // 1 platinum = 5 gold; 1 gold = 2 electrum = 10 silver = 100 copper
};

// All values are kept in copper pieces of the exchange, so gold pieces are exact.
using Copper = std::int64_t;

// Copper pieces per coin of each metal, by exchange (tables at namespace scope: inside the
// function GCC builds them on the stack at every call).
inline constexpr Copper kCopperPerFirstEdition[kMetalCount] = {1, 10, 100, 200, 1000};
inline constexpr Copper kCopperPerBasic[kMetalCount] = {1, 10, 50, 100, 500};

// Copper pieces per coin of `metal`, and per gold piece.
constexpr Copper CopperPer(Metal metal, Exchange exchange) {
  const auto m = static_cast<std::size_t>(metal);
  return exchange == Exchange::FirstEdition ? kCopperPerFirstEdition[m] : kCopperPerBasic[m];
}
constexpr Copper CopperPerGold(Exchange exchange) {
  return CopperPer(Metal::Gold, exchange);
}

// One line and its facts.
struct LineValue {
  LineKind kind = LineKind::Magic;
  Metal metal = Metal::Gold;    // coins
  std::int64_t amount = 0;      // coins: how many
  std::int64_t pieces = 0;      // gems and jewelry: how many
  std::optional<Copper> value;  // what the line is worth, where it says
};

struct Totals {
  Exchange exchange = Exchange::FirstEdition;
  std::array<std::int64_t, kMetalCount> coins{};  // per metal, in Metal's order
  Copper coinsValue = 0;
  std::int64_t gemPieces = 0;
  Copper gemsValue = 0;
  std::int64_t jewelryPieces = 0;
  Copper jewelryValue = 0;
  std::int64_t magicItems = 0;  // a scroll of several spells is one item
  std::int64_t pricedItems = 0;
  Copper itemsValue = 0;  // of the priced items
  std::int64_t maps = 0;
  std::int64_t otherLines = 0;  // lines of no form of a hoard's (LineKind::Other)

  // What experience for treasure counts: coins, gems and jewelry.
  Copper treasureValue() const;
  // Every coin of every metal: the coin weight in tenths of a pound (kCoinsPerPound).
  std::int64_t coinCount() const;
  // The treasure and the priced magic items.
  Copper totalValue() const;
};

// Ten coins of any metal weigh a pound. Gems, jewelry and magic items carry no weight in the
// tables, so a hoard's weight is its coins' alone.
inline constexpr std::int64_t kCoinsPerPound = 10;

// A coin weight in pounds, a decimal only for a part pound, `separator` between thousands:
// "1,234.5 lb", "287 lb".
std::string WeightText(std::int64_t coins, std::string_view separator = "");
// The same weight as a bare number of pounds, for exports: "1234.5", "287".
std::string PoundsText(std::int64_t coins, std::string_view separator = "");

struct Valuation {
  std::vector<LineValue> lines;  // one per line, in order
  Totals totals;
};

// Values the lines of a DM list (generated, edited or read back from a file). Amounts are read
// with `separator` between thousands, or as plain digits; item prices always with ",". A line
// that fits no form of a hoard's is an other line: valuation cannot fail. Totals saturate rather
// than overflow on absurd edited amounts.
Valuation ValueList(const LineList& lines, std::string_view separator,
                    Exchange exchange = Exchange::FirstEdition);

// The same valuation written into `valuation`, whose line vector keeps its storage from one
// list to the next: for callers that value many lists in a row.
void ValueList(const LineList& lines, std::string_view separator, Exchange exchange,
               Valuation& valuation);

// The name of a gem lot's stones or a jewelry lot's material ("Garnet, Red" of
// "4 Gems (Garnet, Red 400 gp)"); empty when the line is no lot.
std::string_view LotName(std::string_view line, std::string_view separator);

// Gold pieces in decimal, exact, with at most three decimals and no trailing zeros: "12.345",
// "0.005", "7". `separator` goes between thousands of the whole part.
std::string GoldText(Copper value, Exchange exchange, std::string_view separator = "");

// An amount the way the game counts it: whole gold pieces, then the silver and copper pieces of
// the rest, each left out when it is none ("40,997 gp 17 sp 3 cp", "7 gp", "3 sp 3 cp", "0 gp").
// `separator` goes between thousands of the gold.
std::string MoneyText(Copper value, Exchange exchange, std::string_view separator = "");

// The exchange in words, for people: "first edition exchange, 20 sp or 200 cp to the gp".
std::string ExchangeWords(Exchange exchange);

// The names scripts read: "copper" ... "platinum"; "coins", "gems", "jewelry", "magic",
// "scroll_spell", "map", "nothing", "blank", "other"; "1e", "bx".
std::string_view MetalName(Metal metal);
std::string_view KindName(LineKind kind);
std::string_view ExchangeName(Exchange exchange);
std::optional<Exchange> ExchangeNamed(std::string_view name);

}  // namespace vorneth::worth
