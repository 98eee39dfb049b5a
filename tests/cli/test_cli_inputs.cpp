// What vorneth-cli refuses: separators that are not one, options that a file's hoards ignore,
// and files that are not regular, empty, or too large; and the replay of exports too large to
// hold, which streams.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli_files.h"
#include "cli_in_process.h"

namespace vorneth::cli {
namespace {

// A refusal: the exit code, nothing on stdout, one line on stderr.
void ExpectRefused(const std::vector<std::string>& args, int code, const std::string& words) {
  const Result r = Cli(args);
  SCOPED_TRACE(::testing::PrintToString(args));
  EXPECT_EQ(r.code, code);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
  EXPECT_NE(r.err.find(words), std::string::npos) << r.err;
}

TEST(CliInputs, SeparatorIsOnePrintableNonDigitCharacter) {
  for (const std::string& bad :
       std::vector<std::string>{"\n", "\r", "\x1b[31m", "\t", "\xc2\x85", "\xff", "\xc3", "0", "7",
                                ",,", "ab", "\xe2\x80\xa8", "\xe2\x80\x8b",
                                // digits of other scripts: U+0663, U+FF10, U+0966, U+1D7CE
                                "\xd9\xa3", "\xef\xbc\x90", "\xe0\xa5\xa6", "\xf0\x9d\x9f\x8e",
                                // a tag character U+E0041, a variation selector U+FE0F, U+034F
                                "\xf3\xa0\x81\x81", "\xef\xb8\x8f", "\xcd\x8f"}) {
    ExpectRefused({"A=1", "--separator", bad}, 2, "--separator");
  }
  EXPECT_EQ(Cli({"--coins", "1000", "--separator", "\xe2\x80\xaf"}).out,
            "1\xe2\x80\xaf"
            "000 Gold coins\n");
  for (const std::string& good : std::vector<std::string>{" ", "\xc2\xa0", "'", "", "_"}) {
    EXPECT_EQ(Cli({"--coins", "1000", "--separator", good}).out, "1" + good + "000 Gold coins\n");
  }
}

TEST(CliInputs, EmptyValueAfterEqualsIsEmptyNotTheNextWord) {
  EXPECT_EQ(Cli({"--coins=1000", "--separator=", "B=1"}).out,
            Cli({"--coins=1000", "--separator", "", "B=1"}).out);
  EXPECT_EQ(Cli({"--title=", "J=1"}).out, "9 Copper coins\n");
  EXPECT_NE(Cli({"--title=", "--format", "json"}).out.find("\"title\": \"\","), std::string::npos);
  ExpectRefused({"--seed=", "A=1"}, 2, "seed is not a number: ''");
  ExpectRefused({"--list="}, 2, "--list takes");
  ExpectRefused({"--list=", "players"}, 2, "not 'players'");
  ExpectRefused({"--replay="}, 2, "--replay needs a file name");
}

TEST_F(CliFiles, FileOptionsRefuseWhatTheyWouldIgnore) {
  const std::string json = Write("h.json", Cli({"A=1", "--format", "json"}).out);
  for (const std::vector<std::string>& extra : {std::vector<std::string>{"A=1"},
                                                {"--magic", "3"},
                                                {"--seed", "9"},
                                                {"--title", "x"},
                                                {"--count", "5"}}) {
    std::vector<std::string> replay = {"--replay", json};
    replay.insert(replay.end(), extra.begin(), extra.end());
    ExpectRefused(replay, 2, "--replay rolls the export's own requests: it takes no");
    std::vector<std::string> worth = {"--worth-of", json};
    worth.insert(worth.end(), extra.begin(), extra.end());
    ExpectRefused(worth, 2, "--worth-of");
  }
  ExpectRefused({"--replay", json, "--separator", ";"}, 2, "takes no --separator");
  ExpectRefused({"--worth-of", json, "--format", "csv"}, 2, "--worth-of writes text or json");
  ExpectRefused({"--worth-of", json, "--format", "markdown"}, 2, "text or json");
  ExpectRefused({"--worth-of", json, "--list", "dm"}, 2, "takes no --list");
  ExpectRefused({"A=1", "--count", "2", "--format", "foundry"}, 2, "--format jsonl");
  const std::string batch = Write("b.jsonl", Cli({"A=1", "--count", "2", "--format", "jsonl"}).out);
  ExpectRefused({"--replay", batch, "--format", "foundry"}, 2, "--format jsonl");
  // What a file's hoards do take.
  EXPECT_EQ(Cli({"--replay", json, "--list", "players", "--split", "2", "--rates", "bx"}).code, 0);
  EXPECT_EQ(Cli({"--replay", json, "--format", "foundry"}).code, 0);
}

TEST_F(CliFiles, OnlyRegularFilesAreReadAndNeverWaitedOn) {
  const std::string fifo = (dir_ / "fifo").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& option : std::vector<std::string>{"--replay", "--worth-of"}) {
    const auto start = std::chrono::steady_clock::now();
    ExpectRefused({option, fifo}, 1, "not a regular file");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));  // no hang
    ExpectRefused({option, "/dev/zero"}, 1, "not a regular file");
    ExpectRefused({option, "/dev/null"}, 1, "not a regular file");
    ExpectRefused({option, dir_.string()}, 1, "is a folder");
    ExpectRefused({option, (dir_ / "missing").string()}, 1, "No such file");
    ExpectRefused({option, Write("empty", "")}, 2, "empty file");
  }
  ExpectRefused({"--replay", Write("notes.txt", "a shopping list\n")}, 2, "not a Vorneth export");
  ExpectRefused({"--worth-of", Write("big.txt", std::string(16 * 1024 * 1024 + 1, 'x'))}, 2,
                "larger than 16 MiB");
  ExpectRefused({"--worth-of", Write("lines.txt", std::string(100001, '\n'))}, 2,
                "more than 100,000 lines");
}

// A list is UTF-8 text with a line of a hoard in it; a note in it is an other line, not an item.
// An export is JSON without a NUL byte, which the JSON reader would take for its end.
TEST_F(CliFiles, WorthOfAndReplayTakeOnlyWhatTheyAreFor) {
  const std::string list =
      "Lair\r\n\r\nDM's List\r\n\r\n12 Gold coins\r\nPotion of Poison\r\n"
      "Ring of Contrariness (1,000 gp)\r\nMap to the giant's cellar\r\n";
  const std::string breakdown = Cli({"--worth-of", Write("dm.txt", list)}).out;
  EXPECT_NE(breakdown.find("\nMagic items: 2, 1 priced (1,000 gp), 1 unpriced\nMaps: 0\n"
                           "Other lines: 1\nTreasure: 12 gp\n"),
            std::string::npos)
      << breakdown;
  std::string utf16;
  for (const char c : std::string("12 Gold coins\r\n")) {
    utf16 += std::string{c, '\0'};
  }
  std::string noise(4096, '\0');
  for (std::size_t i = 0; i < noise.size(); ++i) {
    noise[i] = static_cast<char>((i * 2654435761u) >> 13);
  }
  noise[0] = '\xff';
  const std::pair<std::string, std::string> refused[] = {
      {"\xff\xfe" + utf16, "holds a NUL byte"},
      {list + std::string(3, '\0'), "holds a NUL byte"},
      {noise, "not a list of a hoard"},
      {"Lair \xff\r\n12 Gold coins\r\n", "is not UTF-8 text"},
      {"root:x:0:0:root:/root:/bin/bash\ndaemon:x:1:1::/usr/sbin:/usr/sbin/nologin\n",
       "holds no line of a hoard"},
  };
  for (const auto& [text, words] : refused) {
    ExpectRefused({"--worth-of", Write("w.txt", text)}, 2, words);
  }
  const std::string json = Cli({"A=1", "--format", "json"}).out;
  for (const std::string& tail : {std::string(1, '\0'), std::string(1, '\0') + "{\"junk\": 1}\n"}) {
    ExpectRefused({"--replay", Write("r.json", json + tail)}, 2, "it holds a NUL byte");
  }
}

TEST_F(CliFiles, ReplayChecksEveryRecordedSeparator) {
  for (const std::string& bad : std::vector<std::string>{
           "\\n", "\\u001b", "\\u0000", "5", "\\u0085", "\\u0663", "\\uff10", "\\udb40\\udc41"}) {
    const std::string text = "{\"seed\": 1, \"request\": {\"separator\": \"" + bad + "\"}}";
    ExpectRefused({"--replay", Write("s.json", text)}, 2, "\"separator\"");
  }
}

// A JSON Lines export past the size that is read whole is read line by line: the same hoards
// come out, a bad line anywhere writes nothing, and a batch's maximum still holds.
TEST_F(CliFiles, LargeJsonLinesReplayStreamsWithinTheBatchMaximum) {
  constexpr int kHoards = 2100;
  const std::string padding(8192, 'x');  // lists that a replay reads past
  std::string big;
  for (int i = 0; i < kHoards; ++i) {
    big += "{\"seed\": " + std::to_string(14737260 + i) + ", \"request\": {}, \"dm\": [\"" +
           padding + "\"]}\n";
  }
  ASSERT_GT(big.size(), 16u * 1024 * 1024);
  const Result replay = Cli({"--replay", Write("big.jsonl", big), "--format", "jsonl"});
  EXPECT_EQ(replay.code, 0) << replay.err;
  EXPECT_TRUE(replay.out == Cli({"--count", std::to_string(kHoards), "--format", "jsonl"}).out);

  ExpectRefused({"--replay", Write("bad.jsonl", big + "{\"seed\": 1}\n")}, 2,
                "line 2101: not a Vorneth export");
  std::string many;
  for (int i = 0; i < 1000001; ++i) {
    many += "{\"seed\":1,\"request\":{}}\n";
  }
  ExpectRefused({"--replay", Write("many.jsonl", many)}, 2, "more than 1,000,000 hoards");
}

}  // namespace
}  // namespace vorneth::cli
