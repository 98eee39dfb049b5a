// Miscellaneous magic items, Misc1 to Misc3 and the special items: the values each operation
// draws, the lines of rows completed by a further roll, and, for the whole family (Misc1 to
// Misc7), names that the players' view recognises by the right words and by no wrong ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "items/misc.h"
#include "items/table.h"
#include "playersview/players_view.h"
#include "playersview/rewrite_tables.h"
#include "support/engine_test_support.h"

namespace vorneth::items {
namespace {

using testing::Outcome;
using testing::RunFrom;
using testing::SeedGiving;
using testing::TableNamed;

// Every line a row can give: each sub-table text after a variant's prefix, the least and the
// greatest count of a number row, each bead of a list row on its own.
std::vector<std::string> RowLines(const Row& row) {
  const std::string prefix(row.text);
  std::vector<std::string> lines;
  switch (row.kind) {
    case RowKind::Fixed:
      lines.push_back(prefix);
      break;
    case RowKind::Variant:
    case RowKind::List:
      for (const Row& sub : row.sub->rows) {
        lines.push_back(prefix + std::string(sub.text) + std::string(row.suffix));
      }
      break;
    case RowKind::Count:
      for (int n : {row.base, row.base + row.die - 1}) {
        lines.push_back(prefix + std::to_string(n) + std::string(row.suffix));
      }
      break;
    case RowKind::Reference:
    case RowKind::Typed:
    case RowKind::Spells:
      break;
  }
  return lines;
}

constexpr std::string_view kMainTables[] = {"Misc1", "Misc2", "Misc3", "MiscSpecial",
                                            "Misc4", "Misc5", "Misc6", "Misc7"};

TEST(Misc, FixedRowsDrawOnlyTheTableRoll) {
  Outcome jug = RunFrom(SeedGiving({{100, 0}}), Misc1);
  EXPECT_EQ(jug.lines, LineList{"Jug of Alchemy (12,000 gp)"});
  EXPECT_EQ(jug.draws, 1);

  Outcome chime = RunFrom(SeedGiving({{100, 13}}), Misc2);
  EXPECT_EQ(chime.lines, LineList{"Chime of Hunger"});
  EXPECT_EQ(chime.draws, 1);

  Outcome flask = RunFrom(SeedGiving({{100, 79}}), Misc3);
  EXPECT_EQ(flask.lines, LineList{"Iron Flask"});
  EXPECT_EQ(flask.draws, 1);
}

TEST(Misc, QuotedRowsReadExactly) {
  struct Quoted {
    std::string_view table;
    int d;
    std::string_view text;
  };
  constexpr Quoted quoted[] = {
      {"Misc1", 22, "Bag of Holding (25,000 gp)"},
      {"Misc1", 58, "Bowl Commanding Water Elementals (25,000 gp)"},
      {"Misc2", 6, "Candle of Invocation (5,000 gp)"},
      {"Misc2", 67, "Cube (Cubic Gate) (17,500 gp)"},
      {"Misc2", 100, "Eyes of Petrification"},
      {"Misc3", 16, "Flask of Curses (1,000 gp)"},
      {"Misc3", 48, "Horn of Bubbles"},
      {"MiscSpecial", 5, "Crown of Might (50,000 gp)"},
      {"MiscSpecial", 63, "Orb of Might (100,000 gp)"},
      {"MiscSpecial", 91, "Sceptre of Might (150,000 gp)"},
      {"MiscSpecial", 99, "Throne of the Gods"},
  };
  for (const Quoted& q : quoted) {
    EXPECT_EQ(Pick(TableNamed(q.table), q.d).text, q.text) << q.table << " " << q.d;
  }
}

TEST(Misc, ReferenceRowHandsOverToTheSpecialItems) {
  Outcome crown = RunFrom(SeedGiving({{100, 16}, {100, 4}}), Misc1);
  EXPECT_EQ(crown.lines, LineList{"Crown of Might (50,000 gp)"});
  EXPECT_EQ(crown.draws, 2);

  Outcome hatchling = RunFrom(SeedGiving({{100, 16}, {100, 40}, {8, 0}}), Misc1);
  EXPECT_EQ(hatchling.lines, LineList{"Orb of Dragonkind (Hatchling)"});
  EXPECT_EQ(hatchling.draws, 3);

  Outcome eternal = RunFrom(SeedGiving({{100, 46}, {8, 7}}), MiscSpecial);
  EXPECT_EQ(eternal.lines, LineList{"Orb of Dragonkind (Eternal Grand Dragon)"});
  EXPECT_EQ(eternal.draws, 2);
}

TEST(Misc, BracersGiveArmourClassTwoToEight) {
  Outcome best = RunFrom(SeedGiving({{100, 59}, {100, 0}}), Misc1);
  EXPECT_EQ(best.lines, LineList{"Bracers of Defense AC 8"});
  EXPECT_EQ(best.draws, 2);
  Outcome e5 = RunFrom(SeedGiving({{100, 78}, {100, 4}}), Misc1);
  EXPECT_EQ(e5.lines, LineList{"Bracers of Defense AC 8"});
  Outcome e6 = RunFrom(SeedGiving({{100, 70}, {100, 5}}), Misc1);
  EXPECT_EQ(e6.lines, LineList{"Bracers of Defense AC 7"});
  Outcome e86 = RunFrom(SeedGiving({{100, 60}, {100, 85}}), Misc1);
  EXPECT_EQ(e86.lines, LineList{"Bracers of Defense AC 2"});

  std::set<std::string> classes;
  for (const std::string& line : RowLines(Pick(TableNamed("Misc1"), 60))) {
    classes.insert(line.substr(std::string("Bracers of Defense AC ").size()));
  }
  EXPECT_EQ(classes, (std::set<std::string>{"2", "3", "4", "5", "6", "7", "8"}));
}

TEST(Misc, CloakOfProtectionRunsFromPlusOneToPlusFive) {
  Outcome top = RunFrom(SeedGiving({{100, 32}, {100, 99}}), Misc2);
  EXPECT_EQ(top.lines, LineList{"Cloak of Protection +5"});
  EXPECT_EQ(top.draws, 2);
  Outcome e35 = RunFrom(SeedGiving({{100, 54}, {100, 34}}), Misc2);
  EXPECT_EQ(e35.lines, LineList{"Cloak of Protection +1"});
  Outcome e36 = RunFrom(SeedGiving({{100, 40}, {100, 35}}), Misc2);
  EXPECT_EQ(e36.lines, LineList{"Cloak of Protection +2"});

  const Table& plus = *Pick(TableNamed("Misc2"), 33).sub;
  int ones = 0;
  for (int e = 1; e <= plus.die; ++e) {
    ones += Pick(plus, e).text == "1" ? 1 : 0;
    EXPECT_LE(std::string(Pick(plus, e).text), "5");
  }
  EXPECT_EQ(ones, 35);
}

TEST(Misc, JewelOfFlawlessnessHasTenToNinetyNineFacets) {
  Outcome fewest = RunFrom(SeedGiving({{100, 91}, {90, 0}}), Misc3);
  EXPECT_EQ(fewest.lines, LineList{"Jewel of Flawlessness 10 facets"});
  EXPECT_EQ(fewest.draws, 2);
  Outcome most = RunFrom(SeedGiving({{100, 91}, {90, 89}}), Misc3);
  EXPECT_EQ(most.lines, LineList{"Jewel of Flawlessness 99 facets"});
}

TEST(Misc, FurtherRollsOfMisc3) {
  Outcome fly = RunFrom(SeedGiving({{100, 0}, {100, 0}}), Misc3);
  EXPECT_EQ(fly.lines, LineList{"Figurine of Wondrous Power (Ebony Fly)"});
  EXPECT_EQ(fly.draws, 2);
  Outcome lions = RunFrom(SeedGiving({{100, 14}, {100, 15}}), Misc3);
  EXPECT_EQ(lions.lines, LineList{"Figurine of Wondrous Power (Golden Lions - Pair)"});
  Outcome owl = RunFrom(SeedGiving({{100, 5}, {100, 99}}), Misc3);
  EXPECT_EQ(owl.lines, LineList{"Figurine of Wondrous Power (Serpentine Owl)"});

  Outcome hill = RunFrom(SeedGiving({{100, 28}, {100, 29}}), Misc3);
  EXPECT_EQ(hill.lines, LineList{"Girdle of Hill Giant Strength"});
  Outcome storm = RunFrom(SeedGiving({{100, 28}, {100, 95}}), Misc3);
  EXPECT_EQ(storm.lines, LineList{"Girdle of Storm Giant Strength"});

  Outcome silver = RunFrom(SeedGiving({{100, 53}, {20, 7}}), Misc3);
  EXPECT_EQ(silver.lines, LineList{"Horn of Valhalla (Silver)"});
  Outcome iron = RunFrom(SeedGiving({{100, 59}, {20, 18}}), Misc3);
  EXPECT_EQ(iron.lines, LineList{"Horn of Valhalla (Iron)"});

  Outcome harp = RunFrom(SeedGiving({{100, 77}, {20, 19}}), Misc3);
  EXPECT_EQ(harp.lines, LineList{"Instrument of the Bards (Ollamh Harp)"});
  Outcome bandore = RunFrom(SeedGiving({{100, 72}, {20, 4}}), Misc3);
  EXPECT_EQ(bandore.lines, LineList{"Instrument of the Bards (Fachlucan Bandore)"});

  const Table& ioun = *Pick(TableNamed("Misc3"), 72).sub;
  EXPECT_EQ(Pick(ioun, 1).text, "(Pale Blue)");
  EXPECT_EQ(Pick(ioun, 14).text, "(Dusty Rose)");
  std::set<std::string_view> colours;
  int dullGray = 0;
  for (int e = 1; e <= ioun.die; ++e) {
    colours.insert(Pick(ioun, e).text);
    dullGray += Pick(ioun, e).text == "(Dull Gray)" ? 1 : 0;
  }
  EXPECT_EQ(colours.size(), 15u);
  EXPECT_EQ(dullGray, 6);
  Outcome gray = RunFrom(SeedGiving({{100, 71}, {20, 19}}), Misc3);
  EXPECT_EQ(gray.lines, LineList{"Ioun Stone (Dull Gray)"});
  EXPECT_EQ(gray.draws, 2);
}

// Lines completed by a roll, and rows without a value, end without a value bracket; every other
// line ends with one. No name uses the words the players' view reads as scroll continuations
// or curses, and only the cloak of protection and the medallion's empathy carry "+" and " with ".
TEST(MiscFamily, LinesKeepTheirForm) {
  for (std::string_view name : kMainTables) {
    const bool firstHalf =
        name == "Misc1" || name == "Misc2" || name == "Misc3" || name == "MiscSpecial";
    for (const Row& row : TableNamed(name).rows) {
      for (const std::string& line : RowLines(row)) {
        SCOPED_TRACE(line);
        const bool valued = line.ends_with(" gp)");
        if (row.kind != RowKind::Fixed) {
          EXPECT_FALSE(valued);
        } else if (valued) {
          EXPECT_NE(line.find(" ("), std::string::npos);
        }
        EXPECT_EQ(line.find(" plus "), std::string::npos);
        EXPECT_EQ(line.find("(Cursed)"), std::string::npos);
        EXPECT_EQ(line.find(" Cursed "), std::string::npos);
        const bool cloak = line.starts_with("Cloak of Protection +");
        EXPECT_EQ(line.find('+') != std::string::npos, firstHalf && cloak);
        const bool empathy = line == "Medallion of ESP (30' Range with empathy)";
        EXPECT_EQ(line.find(" with ") != std::string::npos, empathy);
      }
    }
  }
}

// The first substitution key of the players' view that a line holds must stand in the item's
// own name (before " of ", " vs. " or a bracket), never in what follows it.
TEST(MiscFamily, PlayersViewKeysStandOnlyInTheItemsName) {
  for (std::string_view name : kMainTables) {
    for (const Row& row : TableNamed(name).rows) {
      for (const std::string& line : RowLines(row)) {
        std::size_t head = line.size();
        for (std::string_view end : {" of ", " vs. ", " ("}) {
          head = std::min(head, line.find(end));
        }
        for (const auto& sub : playersview::kSubstitutions) {
          const std::size_t at = line.find(sub.key);
          if (at != std::string::npos) {
            // The giant's kind "Stone" of the girdle is part of the item's fixed wording.
            if (line != "Girdle of Stone Giant Strength") {
              EXPECT_LT(at, head) << line << ": key \"" << sub.key << "\"";
            }
            break;
          }
        }
        for (const auto& gem : playersview::kAppearances) {
          if (line.find(gem.name) != std::string::npos) {
            EXPECT_TRUE(line.starts_with("Jacinth of ")) << line << ": gem " << gem.name;
          }
        }
      }
    }
  }
}

// Items the players' view shows in an outward form of its own carry the words it looks for.
TEST(MiscFamily, PlayersSeeTheOutwardFormOfRecognisedItems) {
  struct Recognised {
    std::string_view table;
    int d;
    std::string_view outward;
  };
  constexpr Recognised recognised[] = {
      {"Misc1", 1, "Jug"},
      {"Misc1", 12, "Large Iron Barrel"},
      {"Misc1", 32, "Small Wooden Box"},
      {"Misc1", 34, "Book"},
      {"Misc1", 56, "Bowl"},
      {"Misc1", 59, "Bowl"},
      {"Misc1", 99, "Bag"},
      {"Misc2", 9, "Incense Burner"},
      {"Misc2", 11, "Incense Burner"},
      {"Misc2", 12, "Hollow Mithral Tube"},
      {"Misc2", 14, "Hollow Mithral Tube"},
      {"Misc2", 56, "Crystal Ball"},
      {"Misc2", 61, "Crystal Ball"},
      {"Misc2", 62, "Cube"},
      {"Misc2", 64, "Cube"},
      {"Misc2", 66, "Cube"},
      {"Misc2", 68, "Cube"},
      {"Misc2", 93, "Bottle"},
      {"Misc2", 94, "Bottle"},
      {"Misc2", 95, "Gem"},
      {"Misc2", 100, "Gem"},
      {"Misc3", 16, "Bottle"},
      {"Misc3", 72, "Stone"},
      {"Misc3", 79, "Bottle"},
      {"Misc3", 91, "Gem"},
      {"Misc3", 92, "Gem"},
      {"Misc3", 93, "Ointment"},
      {"MiscSpecial", 30, "Bottle"},
      {"Misc4", 2, "Book"},
      {"Misc4", 7, "Book"},
      {"Misc4", 43, "Pot"},
      {"Misc4", 49, "Gem"},
      {"Misc4", 85, "Fine Cloth"},
      {"Misc4", 86, "Charm"},
      {"Misc5", 35, "Brooch"},
      {"Misc5", 49, "Stone"},
      {"Misc5", 53, "Stone"},
      {"Misc5", 69, "Book"},
      {"Misc5", 86, "Book"},
      {"Misc5", 88, "Fine Cloth"},
      {"Misc5", 91, "Cloak"},
      {"Misc6", 5, "Scroll"},
      {"Misc6", 8, "Book"},
      {"Misc6", 27, "Hollow Mithral Tube"},
      {"Misc6", 35, "Hat"},
      {"Misc6", 43, "Candlestick"},
      {"Misc7", 1, "Bag"},
      {"Misc7", 13, "Rusty Iron Sphere"},
      {"Misc7", 15, "Gem"},
      {"Misc7", 19, "Gem"},
      {"Misc7", 22, "Cloak"},
      {"Misc7", 24, "Spoon"},
      {"Misc7", 30, "Stone"},
      {"Misc7", 32, "Bag"},
      {"Misc7", 38, "Birdcage"},
      {"Misc7", 49, "Brooch"},
      {"Misc7", 51, "Lantern"},
      {"Misc7", 55, "Fine Cloth"},
      {"Misc7", 71, "Potion"},
      {"Misc7", 73, "Spoon"},
      {"Misc7", 78, "Sculpture of a Horse"},
      {"Misc7", 82, "Potion"},
      {"Misc7", 85, "Fan"},
      {"Misc7", 89, "Flagon"},
      {"Misc7", 93, "Bag"},
  };
  for (const Recognised& r : recognised) {
    for (std::string line : RowLines(Pick(TableNamed(r.table), r.d))) {
      SCOPED_TRACE(line);
      playersview::ParseSubs(line);
      EXPECT_EQ(line, r.outward) << r.table << " " << r.d;
    }
  }
}

}  // namespace
}  // namespace vorneth::items
