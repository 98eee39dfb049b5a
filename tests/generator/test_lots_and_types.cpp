// Gem and jewelry lots, and the particular rules of the lettered types, driven by sources
// whose next rolls are known.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/generator.h"
#include "generator/gems_jewelry.h"
#include "generator/treasure_types.h"
#include "support/engine_test_support.h"

namespace vorneth {
namespace {

using testing::Advanced;
using testing::SeedGiving;
using testing::SourceWhoseNextRollIs;
using Lines = LineList;

// The gem lot text drawn from a source whose band and name rolls are given.
std::string GemLotFrom(int bandRoll, int nameRoll, int count) {
  // Search a seed whose first Roll(101) and second Roll(k) are the wanted values.
  const auto& bands = GemBands();
  const int bandIndex = bandRoll == 0 || bandRoll == 100 ? 5
                        : bandRoll <= 25                 ? 0
                        : bandRoll <= 50                 ? 1
                        : bandRoll <= 70                 ? 2
                        : bandRoll <= 90                 ? 3
                                                         : 4;
  const int names = static_cast<int>(bands[static_cast<std::size_t>(bandIndex)].names.size());
  RandomSource random(SeedGiving({{101, bandRoll}, {names + 1, nameRoll}}));
  Generator g(random, ",");
  return GemLotText(g, count);
}

TEST(GemLots, NameRollsAndBands) {
  EXPECT_EQ(GemLotFrom(10, 12, 1), "(Turquoise 10 gp)");
  EXPECT_EQ(GemLotFrom(10, 0, 1), "(Turquoise 10 gp)");
  EXPECT_EQ(GemLotFrom(10, 1, 3), "(Azurite 30 gp)");
  EXPECT_EQ(GemLotFrom(0, 2, 100), "(Diamond 500,000 gp)");  // 0 is band 6, not band 1
  EXPECT_EQ(GemLotFrom(100, 5, 1), "(Ruby 5,000 gp)");
  EXPECT_EQ(GemLotFrom(99, 8, 2), "(Star Ruby 2,000 gp)");
  EXPECT_EQ(GemLotFrom(71, 2, 1), "(Garnet, Violet 500 gp)");
}

TEST(GemLots, BandNameCounts) {
  std::vector<std::size_t> sizes;
  for (const GemBand& band : GemBands()) {
    sizes.push_back(band.names.size());
  }
  EXPECT_EQ(sizes, (std::vector<std::size_t>{12, 13, 11, 6, 9, 5}));
  EXPECT_EQ(GemBands()[3].names.back(), "Topaz");
  EXPECT_EQ(GemBands()[4].names.back(), "Star Sapphire");
}

std::string JewelryFrom(int rowRoll, int valueRoll, int materialRoll, int valueDie, int materialDie,
                        int count) {
  // No material roll when the row has no material die.
  RandomSource random(
      materialDie > 0
          ? SeedGiving({{101, rowRoll}, {valueDie, valueRoll}, {materialDie, materialRoll}})
          : SeedGiving({{101, rowRoll}, {valueDie, valueRoll}}));
  Generator g(random, ",");
  return JewelryLotText(g, count);
}

TEST(JewelryLots, RowsValuesAndMaterials) {
  EXPECT_EQ(JewelryFrom(0, 0, 0, 10001, 0, 5), "(Platinum with Gems 10,000 gp)");
  EXPECT_EQ(JewelryFrom(5, 900, 4, 901, 11, 1), "(Ivory 1,000 gp)");
  EXPECT_EQ(JewelryFrom(5, 900, 5, 901, 11, 1), "(Wrought Silver 1,000 gp)");
  EXPECT_EQ(JewelryFrom(45, 0, 3, 2501, 13, 1), "(Wrought Platinum 500 gp)");
  EXPECT_EQ(JewelryFrom(45, 0, 12, 2501, 13, 2), "(Coral 1,000 gp)");
  EXPECT_EQ(JewelryFrom(15, 1000, 0, 1001, 0, 20), "(Wrought Silver and Gold 24,000 gp)");
}

TEST(JewelryLots, FromTheFormSeedTwoRolls) {
  RandomSource random(14737260);
  Generator g(random, ",");
  EXPECT_EQ(JewelryLotText(g, 2), "(Wrought Gold 3,114 gp)");
  EXPECT_EQ(random.Seed(), Advanced(RandomSource(14737260), 2).Seed());
}

Lines TypeLines(RandomSource random, char letter, int count = 1) {
  Generator g(random, ",");
  DoType(g, letter, count);
  return g.TakeLines();
}

TEST(TreasureTypes, TypeUSharesOneRollForGemsAndJewelry) {
  auto kinds = [](const Lines& lines) {
    std::string k;
    for (const auto& line : lines) {
      k += line.find(" Jewelry Items ") != std::string::npos ? 'J'
           : line.find(" Gems (") != std::string::npos       ? 'G'
                                                             : 'm';
    }
    return k.substr(0, std::min<std::size_t>(k.size(), 2));
  };
  EXPECT_EQ(kinds(TypeLines(SourceWhoseNextRollIs(101, 85), 'U')).substr(0, 1), "G");
  EXPECT_NE(kinds(TypeLines(SourceWhoseNextRollIs(101, 85), 'U')), "GJ");
  EXPECT_EQ(kinds(TypeLines(SourceWhoseNextRollIs(101, 79), 'U')), "GJ");
  const std::string none = kinds(TypeLines(SourceWhoseNextRollIs(101, 95), 'U'));
  EXPECT_TRUE(none.empty() || none[0] == 'm');
}

TEST(TreasureTypes, TypeJRollsOnlyTheAmounts) {
  const RandomSource start(14737260);
  RandomSource random = start;
  Generator g(random, ",");
  DoType(g, 'J', 3);
  EXPECT_EQ(random.Seed(), Advanced(start, 3).Seed());
  for (const auto& line : g.Lines()) {
    const int amount = std::stoi(std::string(line));
    EXPECT_TRUE(amount >= 3 && amount <= 23) << line;
  }
}

TEST(TreasureTypes, TypeQFailingItsRollStopsThere) {
  const RandomSource start = SourceWhoseNextRollIs(101, 50);
  RandomSource random = start;
  Generator g(random, ",");
  DoType(g, 'Q', 1);
  EXPECT_TRUE(g.Lines().empty());
  EXPECT_EQ(random.Seed(), Advanced(start, 1).Seed());
}

TEST(TreasureTypes, TypeWCanFindAMapAlone) {
  // Gold, platinum, gems and jewelry fail; the map's roll succeeds.
  for (std::uint32_t seed = 0;; ++seed) {
    RandomSource probe(seed);
    if (probe.Roll(101) >= 60 && probe.Roll(101) >= 15 && probe.Roll(101) >= 60 &&
        probe.Roll(101) >= 50 && probe.Roll(101) < 55) {
      EXPECT_EQ(TypeLines(RandomSource(seed), 'W'), Lines{"A Map"});
      break;
    }
  }
}

TEST(TreasureTypes, RepetitionsFollowOneAnother) {
  const Lines twice = TypeLines(RandomSource(14737260), 'K', 2);
  ASSERT_EQ(twice.size(), 2u);
  RandomSource random(14737260);
  Lines once = TypeLines(random, 'K');
  random.Roll(1);
  once.push_back(TypeLines(random, 'K').front());
  EXPECT_EQ(twice, once);
}

TEST(TreasureTypes, LargestCoinAmountIsNinetyNineThousandSilver) {
  // Type H silver: Roll(99000) + 1000 tops out at 99,999.
  RandomSource random(3);
  Generator g(random, ",");
  DoType(g, 'H', 99);
  for (const auto& line : g.Lines()) {
    if (line.find(" Silver coins") != std::string::npos) {
      EXPECT_LE(line.size(), std::string("99,999 Silver coins").size()) << line;
    }
  }
}

}  // namespace
}  // namespace vorneth
