// The random source must reproduce its sequence bit for bit; NumberText groups by three.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "core/number_text.h"
#include "core/random_source.h"

namespace vorneth {
namespace {

TEST(RandomSource, SequenceFromTheFormSeed) {
  RandomSource random(14737260);
  std::vector<int> rolls;
  for (int i = 0; i < 8; ++i) {
    rolls.push_back(random.Roll(101));
    if (i == 0) {
      EXPECT_EQ(random.Seed(), 1391987997u);
    }
  }
  EXPECT_EQ(rolls, (std::vector<int>{32, 84, 8, 52, 39, 100, 3, 80}));
}

TEST(RandomSource, SeedZeroStepsToOne) {
  RandomSource random(0);
  EXPECT_EQ(random.Roll(100), 0);
  EXPECT_EQ(random.Seed(), 1u);
}

TEST(RandomSource, RollOfOneStillAdvances) {
  RandomSource a(14737260);
  EXPECT_EQ(a.Roll(1), 0);
  EXPECT_EQ(a.Roll(101), 84);  // the second value of the sequence
}

TEST(RandomSource, ResultsStayInRangeAndUseTheHighBits) {
  RandomSource random(99);
  for (int n : {1, 2, 3, 7, 100, 101, 99000, 2147483647}) {
    for (int i = 0; i < 1000; ++i) {
      const int r = random.Roll(n);
      ASSERT_GE(r, 0);
      ASSERT_LT(r, n);
    }
  }
  // The seed wraps modulo 2^32: the largest seed steps to 0xFFFFFFFF * 134775813 + 1.
  RandomSource wrap(0xFFFFFFFFu);
  wrap.Roll(2);
  EXPECT_EQ(wrap.Seed(), 0xFFFFFFFFu * 134775813u + 1u);
}

TEST(RandomSource, PercentRollIsRollOf101BelowThreshold) {
  RandomSource never(14737260), always(14737260), hundred(0);
  for (int i = 0; i < 500; ++i) {
    EXPECT_FALSE(never.PercentRoll(0));
    EXPECT_TRUE(always.PercentRoll(101));
  }
  // Find a state whose Roll(101) is 100: PercentRoll(100) is false there.
  RandomSource probe(0);
  for (;;) {
    RandomSource copy = probe;
    if (copy.Roll(101) == 100) {
      break;
    }
    probe.Roll(1);
  }
  RandomSource at = probe;
  EXPECT_FALSE(at.PercentRoll(100));
  RandomSource again = probe;
  EXPECT_TRUE(again.PercentRoll(101));
}

TEST(RandomSource, ClockSeedIsTheGivenMilliseconds) {
  RandomSource random;
  random.SeedFromClock(86399999);
  EXPECT_EQ(random.Seed(), 86399999u);
}

TEST(NumberText, GroupsOfThreeWithTheSeparator) {
  EXPECT_EQ(NumberText(0, ","), "0");
  EXPECT_EQ(NumberText(7, ","), "7");
  EXPECT_EQ(NumberText(999, ","), "999");
  EXPECT_EQ(NumberText(1000, ","), "1,000");
  EXPECT_EQ(NumberText(12345, ","), "12,345");
  EXPECT_EQ(NumberText(1234567, ","), "1,234,567");
  EXPECT_EQ(NumberText(99999999, ","), "99,999,999");
  EXPECT_EQ(NumberText(1000, "."), "1.000");
  EXPECT_EQ(NumberText(1234567, "\u202f"), "1\u202f234\u202f567");
  EXPECT_EQ(NumberText(-1234, ","), "-1,234");
  EXPECT_EQ(NumberText(119988000, ","), "119,988,000");
  // The extremes of the buffer: the longest number with the longest character, a separator of
  // several characters, and none.
  EXPECT_EQ(NumberText(std::numeric_limits<long long>::min(), "\U0001F600"),
            "-9\U0001F600223\U0001F600372\U0001F600036\U0001F600854\U0001F600775\U0001F600808");
  EXPECT_EQ(NumberText(-1234567, " and "), "-1 and 234 and 567");
  EXPECT_EQ(NumberText(1234567, ""), "1234567");
}

}  // namespace
}  // namespace vorneth
