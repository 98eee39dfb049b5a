// The figures of the odds as JSON and as lines of text.
#include <cmath>
#include <cstddef>
#include <utility>

#include "core/number_text.h"
#include "formats/stats.h"

namespace vorneth::formats {

namespace {

// How the figures read in text, by Family (Potion first).
constexpr std::array<std::string_view, kFamilyCount> kFamilyTitles = {
    "Potion",        "Scroll",           "Ring",  "Rod, staff or wand",
    "Miscellaneous", "Armour or shield", "Sword", "Weapon"};

double Rounded(double value, double scale) {
  return std::round(value * scale) / scale;
}

Json SpreadJson(const Spread& spread, worth::Exchange exchange) {
  return Json{{"mean", Rounded(spread.meanGp, 1e3)},
              {"median", GoldJson(spread.median, exchange)},
              {"p10", GoldJson(spread.p10, exchange)},
              {"p90", GoldJson(spread.p90, exchange)},
              {"max", GoldJson(spread.max, exchange)}};
}

// Gold pieces with at most one decimal and `separator` between thousands: "1,234.5".
std::string SpreadText(std::string_view name, const Spread& spread, worth::Exchange exchange,
                       std::string_view separator) {
  const auto gold = [&](worth::Copper value) {
    return worth::MoneyText(value, exchange, separator);
  };
  // The mean to the nearest copper piece, so that every amount reads alike.
  const auto mean = static_cast<worth::Copper>(
      std::llround(spread.meanGp * static_cast<double>(worth::CopperPerGold(exchange))));
  return std::string(name) + ": mean " + gold(mean) + ", median " + gold(spread.median) +
         ", 10th percentile " + gold(spread.p10) + ", 90th percentile " + gold(spread.p90) +
         ", maximum " + gold(spread.max);
}

}  // namespace

Json StatsJson(const HoardStats& stats) {
  Json families = Json::object();
  for (std::size_t f = 0; f < kFamilyCount; ++f) {
    families[std::string(FamilyName(static_cast<Family>(f + 1)))] = Rounded(stats.families[f], 1e4);
  }
  return Json{{"count", stats.count},
              {"treasure_gp", SpreadJson(stats.treasure, stats.exchange)},
              {"total_gp", SpreadJson(stats.total, stats.exchange)},
              {"magic_items",
               {{"mean", Rounded(stats.magicItemsMean, 1e4)},
                {"at_least_one", Rounded(stats.atLeastOneItem, 1e4)}}},
              {"families", std::move(families)},
              {"map", Rounded(stats.map, 1e4)}};
}

std::vector<std::string> StatsText(const HoardStats& stats, std::string_view separator) {
  std::vector<std::string> lines;
  lines.push_back("Hoards: " + NumberText(stats.count, separator));
  lines.push_back(SpreadText("Treasure", stats.treasure, stats.exchange, separator));
  lines.push_back(SpreadText("Total", stats.total, stats.exchange, separator));
  lines.push_back("Magic items: " + FixedText(stats.magicItemsMean, 2) +
                  " per hoard, at least one in " + PercentText(stats.atLeastOneItem));
  for (std::size_t f = 0; f < kFamilyCount; ++f) {
    lines.push_back(std::string(kFamilyTitles[f]) + ": " + PercentText(stats.families[f]));
  }
  lines.push_back("Map: " + PercentText(stats.map));
  return lines;
}

}  // namespace vorneth::formats
