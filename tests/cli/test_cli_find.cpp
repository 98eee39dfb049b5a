// vorneth-cli --find: the hoards found are the plain rolls of their seeds in every format, the
// odds agree with the hoards found, and every misuse is refused in one line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_in_process.h"

namespace vorneth::cli {
namespace {

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The seeds of the "Seed N" lines of a text output, in order.
std::vector<std::string> SeedsOf(const std::string& text) {
  std::vector<std::string> seeds;
  for (std::size_t at = 0; (at = text.find("Seed ", at)) != std::string::npos; ++at) {
    if (at == 0 || text[at - 1] == '\n') {
      seeds.push_back(text.substr(at + 5, text.find('\n', at) - at - 5));
    }
  }
  return seeds;
}

const std::vector<std::string> kRequest = {"A=1", "--magic", "2", "--rates", "bx"};
const std::vector<std::string> kSearch = {"--find",     "--worth-min", "20000",  "--with",
                                          "sword",      "--without",   "cursed", "--seed",
                                          "4294966000", "--tries",     "3000"};

TEST(CliFind, HoardsFoundAreThePlainRollsOfTheirSeeds) {
  const Result found = Cli(Joined(Joined(kRequest, kSearch), {"--count", "3", "--worth"}));
  ASSERT_EQ(found.code, 0) << found.err;
  const std::vector<std::string> seeds = SeedsOf(found.out);
  ASSERT_EQ(seeds.size(), 3u);
  std::string expected;
  for (const std::string& seed : seeds) {
    expected += (expected.empty() ? "Seed " : "\nSeed ") + seed + "\n" +
                Cli(Joined(kRequest, {"--seed", seed, "--worth"})).out;
  }
  EXPECT_EQ(found.out, expected);

  const std::string lines =
      Cli(Joined(Joined(kRequest, kSearch), {"--count", "3", "--format", "jsonl"})).out;
  for (const std::string& seed : seeds) {
    EXPECT_NE(lines.find("\"seed\":" + seed + ","), std::string::npos) << seed;
  }
}

TEST(CliFind, TheOddsCountTheHoardsFound) {
  const Result all = Cli(Joined(Joined(kRequest, kSearch), {"--count", "1000000"}));
  ASSERT_EQ(all.code, 0);
  const std::size_t found = SeedsOf(all.out).size();
  ASSERT_GT(found, 3u);
  const std::string odds = Cli(Joined(Joined(kRequest, kSearch), {"--stats"})).out;
  EXPECT_TRUE(odds.starts_with("Matches: " + std::to_string(found) + " of 3,000 tries (")) << odds;
  EXPECT_TRUE(odds.ends_with(
      ")\nConditions: worth at least 20,000 gp, with a magic sword, without a cursed item\n"));
  EXPECT_NE(Cli(Joined(Joined(kRequest, kSearch), {"--stats", "--format", "json"}))
                .out.find("\"matches\": " + std::to_string(found) + ",\n"),
            std::string::npos);

  const Result none = Cli({"A=1", "--find", "--worth-min", "999999999999", "--tries", "50"});
  EXPECT_EQ(none.code, 1);
  EXPECT_EQ(none.out, "");
  EXPECT_EQ(none.err,
            "vorneth-cli: no hoard of 50 tries meets worth at least 999,999,999,999 gp\n");
}

TEST(CliFind, MisuseExitsTwoWithOneLine) {
  const std::vector<std::vector<std::string>> bad = {
      {"--worth-min", "5"},
      {"--with", "sword"},
      {"--tries", "5"},
      {"--find", "--worth-min", "9", "--worth-max", "8"},
      {"--find", "--with", "sword", "--without", "SWORD"},
      {"--find", "--with", "dragon"},
      {"--find", "--without=", "A=1"},
      {"--find", "--max-weight", "1.5"},
      {"--find", "--tries", "0"},
      {"--find", "--tries", "4294967297"},
      {"--find", "--replay", "x"},
      {"--find", "--worth-of", "x"},
      {"--find", "--stats", "--count", "2"},
      {"--find", "--split", "2"},
      {"--find", "--describe-types"},
      {"--find", "--stats", "--format", "csv"},
      {"--find", "--count", "2", "--format", "foundry"}};
  for (const auto& args : bad) {
    const Result r = Cli(args);
    SCOPED_TRACE(args[1]);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(r.err.starts_with("vorneth-cli: ")) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
  }
  EXPECT_EQ(Cli({"--find", "--tries", "4294967296", "--format", "foundry"}).code, 0);
}

}  // namespace
}  // namespace vorneth::cli
