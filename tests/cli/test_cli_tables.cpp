// vorneth-cli --check-table, --roll-table and --odds-table: what they write and their exit codes,
// with a nested table found beside the file, and what they refuse.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_files.h"
#include "cli_in_process.h"

namespace vorneth::cli {
namespace {

class CliTables : public CliFiles {
 protected:
  void SetUp() override {
    CliFiles::SetUp();
    loot_ = Write("loot.txt", "# Loot d4\n1-2 Rope\n3-4 [[Gems]] in a pouch\n");
    Write("Gems.csv", "d6,Gem\n1-5,Agate\n6,Ruby\n");
  }
  std::string loot_;
};

TEST_F(CliTables, CheckWritesEachFaultOrEachTableAndExitsWithTwoOnAFault) {
  const Result good = Cli({"--check-table", loot_});
  EXPECT_EQ(good.code, 0);
  EXPECT_EQ(good.err, "");
  EXPECT_EQ(good.out, loot_ +
                          ": table \"Loot\", d4, 2 rows, all faces covered, 1 row draws from other "
                          "tables\n" +
                          (dir_ / "Gems.csv").string() +
                          ": table \"Gems\", d6, 2 rows, all faces covered\n");
  const std::string bad = Write("bad.txt", "1-3 A\n3-6 B\n");
  const Result both = Cli({"--check-table", bad, loot_});
  EXPECT_EQ(both.code, 2);
  EXPECT_EQ(both.err, "");
  EXPECT_EQ(both.out.substr(0, both.out.find('\n')),
            bad + ": table \"bad\", row 2 (3-6) overlaps row 1 (1-3)");
  EXPECT_NE(both.out.find("table \"Gems\", d6"), std::string::npos);
  // Only a file beside the first is looked up.
  std::filesystem::create_directory(dir_ / "sub");
  const std::string escape = Write("sub/escape.txt", "1 [[../loot]]\n");
  EXPECT_EQ(
      Cli({"--check-table", escape}).out,
      escape + ": table \"escape\", row 1 (1): no table \"../loot\" in this file or its folder\n");
}

TEST_F(CliTables, RollDrawsFromTheDefaultSeedAndOddsAddUpTheNestedTable) {
  const Result rolled = Cli({"--roll-table", loot_, "--times", "3"});
  EXPECT_EQ(rolled.code, 0);
  // Roll(4) = 1 (face 2); Roll(4) = 3 (face 4) and Roll(6) = 0 (face 1); Roll(4) = 2 (face 3)
  // and Roll(6) = 2 (face 3).
  EXPECT_EQ(rolled.out, "Rope\nAgate in a pouch\nAgate in a pouch\n");
  EXPECT_EQ(Cli({"--roll-table", loot_, "--seed", "14737260", "--times", "3"}).out, rolled.out);
  const Result odds = Cli({"--odds-table", loot_});
  EXPECT_EQ(odds.code, 0);
  EXPECT_EQ(odds.out, loot_ +
                          ": table \"Loot\", d4, 3 results\n"
                          "     50%  1/2   Rope\n"
                          "41.6667%  5/12  Agate in a pouch\n"
                          " 8.3333%  1/12  Ruby in a pouch\n");
}

TEST_F(CliTables, RefusesAFaultAnUnreadableFileAndOtherOptions) {
  const std::string bad = Write("bad.txt", "1 A\n3 [[Nowhere]]\n");
  const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
      {{"--roll-table", bad},
       bad + ": table \"bad\", face 2 is in no row (a gap after row 1 (1), before row 2 (3)) (and "
             "1 more fault: see --check-table)"},
      {{"--odds-table", bad}, bad + ": table \"bad\", face 2 is in no row"},
      {{"--roll-table", loot_, "A=1"},
       "--roll-table takes no option but --times and --seed: not treasure types"},
      {{"--odds-table", loot_, "--times", "2"}, "--odds-table takes no other option: not --times"},
      {{"--check-table", loot_, "--roll-table", loot_},
       "--roll-table takes no option but --times and --seed: not --check-table"},
      {{"--times", "2", "A=1"}, "--times needs --roll-table"},
      {{"--roll-table", loot_, "--times", "1000001"}, "times is above its maximum 1000000"},
      {{"--check-table="}, "--check-table needs a file name"}};
  for (const auto& [args, words] : refused) {
    SCOPED_TRACE(args[0]);
    const Result r = Cli(args);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1);
    EXPECT_NE(r.err.find(words), std::string::npos) << r.err;
  }
  const Result missing = Cli({"--roll-table", (dir_ / "none.txt").string()});
  EXPECT_EQ(missing.code, 1);
  EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

// Seed 5 with twelve magic items holds five potions, at lines 1, 6, 7, 9 and 10. The file's
// draws come from a source seeded with 5 ^ 0x9E3779B9: Roll(100) gives 37, 86, 58, 24, 77, so
// faces 38, 87, 59, 25 and 78.
TEST_F(CliTables, AHoardDrawsAFamilyFromTheFileAndKeepsEveryOtherLine) {
  const std::string potions = Write("potions.csv",
                                    "d100,Potion,Players see,Value\n"
                                    "01-40,Draught of Mending,Murky green draught,50\n"
                                    "41-70,Phial of Quiet Steps (200 gp),,\n"
                                    "71-00,Flask of Bottled Lightning,,\n");
  const std::vector<std::string> request = {"--magic", "12", "--seed", "5"};
  const auto run = [&](std::vector<std::string> more, bool tabled) {
    std::vector<std::string> args = request;
    args.insert(args.end(), more.begin(), more.end());
    if (tabled) {
      args.insert(args.end(), {"--table", "potions=" + potions});
    }
    return Cli(args);
  };
  std::vector<std::string> expected = Lines(run({}, false).out);
  const std::vector<std::string> drawn = {
      "Draught of Mending (50 gp)", "Flask of Bottled Lightning", "Phial of Quiet Steps (200 gp)",
      "Draught of Mending (50 gp)", "Flask of Bottled Lightning"};
  std::vector<std::string> players = Lines(run({"--list", "players"}, false).out);
  // The row's players' text, else the outward form the players' view gives ("Flask" is a
  // bottle), else the family's word.
  const std::vector<std::string> shown = {"Murky green draught", "Bottle", "Potion",
                                          "Murky green draught", "Bottle"};
  const std::size_t at[] = {0, 5, 6, 8, 9};
  for (std::size_t k = 0; k < std::size(at); ++k) {
    EXPECT_EQ(expected[at[k]].rfind("Potion", 0), 0u) << expected[at[k]];
    expected[at[k]] = drawn[k];
    players[at[k]] = shown[k];
  }
  EXPECT_EQ(Lines(run({}, true).out), expected);
  EXPECT_EQ(Lines(run({"--list", "players"}, true).out), players);
  EXPECT_NE(run({"--worth"}, true).out.find("Magic items: 12, 9 priced (58,800 gp)"),
            std::string::npos);

  // The export names the table; a replay needs it again, and then rolls the same bytes.
  const Result json = run({"--format", "json"}, true);
  EXPECT_NE(json.out.find("\"tables\": {\n      \"potion\": \"potions.csv\"\n    }"),
            std::string::npos);
  EXPECT_NE(json.out.find("\"family\": \"potion\",\n      \"table\": \"potions\""),
            std::string::npos);
  const std::string exported = Write("hoard.json", json.out);
  EXPECT_EQ(Cli({"--replay", exported, "--format", "json", "--table", "potions=" + potions}).out,
            json.out);
  const Result bare = Cli({"--replay", exported});
  EXPECT_EQ(bare.code, 2);
  EXPECT_EQ(bare.err, "vorneth-cli: " + exported +
                          ": the hoard of seed 5 was drawn with --table potions=potions.csv: give "
                          "the same again to roll it\n");
  const Result lines = run({"--format", "jsonl", "--count", "2"}, true);
  EXPECT_EQ(Cli({"--replay", Write("hoards.jsonl", lines.out), "--format", "jsonl", "--table",
                 "potions=" + potions})
                .out,
            lines.out);
  // A share keeps what the players see of a drawn line.
  EXPECT_NE(run({"--split", "2", "--list", "players"}, true).out.find("Murky green draught"),
            std::string::npos);

  const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
      {{"--table", "potion=" + potions, "A=1"}, "the family one of potions, scrolls, rings,"},
      {{"--table", "potions=" + potions, "--table", "potions=x", "A=1"},
       "--table gives potions more than one file"},
      {{"--table", "potions=", "A=1"}, "--table potions= needs a file name"},
      {{"--find", "--table", "potions=" + potions, "A=1"}, "take no --table"},
      {{"--table", "potions=" + Write("gap.txt", "1 A\n3 B\n"), "A=1"}, "face 2 is in no row"}};
  for (const auto& [args, words] : refused) {
    const Result r = Cli(args);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(words), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace vorneth::cli
