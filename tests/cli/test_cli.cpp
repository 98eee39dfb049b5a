// vorneth-cli in-process (arguments in, two streams out) and once as a real process.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/batch_pool.h"
#include "cli/cli.h"
#include "cli/cli_options.h"
#include "cli/hoard_output.h"
#include "cli_in_process.h"
#include "cli_process.h"
#include "core/utf8.h"

namespace vorneth::cli {
namespace {

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
                                                     {"--worth", "--list", "players"},
                                                     {"--count", "0"},
                                                     {"--count", "1000001"},
                                                     {"--rates", "2e"},
                                                     {"--split", "1"},
                                                     {"--split", "13"},
                                                     {"--stats", "A=1"},
                                                     {"--stats", "--count", "9", "--split", "2"},
                                                     {"--stats", "--count", "9", "--format", "csv"},
                                                     {"--worth-of", "x", "--count", "2"},
                                                     {"--describe-types", "A=1"},
                                                     {"--describe-types", "--count", "2"},
                                                     {"--describe-types", "--rates", "bx"},
                                                     {"--describe-types", "--replay", "x"},
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

TEST(Cli, WorthFollowsTheListAndTheExchange) {
  EXPECT_EQ(Cli({"--worth", "J=3"}).out,
            "9 Copper coins\n20 Copper coins\n4 Copper coins\n\n"
            "Coins: 33 copper, 0 silver, 0 electrum, 0 gold, 0 platinum\n"
            "Coins in gold: 3 sp 3 cp (first edition exchange, 20 sp or 200 cp to the gp)\n"
            "Coin weight: 3.3 lb (10 coins to the pound)\n"
            "Gems: 0 pieces, 0 gp\n"
            "Jewelry: 0 pieces, 0 gp\nMagic items: 0, 0 priced (0 gp), 0 unpriced\nMaps: 0\n"
            "Treasure: 3 sp 3 cp\nTotal: 3 sp 3 cp\n");
  EXPECT_NE(Cli({"--format", "json", "--rates", "bx", "J=3"}).out.find("\"coins_gp\": 0.33"),
            std::string::npos);
  EXPECT_EQ(Cli({"--count", "2", "J=1"}).out,
            "Hoard 1 of 2, seed 14737260\n9 Copper coins\n\nHoard 2 of 2, seed 14737261\n10 "
            "Copper coins\n\n");
}

// Summed by hand: B=1 with two gem lots holds 6,865 copper and 3,613 silver coins, 10,478
// coins at ten to the pound, 686.5 + 361.3 = 1,047.8 lb; its gems and jewelry weigh nothing.
TEST(Cli, CoinWeightIsTheCoinsAloneInEveryForm) {
  const auto out = [](std::vector<std::string> args) {
    args.insert(args.begin(), {"B=1", "--gems", "2"});
    return Cli(args).out;
  };
  constexpr auto npos = std::string::npos;
  EXPECT_NE(out({"--worth"}).find("\nCoin weight: 1,047.8 lb (10 coins to the pound)\n"), npos);
  EXPECT_NE(out({"--format", "json"}).find("\"coin_weight_lb\": 1047.8,"), npos);
  const std::string csv = out({"--format", "csv"});
  EXPECT_NE(csv.find(",\"6,865 Copper coins\",686.5\r\n"), npos) << csv;
  EXPECT_NE(csv.find(",\"3,613 Silver coins\",361.3\r\n"), npos);
  EXPECT_NE(csv.find(",\"2 Gems (Topaz 1,000 gp)\",\r\n"), npos);
  EXPECT_NE(
      out({"--format", "markdown"}).find("| Coin weight | 1,047.8 lb (10 coins to the pound) |"),
      npos);
}

TEST(Cli, SharesAreHeadedWithTheirWorthInEveryFormat) {
  EXPECT_EQ(Cli({"--split", "3", "J=3"}).out,
            "Share 1 of 3, worth 1 sp 1 cp, coins 1.1 lb\n11 Copper coins\n\n"
            "Share 2 of 3, worth 1 sp 1 cp, coins 1.1 lb\n11 Copper coins\n\n"
            "Share 3 of 3, worth 1 sp 1 cp, coins 1.1 lb\n11 Copper coins\n");
  EXPECT_NE(
      Cli({"--split", "2", "--list", "players", "Q=1"}).out.find("Share 2 of 2, worth 20 gp\n"),
      std::string::npos);
  const std::string json = Cli({"--split", "2", "--format", "json", "A=1"}).out;
  EXPECT_NE(json.find("\"shares\": [\n    {\n      \"share\": 1,\n      \"worth\": {"),
            std::string::npos)
      << json;
  EXPECT_EQ(Cli({"--split", "2", "--format", "csv", "J=1"}).out,
            "hoard,seed,list,line,kind,pieces,gp,text,share,coin_weight_lb\r\n"
            "1,14737260,dm,1,coins,5,0.025,5 Copper coins,1,0.5\r\n"
            "1,14737260,players,1,,,,5 Copper coins,1,\r\n"
            "1,14737260,dm,1,coins,4,0.02,4 Copper coins,2,0.4\r\n"
            "1,14737260,players,1,,,,4 Copper coins,2,\r\n");
}

TEST(Cli, DescribeTypesTakesOnlyTheSeparator) {
  const Result r = Cli({"--describe-types", "--separator", "."});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 26);
  EXPECT_EQ(r.out.rfind("A, lair: copper 1.000-5.999 (24.8%), ", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("\nJ, individual: copper 3-23 (always)\n"), std::string::npos);
  EXPECT_EQ(Cli({"--describe-types", "--stats", "Z=1"}).err,
            "vorneth-cli: --describe-types takes no option but --separator: not treasure types, "
            "--stats (see vorneth-cli --help)\n");
}

TEST(Cli, HelpAndVersion) {
  EXPECT_NE(Cli({"--help"}).out.find("LETTER=COUNT"), std::string::npos);
  EXPECT_EQ(Cli({"-h"}).code, 0);
  // The version the program gives is the one its exports carry.
  const std::string json = Cli({"--format", "json"}).out;
  const std::string version = Cli({"--version"}).out;
  ASSERT_EQ(version.rfind("vorneth-cli ", 0), 0u);
  EXPECT_NE(json.find("\"version\": \"" + version.substr(12, version.size() - 13) + "\""),
            std::string::npos);
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

std::string Complaint(const std::string& message) {
  return "vorneth-cli: " + message + " (see vorneth-cli --help)\n";
}

TEST(Cli, ComplaintsEscapeControlsAndIllFormedBytes) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"--x\n\r\t"}, "unknown option '--x\\n\\r\\t'"},
      {{"--x\x1b[31m\x01\x7f"}, "unknown option '--x\\x1b[31m\\x01\\x7f'"},
      {{"--x\xc2\x85\xc2\x9f"}, "unknown option '--x\\xc2\\x85\\xc2\\x9f'"},
      {{"--x\xff\xe2\x82\xc0\xaf"}, "unknown option '--x\\xff\\xe2\\x82\\xc0\\xaf'"},
      {{"--x\xc2\xa0\xc3\xa9\xe6\x97\xa5"}, "unknown option '--x\xc2\xa0\xc3\xa9\xe6\x97\xa5'"},
      {{"-\n"}, "unknown option '-\\n'"},
      {{"A=1\n2"}, "count of type A is not a number: '1\\n2'"},
      {{"A=-\n"}, "count of type A must not be negative: -\\n"},
      {{"\x1b=1"}, "treasure type '\\x1b' is not a letter A to Z"},
      {{"AB\n"}, "expected LETTER=COUNT, not 'AB\\n'"},
      {{"--list", "a\nb"}, "--list takes dm or players, not 'a\\nb'"},
      {{"--format=\r"}, "--format takes text, json, markdown, csv, jsonl or foundry, not '\\r'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const Result r = Cli(c.args);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, Complaint(c.message));
  }
}

TEST(Cli, ComplaintsCutLongTextAtSixtyCharacters) {
  const std::string x58(58, 'x');
  EXPECT_EQ(Cli({"A=" + std::string(1 << 20, '7') + "x"}).err,
            Complaint("count of type A is not a number: '" + std::string(60, '7') + "...'"));
  EXPECT_EQ(Cli({"--" + x58}).err, Complaint("unknown option '--" + x58 + "'"));
  EXPECT_EQ(Cli({"--" + x58 + "y"}).err, Complaint("unknown option '--" + x58 + "...'"));
  std::string accents = "--";
  for (int i = 0; i < 100; ++i) {
    accents += "\xc3\xa9";
  }
  EXPECT_EQ(Cli({accents}).err,
            Complaint("unknown option '" + accents.substr(0, 2 + 58 * 2) + "...'"));
  // An escape is kept whole or left out whole.
  const std::string x54(54, 'x');
  EXPECT_EQ(Cli({"--" + x54 + "\x1byyy"}).err, Complaint("unknown option '--" + x54 + "\\x1b...'"));
  EXPECT_EQ(Cli({"--" + x54 + "y\x1b"}).err, Complaint("unknown option '--" + x54 + "y...'"));
}

TEST(Utf8, DecoderRejectsOverlongSurrogatesAndOutOfRange) {
  struct Case {
    std::string text;
    Utf8Step expected;
  };
  const std::vector<Case> cases = {
      {"A", {true, 0x41, 1}},
      {"\xc3\xa9", {true, 0xE9, 2}},
      {"\xed\x9f\xbf", {true, 0xD7FF, 3}},
      {"\xee\x80\x80", {true, 0xE000, 3}},
      {"\xf4\x8f\xbf\xbf", {true, 0x10FFFF, 4}},
      {"\x80", {false, 0, 1}},
      {"\xc0\xaf", {false, 0, 1}},
      {"\xc1\xbf", {false, 0, 1}},
      {"\xe0\x9f\xbf", {false, 0, 1}},
      {"\xed\xa0\x80", {false, 0, 1}},
      {"\xf0\x8f\xbf\xbf", {false, 0, 1}},
      {"\xf4\x90\x80\x80", {false, 0, 1}},
      {"\xf5\x80\x80\x80", {false, 0, 1}},
      {"\xe2\x82", {false, 0, 2}},
      {"\xf0\x9f\x90x", {false, 0, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.text));
    const Utf8Step step = DecodeUtf8(c.text);
    EXPECT_EQ(step.valid, c.expected.valid);
    EXPECT_EQ(step.length, c.expected.length);
    if (c.expected.valid) {
      EXPECT_EQ(static_cast<std::uint32_t>(step.codePoint),
                static_cast<std::uint32_t>(c.expected.codePoint));
    }
  }
}

bool IsWellFormedUtf8(std::string_view text) {
  while (!text.empty()) {
    const Utf8Step step = DecodeUtf8(text);
    if (!step.valid) {
      return false;
    }
    text.remove_prefix(step.length);
  }
  return true;
}

TEST(Cli, JsonReplacesIllFormedUtf8) {
  const std::string fffd = "\xef\xbf\xbd";
  const std::vector<std::pair<std::string, std::string>> titles = {
      {"\xff", fffd},
      {"ab\xe2\x82", "ab" + fffd},
      {"\xe2\x82x", fffd + "x"},
      {"\xc0\xaf", fffd + fffd},
      {"\xed\xa0\x80", fffd + fffd + fffd},
      {"\xf4\x90\x80\x80", fffd + fffd + fffd + fffd},
      {"Zo\xc3\xab \xe6\x97\xa5 \xf0\x9f\x90\x89", "Zo\xc3\xab \xe6\x97\xa5 \xf0\x9f\x90\x89"},
  };
  for (const auto& [title, shown] : titles) {
    SCOPED_TRACE(::testing::PrintToString(title));
    const Result r = Cli({"--format", "json", "--title", title});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(IsWellFormedUtf8(r.out));
    EXPECT_NE(r.out.find("\"title\": \"" + shown + "\","), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"caption\": \"Vorneth - " + shown + "\","), std::string::npos);
  }
}

// The built executable: an echoed argument stays on one line, and output that cannot be
// written is an error with the system's reason, whatever was asked for.
TEST(Cli, RealProcessReportsBadTextAndFailedWrites) {
  const ProcessResult newline = RunCliProcess({"A=1\n2"});
  EXPECT_EQ(newline.exitCode, 2);
  EXPECT_EQ(newline.out, "");
  EXPECT_EQ(newline.err, Complaint("count of type A is not a number: '1\\n2'"));
  EXPECT_LT(RunCliProcess({"A=" + std::string(100000, 'x')}).err.size(), 200u);

  const std::vector<std::pair<Stdout, int>> failures = {
      {Stdout::DevFull, ENOSPC}, {Stdout::Closed, EBADF}, {Stdout::BrokenPipe, EPIPE}};
  const std::vector<std::vector<std::string>> requests = {
      {"--help"},
      {"--version"},
      {"J=3"},
      {"--format", "json", "A=2"},
      {"--count", "1000000", "--format", "jsonl", "A=1"}};
  for (const auto& [mode, error] : failures) {
    for (const auto& args : requests) {
      SCOPED_TRACE(std::strerror(error) + (" " + args.front()));
      const ProcessResult r = RunCliProcess(args, mode);
      EXPECT_EQ(r.exitCode, 1);
      EXPECT_EQ(r.err,
                "vorneth-cli: cannot write output: " + std::string(std::strerror(error)) + "\n");
    }
  }
}

// A batch built on worker threads is the hoards written one after another, in every format, for
// batches of one chunk and of many.
TEST(Cli, BatchIsTheHoardsWrittenOneByOne) {
  for (const char* format : {"text", "csv", "markdown", "jsonl", "json"}) {
    for (const char* count : {"7", "1500"}) {
      SCOPED_TRACE(std::string(format) + " " + count);
      const std::vector<std::string> args = {"--count", count, "--format", format,      "Z=1",
                                             "--split", "2",   "--seed",   "4294967000"};
      const ParsedArgs parsed = ParseArgs(args);
      std::ostringstream oneByOne;
      HoardWriter writer(oneByOne, parsed.options, *parsed.options.count);
      for (std::uint32_t i = 0; i < *parsed.options.count; ++i) {
        HoardRequest request = parsed.options.request;
        request.Seed += i;
        writer.Add(request, parsed.options.separator);
      }
      writer.Finish();
      EXPECT_TRUE(Cli(args).out == oneByOne.str());  // no diff of megabytes on a failure
    }
  }
}

// Takes the first `room` bytes, then fails.
class FullBuffer : public std::streambuf {
 public:
  explicit FullBuffer(std::size_t room) : room_(room) {}

 protected:
  std::streamsize xsputn(const char*, std::streamsize count) override {
    const auto taken = std::min(room_, static_cast<std::size_t>(count));
    room_ -= taken;
    return static_cast<std::streamsize>(taken);
  }
  int_type overflow(int_type ch) override { return xsputn("", 1) == 1 ? ch : traits_type::eof(); }

 private:
  std::size_t room_;
};

// Items of many sizes come out in order; a stream that fails stops the building after a few
// chunks, and an item that throws is thrown on to the caller.
TEST(BatchPool, ItemsComeOutInOrderAndStopAtAFailureOrAThrow) {
  constexpr std::size_t kCount = 20000;
  std::atomic<std::size_t> built = 0;
  const AppendItem append = [&built](std::string& text, std::size_t i) {
    ++built;
    text += std::to_string(i) + std::string(500 + i * 7919 % 1500, '.') + '\n';
  };
  std::string expected;
  for (std::size_t i = 0; i < kCount; ++i) {
    append(expected, i);
  }
  // Each thread's item builder is a copy of the one above.
  const MakeAppendItem makeAppend = [&append] { return append; };
  std::ostringstream whole;
  WriteInOrder(whole, kCount, makeAppend);
  EXPECT_TRUE(whole.str() == expected);

  FullBuffer full(100000);
  std::ostream failing(&full);
  built = 0;
  WriteInOrder(failing, kCount, makeAppend);
  EXPECT_TRUE(failing.bad());
  EXPECT_LT(built, kCount / 4);

  std::ostringstream out;
  EXPECT_THROW(WriteInOrder(out, kCount,
                            [&append] {
                              return AppendItem([&append](std::string& text, std::size_t i) {
                                if (i == kCount / 2) {
                                  throw std::runtime_error("item");
                                }
                                append(text, i);
                              });
                            }),
               std::runtime_error);
  EXPECT_TRUE(expected.starts_with(out.str()));
}

}  // namespace
}  // namespace vorneth::cli
