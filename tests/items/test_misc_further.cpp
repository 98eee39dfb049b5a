// Miscellaneous magic items, Misc4 to Misc7: the values each operation draws and the lines of
// the rows completed by further rolls, the prayer-bead list above all.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "items/misc_further.h"
#include "items/table.h"
#include "support/engine_test_support.h"

namespace vorneth::items {
namespace {

using testing::OnlyLine;
using testing::Outcome;
using testing::RunFrom;
using testing::SeedGiving;
using testing::TableNamed;

std::size_t Occurrences(const std::string& text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

TEST(MiscFurther, QuotedRowsReadExactly) {
  struct Quoted {
    std::string_view table;
    int d;
    std::string_view text;
  };
  constexpr Quoted quoted[] = {
      {"Misc4", 1, "Libram of Gainful Conjuration (40,000 gp)"},
      {"Misc4", 48, "Pearl of Wisdom (5,000 gp)"},
      {"Misc4", 77, "Pipes of the Sewers (8,500 gp)"},
      {"Misc4", 85, "Portable Hole (50,000 gp)"},
      {"Misc5", 2, "Robe of Blending (35,000 gp)"},
      {"Misc5", 52, "Stone of Good Luck (Luckstone) (25,000 gp)"},
      {"Misc5", 86, "Vacuous Grimoire (1,000 gp)"},
      {"Misc5", 100, "Wings of Flying"},
      {"Misc6", 5, "Anything Item (40,000 gp)"},
      {"Misc6", 20, "Boots (Winged 20,000 gp)"},
      {"Misc6", 36, "Cyclocone (15,000 gp)"},
      {"Misc6", 54, "Dust of Tracelessness (200 gp)"},
      {"Misc6", 96, "Hat of Stupidity (1,000 gp)"},
      {"Misc7", 11, "Horn of Goodness (Evil) (3,250 gp)"},
      {"Misc7", 72, "Sovereign Glue (750 gp)"},
  };
  for (const Quoted& q : quoted) {
    EXPECT_EQ(Pick(TableNamed(q.table), q.d).text, q.text) << q.table << " " << q.d;
  }
}

TEST(MiscFurther, PrayerBeadsCountFirstThenOneRollPerBead) {
  for (int k = 4; k <= 7; ++k) {
    SCOPED_TRACE(k);
    const Outcome beads = RunFrom(SeedGiving({{100, 27}, {4, k - 4}}), Misc4);
    const std::string line = OnlyLine(beads);
    EXPECT_EQ(beads.draws, 2 + k);
    EXPECT_TRUE(line.starts_with("Necklace of Prayer Beads (Bead of ")) << line;
    EXPECT_TRUE(line.ends_with(", )")) << line;
    EXPECT_EQ(Occurrences(line, "Bead of "), static_cast<std::size_t>(k));
    EXPECT_EQ(Occurrences(line, ", "), static_cast<std::size_t>(k));
  }
  // The bead rolls follow the count, in order: atonement, then blessing, then two more.
  const Outcome ordered = RunFrom(SeedGiving({{100, 32}, {4, 0}, {20, 0}, {20, 9}}), Misc4);
  EXPECT_TRUE(OnlyLine(ordered).starts_with(
      "Necklace of Prayer Beads (Bead of Atonement, Bead of Blessing, Bead of "))
      << OnlyLine(ordered);
  EXPECT_EQ(ordered.draws, 6);
  const Table& bead = *Pick(TableNamed("Misc4"), 28).sub;
  EXPECT_EQ(Pick(bead, 17).text, "Bead of Karma, ");
  for (const Row& row : bead.rows) {
    EXPECT_TRUE(row.text.starts_with("Bead of ") && row.text.ends_with(", ")) << row.text;
  }
}

TEST(MiscFurther, PigmentsAndBeadsOfForceCountFromZeroToThree) {
  const Outcome none = RunFrom(SeedGiving({{100, 42}, {4, 0}}), Misc4);
  EXPECT_EQ(OnlyLine(none), "Nolzur's Marvellous Pigments (0 Pots)");
  EXPECT_EQ(none.draws, 2);
  EXPECT_EQ(OnlyLine(RunFrom(SeedGiving({{100, 43}, {4, 3}}), Misc4)),
            "Nolzur's Marvellous Pigments (3 Pots)");

  const Outcome noBeads = RunFrom(SeedGiving({{100, 5}, {4, 0}}), Misc6);
  EXPECT_EQ(OnlyLine(noBeads), "Beads of Force (0)");
  EXPECT_EQ(noBeads.draws, 2);
  EXPECT_EQ(OnlyLine(RunFrom(SeedGiving({{100, 6}, {4, 3}}), Misc6)), "Beads of Force (3)");
}

TEST(MiscFurther, VariantRowsOfMisc4) {
  const Outcome near = RunFrom(SeedGiving({{100, 12}, {20, 14}}), Misc4);
  EXPECT_EQ(OnlyLine(near), "Medallion of ESP (30' Range)");
  EXPECT_EQ(near.draws, 2);
  EXPECT_EQ(OnlyLine(RunFrom(SeedGiving({{100, 14}, {20, 15}}), Misc4)),
            "Medallion of ESP (30' Range with empathy)");
  EXPECT_EQ(OnlyLine(RunFrom(SeedGiving({{100, 13}, {20, 19}}), Misc4)),
            "Medallion of ESP (90' Range)");

  EXPECT_EQ(OnlyLine(RunFrom(SeedGiving({{100, 23}, {20, 0}}), Misc4)),
            "Necklace of Missiles (1x5HD, 2x3HD)");
  EXPECT_EQ(OnlyLine(RunFrom(SeedGiving({{100, 26}, {20, 19}}), Misc4)),
            "Necklace of Missiles (1x11HD, 2x9HD, 2x7HD, 2x5HD, 2x3HD)");

  EXPECT_EQ(OnlyLine(RunFrom(SeedGiving({{100, 44}, {100, 2}}), Misc4)),
            "Pearl of Power - Level First");
  EXPECT_EQ(OnlyLine(RunFrom(SeedGiving({{100, 45}, {100, 47}}), Misc4)),
            "Pearl of Power - Level Third");
  const Table& level = *Pick(TableNamed("Misc4"), 45).sub;
  for (int e = 1; e <= level.die; ++e) {
    EXPECT_EQ(Pick(level, e).text == "Ninth", e == 99) << e;
    EXPECT_EQ(Pick(level, e).text == "Fourth and Fifth", e == 100) << e;
  }

  const Outcome anchor = RunFrom(SeedGiving({{100, 85}, {20, 0}}), Misc4);
  EXPECT_EQ(OnlyLine(anchor), "Quaal's Feather Token (Anchor)");
  EXPECT_EQ(anchor.draws, 2);
  EXPECT_EQ(OnlyLine(RunFrom(SeedGiving({{100, 99}, {20, 19}}), Misc4)),
            "Quaal's Feather Token (Whip)");
}

TEST(MiscFurther, Misc5NeverRollsFurther) {
  for (int d = 1; d <= 100; d += 9) {
    const Outcome item = RunFrom(SeedGiving({{100, d - 1}}), Misc5);
    EXPECT_EQ(OnlyLine(item), Pick(TableNamed("Misc5"), d).text);
    EXPECT_EQ(item.draws, 1) << d;
  }
  for (const Row& row : TableNamed("Misc5").rows) {
    EXPECT_EQ(row.kind, RowKind::Fixed) << row.text;
  }
}

TEST(MiscFurther, AmuletEggAndScarabAlwaysAddTheirLine) {
  const Outcome fifth = RunFrom(SeedGiving({{100, 0}, {100, 29}}), Misc6);
  EXPECT_EQ(OnlyLine(fifth), "Amulet vs. Undead (5th Level)");
  EXPECT_EQ(fifth.draws, 2);
  EXPECT_EQ(OnlyLine(RunFrom(SeedGiving({{100, 3}, {100, 90}}), Misc6)),
            "Amulet vs. Undead (9th Level)");

  const Outcome black = RunFrom(SeedGiving({{100, 54}, {5, 0}}), Misc6);
  EXPECT_EQ(OnlyLine(black), "Egg of Desire (Black)");
  EXPECT_EQ(black.draws, 2);
  EXPECT_EQ(OnlyLine(RunFrom(SeedGiving({{100, 55}, {5, 4}}), Misc6)), "Egg of Desire (Scarlet)");

  const Outcome clay = RunFrom(SeedGiving({{100, 48}, {100, 30}}), Misc7);
  EXPECT_EQ(OnlyLine(clay), "Scarab vs. Golems (Clay)");
  EXPECT_EQ(clay.draws, 2);
  EXPECT_EQ(OnlyLine(RunFrom(SeedGiving({{100, 49}, {100, 99}}), Misc7)),
            "Scarab vs. Golems (Any)");
}

}  // namespace
}  // namespace vorneth::items
