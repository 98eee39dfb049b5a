// vorneth-cli in-process (arguments in, two streams out) and once as a real process.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace vorneth::cli {
namespace {

struct Result {
  int code;
  std::string out;
  std::string err;
};

Result Cli(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int code = RunCli(args, out, err);
  return {code, out.str(), err.str()};
}

TEST(Cli, WorkedExamples) {
  EXPECT_EQ(Cli({"--jewelry", "2"}).out, "2 Jewelry Items (Wrought Gold 3,114 gp)\n");
  EXPECT_EQ(Cli({"J=3"}).out, "9 Copper coins\n20 Copper coins\n4 Copper coins\n");
  EXPECT_EQ(Cli({"j=3"}).out, Cli({"J=3"}).out);
  EXPECT_EQ(Cli({}).out, "Nothing Found\n");
  EXPECT_EQ(Cli({"--coins", "1000"}).out, "1,000 Gold coins\n");
  EXPECT_EQ(Cli({"--coins=1000", "--separator", "."}).out, "1.000 Gold coins\n");
  EXPECT_EQ(Cli({"Q=1"}).out, "4 Gems (Lapis Lazuli 40 gp)\n");
}

TEST(Cli, SeedAndListChoice) {
  const Result a = Cli({"--seed", "1", "A=5", "--magic", "3"});
  const Result b = Cli({"--seed", "1", "A=5", "--magic", "3"});
  EXPECT_EQ(a.code, 0);
  EXPECT_EQ(a.out, b.out);
  EXPECT_NE(a.out, Cli({"--seed", "2", "A=5", "--magic", "3"}).out);
  EXPECT_EQ(Cli({"--list", "players"}).out, "Nothing Found\n");
  EXPECT_EQ(Cli({"--seed", "4294967295"}).code, 0);
}

TEST(Cli, BadArgumentsExitTwoWithOneLine) {
  const std::vector<std::vector<std::string>> bad = {{"--bogus"},
                                                     {"-x"},
                                                     {"1=3"},
                                                     {"AA=3"},
                                                     {"A=-1"},
                                                     {"A=x"},
                                                     {"A=100"},
                                                     {"A="},
                                                     {"A=1", "a=2"},
                                                     {"--seed", "4294967296"},
                                                     {"--coins", "100000000"},
                                                     {"--gems", "10000"},
                                                     {"--magic", "1000"},
                                                     {"--jewelry", "-5"},
                                                     {"--list", "all"},
                                                     {"--format", "xml"},
                                                     {"--title"},
                                                     {"A"}};
  for (const auto& args : bad) {
    const Result r = Cli(args);
    SCOPED_TRACE(args.front());
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("vorneth-cli: ", 0), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
  }
  EXPECT_NE(Cli({"A=1", "a=2"}).err.find("twice"), std::string::npos);
  EXPECT_NE(Cli({"A=100"}).err.find("maximum"), std::string::npos);
  EXPECT_NE(Cli({"A=-1"}).err.find("negative"), std::string::npos);
}

TEST(Cli, JsonCarriesRequestCaptionAndBothLists) {
  const Result r = Cli({"--format", "json", "--title", "The \"Crypt\"\t", "--jewelry", "2"});
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("\"title\": \"The \\\"Crypt\\\"\\t\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"seed\": 14737260"), std::string::npos);
  EXPECT_NE(r.out.find("\"jewelry\": 2"), std::string::npos);
  EXPECT_NE(r.out.find("\"caption\": \"Vorneth - The \\\"Crypt\\\"\\t\""), std::string::npos);
  EXPECT_NE(r.out.find("\"dm\": [\n    \"2 Jewelry Items (Wrought Gold 3,114 gp)\"\n  ]"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\"players\": ["), std::string::npos);
}

TEST(Cli, HelpAndVersion) {
  EXPECT_NE(Cli({"--help"}).out.find("LETTER=COUNT"), std::string::npos);
  EXPECT_EQ(Cli({"-h"}).code, 0);
  EXPECT_EQ(Cli({"--version"}).out, "vorneth-cli 1.00\n");
}

// The built executable: stdout carries only the lines, stderr the complaint, exit codes hold.
TEST(Cli, RealProcess) {
  auto capture = [](const std::string& command, int& status) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 256> buffer{};
    while (pipe != nullptr && fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
      output += buffer.data();
    }
    status = pipe != nullptr ? pclose(pipe) : -1;
    return output;
  };
  int status = 0;
  EXPECT_EQ(capture(std::string(VORNETH_CLI_PATH) + " --jewelry 2 2>/dev/null", status),
            "2 Jewelry Items (Wrought Gold 3,114 gp)\n");
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(capture(std::string(VORNETH_CLI_PATH) + " Z=200 2>&1 >/dev/null", status),
            "vorneth-cli: count of type Z is above its maximum 99: 200 (see vorneth-cli --help)\n");
  EXPECT_EQ(WEXITSTATUS(status), 2);
}

}  // namespace
}  // namespace vorneth::cli
