// The odds of a request: the same figures on any number of threads, and the figures a plain
// hoard-by-hoard count of the same seeds gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "formats/hoard_record.h"
#include "formats/stats.h"
#include "formats/stats_run.h"

namespace vorneth::formats {
namespace {

auto Fields(const Spread& s) {
  return std::tie(s.meanGp, s.median, s.p10, s.p90, s.max);
}

void ExpectSameFigures(const HoardStats& a, const HoardStats& b) {
  EXPECT_EQ(a.count, b.count);
  EXPECT_EQ(Fields(a.treasure), Fields(b.treasure));
  EXPECT_EQ(Fields(a.total), Fields(b.total));
  EXPECT_EQ(a.magicItemsMean, b.magicItemsMean);
  EXPECT_EQ(a.atLeastOneItem, b.atLeastOneItem);
  EXPECT_EQ(a.families, b.families);
  EXPECT_EQ(a.map, b.map);
}

// The value at nearest rank ceil(p n / 100) of the values in order.
worth::Copper AtRank(std::vector<worth::Copper> values, std::size_t p) {
  std::sort(values.begin(), values.end());
  return values[(p * values.size() + 99) / 100 - 1];
}

TEST(Stats, ThreadsChangeNothingAndAPlainCountAgrees) {
  HoardRequest request;
  request.Count('A') = 1;
  request.Count('W') = 1;  // maps
  request.CustMagic = 1;
  request.Seed = 0xFFFFFF00u;  // the seeds wrap past 2^32 - 1 to 0
  const std::uint32_t count = 300;
  const worth::Exchange exchange = worth::Exchange::Basic;

  const HoardStats one = ComputeStats(request, count, exchange, 1);
  ExpectSameFigures(one, ComputeStats(request, count, exchange, 2));
  ExpectSameFigures(one, ComputeStats(request, count, exchange, 3));

  std::vector<worth::Copper> treasure;
  std::vector<worth::Copper> total;
  double items = 0;
  double withItem = 0;
  double withMap = 0;
  std::array<double, kFamilyCount> withFamily{};
  for (std::uint32_t i = 0; i < count; ++i) {
    HoardRequest seeded = request;
    seeded.Seed = request.Seed + i;
    const HoardRecord record = MakeRecord(seeded, ",", exchange);
    treasure.push_back(record.dm.totals.treasureValue());
    total.push_back(record.dm.totals.totalValue());
    items += static_cast<double>(record.dm.totals.magicItems);
    withItem += record.dm.totals.magicItems > 0;
    withMap += record.dm.totals.maps > 0;
    for (std::size_t f = 0; f < kFamilyCount; ++f) {
      bool present = false;
      for (std::size_t line = 0; line < record.dm.lines.size(); ++line) {
        present |= record.dm.lines[line].kind == worth::LineKind::Magic &&
                   record.hoard.DMOrigins[line].family == static_cast<Family>(f + 1);
      }
      withFamily[f] += present;
    }
  }
  double treasureSum = 0;
  for (worth::Copper value : treasure) {
    treasureSum += static_cast<double>(value);
  }
  const double perGold = static_cast<double>(worth::CopperPerGold(exchange));

  EXPECT_DOUBLE_EQ(one.treasure.meanGp, treasureSum / count / perGold);
  EXPECT_EQ(one.treasure.median, AtRank(treasure, 50));
  EXPECT_EQ(one.treasure.p10, AtRank(treasure, 10));
  EXPECT_EQ(one.treasure.p90, AtRank(treasure, 90));
  EXPECT_EQ(one.treasure.max, AtRank(treasure, 100));
  EXPECT_EQ(one.total.median, AtRank(total, 50));
  EXPECT_EQ(one.total.p10, AtRank(total, 10));
  EXPECT_EQ(one.total.p90, AtRank(total, 90));
  EXPECT_EQ(one.total.max, AtRank(total, 100));
  EXPECT_DOUBLE_EQ(one.magicItemsMean, items / count);
  EXPECT_DOUBLE_EQ(one.atLeastOneItem, withItem / count);
  EXPECT_DOUBLE_EQ(one.map, withMap / count);
  for (std::size_t f = 0; f < kFamilyCount; ++f) {
    EXPECT_DOUBLE_EQ(one.families[f], withFamily[f] / count) << FamilyName(Family(f + 1));
  }
  // The request is mixed enough that the figures say something.
  EXPECT_LT(one.treasure.p10, one.treasure.p90);
  EXPECT_GT(one.map, 0);
  EXPECT_LT(one.map, 1);
  EXPECT_GT(one.families[0], 0);
}

TEST(Stats, AStepwiseRunGivesTheFiguresOfTheThreads) {
  HoardRequest request;
  request.Count('H') = 1;
  request.Count('S') = 2;
  request.Seed = 0xFFFFFFF0u;
  StatsRun run(request, 401, worth::Exchange::Basic);
  EXPECT_EQ(run.Step(7), 7u);
  EXPECT_EQ(run.Step(1), 8u);
  EXPECT_EQ(run.Step(150), 158u);
  ExpectSameFigures(run.Finish(), ComputeStats(request, 401, worth::Exchange::Basic, 3));
  EXPECT_EQ(run.Step(5), 401u);
}

TEST(Stats, JsonHasEveryFigureInOrderAndNoHoardsGiveZeros) {
  HoardRequest request;
  request.Count('A') = 1;
  const Json json = StatsJson(ComputeStats(request, 50, worth::Exchange::FirstEdition, 2));
  const auto keys = [](const Json& object) {
    std::vector<std::string> names;
    for (const auto& [key, value] : object.items()) {
      names.push_back(key);
    }
    return names;
  };
  using Names = std::vector<std::string>;
  EXPECT_EQ(keys(json),
            (Names{"count", "treasure_gp", "total_gp", "magic_items", "families", "map"}));
  EXPECT_EQ(keys(json["treasure_gp"]), (Names{"mean", "median", "p10", "p90", "max"}));
  EXPECT_EQ(keys(json["total_gp"]), keys(json["treasure_gp"]));
  EXPECT_EQ(keys(json["magic_items"]), (Names{"mean", "at_least_one"}));
  EXPECT_EQ(keys(json["families"]), (Names{"potion", "scroll", "ring", "rod_staff_wand", "misc",
                                           "armour_shield", "sword", "weapon"}));
  EXPECT_EQ(json["count"], 50);

  const HoardStats none = ComputeStats(request, 0);
  EXPECT_EQ(none.count, 0u);
  EXPECT_EQ(none.total.max, 0);
  EXPECT_EQ(StatsText(none, ",").front(), "Hoards: 0");
}

}  // namespace
}  // namespace vorneth::formats
