// Exports of a hoard: replay of every JSON kind gives the same lists, refusals, Markdown text.
#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <random>
#include <set>

#include "formats/csv.h"
#include "formats/foundry.h"
#include "formats/json_export.h"
#include "formats/json_line.h"
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

// The JSON Lines writer and the JSON document agree byte for byte: generated hoards with every
// kind of line, both exchanges, separators of one or more bytes, and edited lists whose text
// needs escaping or is not UTF-8 at all, with totals that saturate.
TEST(Formats, JsonLineIsTheDocumentWrittenOnOneLine) {
  std::vector<HoardRecord> records;
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    HoardRequest request = Request(seed);
    for (char letter : {'H', 'U', 'W', 'V', 'Z'}) {
      request.Count(letter) = static_cast<int>(seed % 4);
    }
    request.CustGems = static_cast<int>(seed % 5);
    request.CustJewelry = static_cast<int>(seed % 3);
    const char* const separators[] = {",", "", " ", "\u202f", "."};
    records.push_back(
        MakeRecord(request, separators[seed % 5],
                   seed % 2 ? worth::Exchange::Basic : worth::Exchange::FirstEdition));
  }
  HoardRequest edited = Request(3);
  edited.Title = "bad \xff\xfe utf-8 \x01\x1f\x7f \\ \"";
  records.push_back(RecordOf(
      edited, "\xe2\x80",
      Hoard{"Vorneth - \xc3",
            {"999,999,999,999 Copper coins", "999,999,999,999 Platinum coins", "3 Silver coins", "",
             "\x80 Gems (Jet 7 gp)", "Line\nfeed\b\f\r\t\x01\x1f\x7f \\ \""},
            {"\xc3\xa9"}}));
  // Text looked at sixteen bytes at a time, four blocks at once: a byte that needs more than a
  // copy at every place of texts of every length up to a run of four blocks and a little more,
  // around two runs, and in texts longer than a piece.
  for (std::size_t length = 1; length <= 136; length += length == 72 ? 48 : 1) {
    for (std::size_t at = 0; at < length; ++at) {
      for (std::string_view special : {"\"", "\x01", "\xc3\xa9", "\xff"}) {
        std::string text(length, 'a');
        text.replace(at, 1, special);
        edited.Title = text;
        records.push_back(RecordOf(edited, ",", Hoard{"", {text, text.substr(at)}, {}}));
      }
    }
  }
  std::string longText;
  for (int i = 0; i < 400; ++i) {
    longText += i % 97 ? "Scroll \xc3\xa9 " : "\"\t";
  }
  records.push_back(RecordOf(edited, ",", Hoard{"", {longText, longText + "\xff"}, {}}));
  // One frame for all the records, as a thread keeps it, the records of a batch among them.
  JsonLineFrame frame;
  for (const HoardRecord& record : records) {
    std::string line;
    AppendHoardJsonLine(line, record);
    EXPECT_EQ(line, JsonText(HoardJson(record), -1));
    std::string framed;
    AppendHoardJsonLine(framed, record, frame);
    EXPECT_EQ(framed, line);
  }
}

// A frame kept from one record to the next is written again whenever what it holds differs:
// records that each differ from the first in one thing, written in turn with it.
TEST(Formats, JsonLineFrameFollowsTheRecord) {
  const HoardRecord first = MakeRecord(Request(5), ",");
  std::vector<HoardRecord> others(6, first);
  others[0].request.Seed += 1;
  others[1].request.Count('B') += 1;
  others[2].request.CustJewelry += 1;
  others[3].request.Title += "\\";
  others[4].separator = ".";
  others[5].hoard.Caption += "\x01";
  JsonLineFrame frame;
  for (const HoardRecord& other : others) {
    for (const HoardRecord* record : {&first, &other}) {
      std::string fresh;
      std::string framed;
      AppendHoardJsonLine(fresh, *record);
      AppendHoardJsonLine(framed, *record, frame);
      EXPECT_EQ(framed, fresh);
    }
  }
}

// A record made over the last one's storage is the record made afresh: hoards large and small
// in turn, titled and not, both exchanges and separators of one and of three bytes.
TEST(Formats, RecordMadeInPlaceIsTheRecordMadeAfresh) {
  HoardRecord reused;
  for (std::uint32_t seed = 1; seed <= 24; ++seed) {
    HoardRequest request = Request(seed);
    request.CustMagic = seed % 4 == 0 ? 60 : 0;
    const char* const separator = seed % 3 ? "," : "\u202f";
    const worth::Exchange exchange =
        seed % 5 ? worth::Exchange::FirstEdition : worth::Exchange::Basic;
    MakeRecord(request, separator, exchange, reused);
    std::string fresh;
    std::string inPlace;
    AppendHoardJsonLine(fresh, MakeRecord(request, separator, exchange));
    AppendHoardJsonLine(inPlace, reused);
    EXPECT_EQ(inPlace, fresh);
  }
}

// Gold written from its exact decimal agrees with the JSON library's shortest double: every
// amount up to a few thousand gold, a spread of amounts of every size up to the most a
// hoard can hold, and the edges of the exact range.
TEST(Formats, JsonLineGoldIsTheLibrarysDouble) {
  std::vector<worth::Copper> amounts = {-1, -150, 99'999'999'999'999, 100'000'000'000'001,
                                        std::numeric_limits<worth::Copper>::max()};
  for (worth::Copper c = 0; c < 200'000; ++c) {
    amounts.push_back(c);
  }
  std::mt19937_64 random(7);
  for (int i = 0; i < 10'000; ++i) {
    for (std::uint64_t top = 1'000; top <= 1'000'000'000'000'000'000U; top *= 10) {
      amounts.push_back(static_cast<worth::Copper>(random() % top));
    }
  }
  for (worth::Exchange exchange : {worth::Exchange::FirstEdition, worth::Exchange::Basic}) {
    std::size_t wrong = 0;
    for (worth::Copper amount : amounts) {
      std::string gold;
      AppendGold(gold, amount, exchange);
      if (gold != JsonText(GoldJson(amount, exchange), -1) && ++wrong < 5) {
        ADD_FAILURE() << amount << " copper: " << gold;
      }
    }
    EXPECT_EQ(wrong, 0U);
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
  // Bytes that are not UTF-8, a cut-short sequence among them, are written as U+FFFD.
  EXPECT_EQ(MarkdownText("ab\xff c\xe2\x82"), "ab\xEF\xBF\xBD c\xEF\xBF\xBD");
  HoardRequest request;
  request.Title = "ab\xff";
  const std::string markdown = Markdown(MakeRecord(request, ","));
  EXPECT_EQ(markdown.find('\xff'), std::string::npos);
  EXPECT_EQ(markdown.substr(0, markdown.find('\n')), "# Vorneth - ab\xEF\xBF\xBD");
  EXPECT_EQ(HtmlList({"<a> & \"b\"", "x"}),
            "<ul><li>&lt;a&gt; &amp; &quot;b&quot;</li><li>x</li></ul>");
}

// An edited list and a hostile title reach other programs as text: no formula for a
// spreadsheet, no line break out of a Markdown heading or item, no markup.
TEST(Formats, EditedLinesAndTitlesStayTextInEveryExport) {
  HoardRequest request;
  request.Title = "a\n- injected item\r\n# Fake heading\n\n<script>x</script>";
  const std::vector<std::string> formulas = {
      "=1+2", "@SUM(A1:A9)", "+cmd|' /C calc'!A0", "-2+3", "=HYPERLINK(\"http://x\")",
      "\tx",  "\rx"};
  LineList dm(formulas.begin(), formulas.end());
  dm.push_back("Plate Mail +1 (5,000 gp)");
  const HoardRecord record =
      RecordOf(request, ",", Hoard{HoardCaption(request.Title), dm, {"a - b"}});

  const std::string csv = CsvRows(record, 1);
  for (std::string formula : formulas) {
    const bool quoted = formula.find_first_of("\"\r") != std::string::npos;
    for (std::size_t at = formula.find('"'); at != std::string::npos;
         at = formula.find('"', at + 2)) {
      formula.insert(at, 1, '"');
    }
    EXPECT_NE(csv.find((quoted ? ",\"'" : ",'") + formula), std::string::npos) << formula;
  }
  EXPECT_NE(csv.find(",\"Plate Mail +1 (5,000 gp)\",\r\n"), std::string::npos);
  EXPECT_NE(csv.find(",a - b,\r\n"), std::string::npos);

  const std::string markdown = Markdown(record);
  const std::string heading = markdown.substr(0, markdown.find('\n'));
  EXPECT_EQ(heading,
            "# Vorneth - a - injected item  \\# Fake heading  "
            "\\<script\\>x\\</script\\>");
  EXPECT_EQ(markdown.find("\n- injected"), std::string::npos);
  EXPECT_EQ(markdown.find("\n# Fake"), std::string::npos);
  // The request in its comment keeps the title exactly, so the hoard replays as it was.
  ASSERT_EQ(
      ReadExport(markdown.substr(markdown.find("{"), markdown.find(" -->") - markdown.find("{")))
          .requests.at(0)
          .request.Title,
      request.Title);
}

TEST(Formats, FoundryPagesHaveStableIdsSortsAndNestedSpells) {
  HoardRequest request;
  request.Count('A') = 2;
  request.CustMagic = 4;
  const HoardRecord record = MakeRecord(request, ",");
  const Json journal = FoundryJournal(record);
  EXPECT_FALSE(journal.contains("ownership"));  // Import Data keeps the entry's own
  ASSERT_EQ(journal["pages"].size(), 2u);
  std::set<std::string> ids;
  for (std::size_t i = 0; i < 2; ++i) {
    const Json& page = journal["pages"][i];
    const std::string id = page["_id"];
    EXPECT_EQ(id.size(), 16u);
    EXPECT_EQ(
        id.find_first_not_of("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"),
        std::string::npos);
    ids.insert(id);
    EXPECT_EQ(page["sort"], 100000 * static_cast<int>(i + 1));
  }
  EXPECT_EQ(ids.size(), 2u);
  EXPECT_EQ(FoundryJournal(record), journal);  // the same hoard, the same pages
  HoardRequest other = request;
  other.Seed += 1;
  EXPECT_NE(FoundryJournal(MakeRecord(other, ","))["pages"][0]["_id"], journal["pages"][0]["_id"]);

  // One list alone: its page keeps its _id and comes first.
  const Json players = FoundryJournal(record, JournalLists::Players);
  ASSERT_EQ(players["pages"].size(), 1u);
  EXPECT_EQ(players["name"], record.hoard.Caption + ": Player's List");
  EXPECT_EQ(players["pages"][0]["_id"], journal["pages"][1]["_id"]);
  EXPECT_EQ(players["pages"][0]["sort"], 100000);
  EXPECT_EQ(FoundryJournal(record, JournalLists::DM)["pages"][0]["name"], "DM's List");

  EXPECT_EQ(HtmlList({"Scroll with 1 Level 1 Spell", " plus 1 Level 2 Spell",
                      " plus 1 Level 3 Spell", "A Map", " plus x"}),
            "<ul><li>Scroll with 1 Level 1 Spell<ul><li> plus 1 Level 2 Spell</li><li> plus 1 "
            "Level 3 Spell</li></ul></li><li>A Map<ul><li> plus x</li></ul></li></ul>");
  EXPECT_EQ(HtmlList({" plus first", "x"}), "<ul><li> plus first</li><li>x</li></ul>");
}

}  // namespace
}  // namespace vorneth::formats
