// vorneth-cli --check-table, --roll-table and --odds-table: what they write and their exit codes,
// with a nested table found beside the file, and what they refuse.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_in_process.h"

namespace vorneth::cli {
namespace {

class CliTables : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string name = (std::filesystem::temp_directory_path() / "vorneth-tables-XXXXXX").string();
    ASSERT_NE(mkdtemp(name.data()), nullptr);
    dir_ = name;
    loot_ = Write("loot.txt", "# Loot d4\n1-2 Rope\n3-4 [[Gems]] in a pouch\n");
    Write("Gems.csv", "d6,Gem\n1-5,Agate\n6,Ruby\n");
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  std::filesystem::path dir_;
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

}  // namespace
}  // namespace vorneth::cli
