// Exports of a hoard: replay of every JSON kind gives the same lists, refusals, Markdown text.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "formats/foundry.h"
#include "formats/json_export.h"
#include "formats/markdown.h"
#include "formats/replay.h"
#include "formats/split.h"

namespace vorneth::formats {
namespace {

HoardRequest Request(std::uint32_t seed) {
  HoardRequest request;
  request.Seed = seed;
  request.Count('A') = static_cast<int>(seed % 3);
  request.Count('Q') = 2;
  request.CustMagic = static_cast<int>(seed % 7);
  request.CustCoins = seed * 37;
  request.Title = seed % 2 ? "Crypt \"of\" <Ash>\t" : "";
  return request;
}

TEST(Formats, EveryJsonKindOfExportRollsTheSameHoardsAgain) {
  std::vector<HoardRecord> records;
  std::string jsonl;
  Json array = Json::array();
  Json journals = Json::array();
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    records.push_back(MakeRecord(Request(seed), seed % 3 ? "," : "\u202f"));
    jsonl += JsonText(HoardJson(records.back()), -1) + "\n";
    array.push_back(HoardJson(records.back()));
    journals.push_back(FoundryJournal(records.back()));
  }
  for (const std::string& text :
       {jsonl, JsonText(array), JsonText(journals), JsonText(HoardJson(records[4])),
        JsonText(SplitJson(records[4], SplitHoard(records[4], 3))),
        JsonText(SplitJournal(records[4], SplitHoard(records[4], 2)))}) {
    const ReplayResult replay = ReadExport(text);
    ASSERT_EQ(replay.error, "");
    ASSERT_TRUE(replay.requests.size() == records.size() || replay.requests.size() == 1);
    for (std::size_t i = 0; i < replay.requests.size(); ++i) {
      const HoardRecord& original = replay.requests.size() == 1 ? records[4] : records[i];
      const HoardRecord again =
          MakeRecord(replay.requests[i].request, replay.requests[i].separator);
      EXPECT_EQ(again.hoard.DMList, original.hoard.DMList);
      EXPECT_EQ(again.hoard.PlayersList, original.hoard.PlayersList);
      EXPECT_EQ(again.hoard.Caption, original.hoard.Caption);
    }
  }
}

TEST(Formats, WhatIsNotAnExportOrOutOfRangeIsRefusedInOneLine) {
  const char* const bad[] = {
      "",
      "not json at all",
      "{}",
      "[]",
      R"({"seed": 1, "request": {"types": {"A": 100}}})",
      R"({"seed": 1, "request": {"types": {"AA": 1}}})",
      R"({"seed": -1, "request": {}})",
      R"({"seed": 4294967296, "request": {}})",
      R"({"seed": 1, "request": {"coins": 100000000}})",
      R"({"seed": 1, "request": {"magic": 1.5}})",
      R"({"seed": 1, "request": {"separator": 5}})",
      "{\"seed\": 1, \"request\": {}}\nnot json\n",
  };
  for (const char* text : bad) {
    const ReplayResult replay = ReadExport(text);
    EXPECT_TRUE(replay.requests.empty()) << text;
    EXPECT_FALSE(replay.error.empty()) << text;
    EXPECT_EQ(replay.error.find('\n'), std::string::npos) << text;
  }
}

TEST(Formats, EveryMagicItemLineNamesTheFamilyAndTableThatAddedIt) {
  // Each family's tables are named after it: "Potions1", "Misc5" ...
  const std::map<std::string, std::string> tablesOf = {
      {"potion", "Potions"},       {"scroll", "Scrolls"}, {"ring", "Rings"},
      {"rod_staff_wand", "Wands"}, {"misc", "Misc"},      {"armour_shield", "Armour"},
      {"sword", "Swords"},         {"weapon", "Weapons"}};
  std::set<std::string> families;
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    HoardRequest request = Request(seed);
    request.CustMagic = 6;
    request.Count('X') = 1;  // its own miscellaneous roll
    const Json json = HoardJson(MakeRecord(request, ","));
    for (const Json& line : json["dm_lines"]) {
      const std::string kind = line["kind"];
      ASSERT_EQ(line.contains("family"), kind == "magic" || kind == "scroll_spell") << line;
      if (line.contains("family")) {
        const std::string family = line["family"];
        const std::string table = line["table"];
        families.insert(family);
        ASSERT_TRUE(tablesOf.contains(family)) << line;
        EXPECT_EQ(table.substr(0, table.size() - 1), tablesOf.at(family)) << line;
      }
    }
  }
  EXPECT_EQ(families.size(), tablesOf.size());  // every family was met
}

TEST(Formats, MarkdownTextRendersAsWritten) {
  EXPECT_EQ(MarkdownText("Plate Mail +1 (5,000 gp)"), "Plate Mail +1 (5,000 gp)");
  EXPECT_EQ(MarkdownText("Longsword "), "Longsword&#32;");
  EXPECT_EQ(MarkdownText(" plus 1 Level 3 Spell"), "&#32;plus 1 Level 3 Spell");
  EXPECT_EQ(MarkdownText("*Cursed* [map] <b> `x` _y_ a|b #1 & ~"),
            "\\*Cursed\\* \\[map\\] \\<b\\> \\`x\\` \\_y\\_ a\\|b \\#1 \\& \\~");
  EXPECT_EQ(MarkdownText("+2 Dagger"), "\\+2 Dagger");  // not a nested list
  EXPECT_EQ(MarkdownText("12. Arrows"), "12\\. Arrows");
  EXPECT_EQ(HtmlList({"<a> & \"b\"", "x"}),
            "<ul><li>&lt;a&gt; &amp; &quot;b&quot;</li><li>x</li></ul>");
}

}  // namespace
}  // namespace vorneth::formats
