// A game master's table files: one table in each shape reads to the same model, and every
// fault is one line naming the file, the table and the row.
#include <gtest/gtest.h>

#include "formats/table_file.h"
#include "tables/check.h"

namespace vorneth::formats {
namespace {

struct Read {
  tables::TableSet set;
  std::vector<std::string> faults;  // the reader's, then the check's
};

Read ReadFile(std::string_view name, std::string_view text) {
  Read read;
  ReadTableFile(SourceOf(name, std::string(name)), text, read.set, read.faults);
  for (std::string& fault : tables::CheckTables(read.set)) {
    read.faults.push_back(std::move(fault));
  }
  return read;
}

TEST(TableFiles, OneTableInEveryShapeReadsTheSame) {
  const std::string_view files[][2] = {
      {"Potions.txt",
       "# Potions d20\n\n01-05 Potion of Healing (400 gp)\n6: Rope\n"
       "# a comment\n7-9. Lantern &amp; oil\n10\xE2\x80\x93"
       "20  A flask of  [[Oils]]\n"},
      {"Potions.csv",
       "d20,Item\r\n01-05,Potion of Healing (400 gp),,400\r\n6,Rope\r\n7-9,Lantern &amp; oil\r\n"
       "10-20,\"A flask of\n[[Oils]]\"\r\n"},
      {"v12.json",
       R"j({"name": "Potions", "formula": "1d20", "results": [
           {"type": "text", "text": "Potion of Healing (400 gp)", "range": [1, 5]},
           {"type": 0, "text": "<p>Rope</p>", "range": [6, 6]},
           {"type": "text", "text": "Lantern &amp;amp; oil", "range": [7, 9]},
           {"type": "text", "text": "A flask of [[Oils]]", "range": [10, 20]}]})j"},
      {"v13.json",
       R"j([{"name": "Potions", "formula": "d20", "results": [
           {"name": "Potion of Healing", "description": "x", "weight": 5,
            "flags": {"vorneth": {"value": 400}}},
           {"description": "<p>Rope</p>", "weight": 1},
           {"name": "Lantern &amp;amp; oil", "weight": 3},
           {"name": "A flask of [[Oils]]", "weight": 11}]}])j"}};
  tables::TableSet first;
  for (const auto& [name, text] : files) {
    SCOPED_TRACE(name);
    Read read = ReadFile(name, text);
    ASSERT_EQ(read.set.size(), 1u);
    const tables::Table& table = read.set[0];
    EXPECT_EQ(table.name, "Potions");
    EXPECT_EQ(table.die, (tables::Die{1, 20}));
    ASSERT_EQ(table.rows.size(), 4u);
    EXPECT_EQ(table.rows[0].value, 400);
    EXPECT_EQ(table.rows[2].text, "Lantern &amp; oil");
    EXPECT_EQ(table.rows[3].text, "A flask of [[Oils]]");
    EXPECT_EQ(table.rows[3].references.at(0).name, "Oils");
    EXPECT_EQ(read.faults,
              std::vector<std::string>{std::string(name) + ": table \"Potions\", row 4 (10-20): " +
                                       "no table \"Oils\" in this file or its folder"});
    if (first.empty()) {
      first = read.set;
    } else if (name != "v13.json") {  // whose first row's line has no "(400 gp)"
      EXPECT_EQ(table.rows, first[0].rows);
    }
  }
}

TEST(TableFiles, FoundryResultsDrawFromTheRollTablesTheyName) {
  const Read read = ReadFile("loot.json", R"j([
    {"_id": "main", "name": "Loot", "formula": "1d3", "results": [
      {"type": "document", "documentCollection": "RollTable", "documentId": "g1", "text": "Gems",
       "range": [1, 1]},
      {"type": "document", "documentUuid": "Compendium.world.t.RollTable.g1", "name": "x",
       "range": [2, 2]},
      {"type": "pack", "documentCollection": "dnd5e.items", "documentId": "i9",
       "text": "Rope", "range": [3, 3]}]},
    {"_id": "g1", "name": "Gems", "formula": "1d1", "results": [{"text": "Ruby", "range": [1, 1]}]}
  ])j");
  ASSERT_EQ(read.faults, std::vector<std::string>{});
  const std::vector<tables::Row>& rows = read.set[0].rows;
  EXPECT_EQ(rows[0].references.at(0).table, 1u);
  EXPECT_EQ(rows[1].references.at(0).table, 1u);
  EXPECT_EQ(rows[2].references.size(), 0u);  // an item of a compendium: its name
  EXPECT_EQ(tables::TopTable(read.set), 0u);
}

TEST(TableFiles, RowsReadPercentileRangesValuesMarksAndFoundryText) {
  const Read text =
      ReadFile("d.txt", "01-50 A (1,000 gp)\n51-00 B [[1d6]], [[/r 2d4]] (1,00 gp)\n");
  ASSERT_EQ(text.faults, std::vector<std::string>{});
  EXPECT_EQ(text.set[0].die, (tables::Die{1, 100}));
  EXPECT_EQ(text.set[0].rows[1].hi, 100);
  EXPECT_EQ(text.set[0].rows[0].value, 1000);
  EXPECT_EQ(text.set[0].rows[1].value, std::nullopt);
  EXPECT_TRUE(text.set[0].rows[1].references.empty());  // inline rolls stay text
  // A compendium of a document a line, a link shown by its label, HTML's references read.
  const Read lines =
      ReadFile("c.db", R"j({"name": "A", "results": [{"text": "[[B]]", "range": [1, 1]}]}
{"$$indexCreated": {"fieldName": "name"}}
{"name": "B", "results": [{"text": "@UUID[Item.x]{Rope} &#x2014; <b>new</b>", "range": [1, 1]}]}
)j");
  ASSERT_EQ(lines.faults, std::vector<std::string>{});
  EXPECT_EQ(lines.set[1].rows[0].text, "Rope \u2014 new");
  EXPECT_EQ(lines.set[0].rows[0].references.at(0).table, 1u);
}

TEST(TableFiles, EachFaultIsOneLineNamingFileTableAndRow) {
  // Each case: the file's name and text, and its one or two faults.
  const std::pair<std::string_view, std::string_view> cases[][2] = {
      {{"p.txt", "1-5 A\n6 B\n10-12 C\n12-20 D\n"},
       {"p.txt: table \"p\", faces 7-9 are in no row (a gap after row 2 (6), before row 3 (10-12))",
        "p.txt: table \"p\", row 4 (12-20) overlaps row 3 (10-12)"}},
      {{"p.txt", "# Potions 1d6\n1-4 A\n5-7 B\n8 C\n"},
       {"p.txt: table \"Potions\", row 2 (5-7) is outside the die (1-6)",
        "p.txt: table \"Potions\", row 3 (8) is outside the die (1-6)"}},
      {{"p.csv", "1,A\n2,\n3-2,C\n"},
       {"p.csv: table \"p\", row 2 (2) has no text",
        "p.csv: table \"p\", row 3 (3-2) runs backwards"}},
      {{"p.csv", "2d0,x\n1,A\n2,B,b,12 sp\n"},
       {"p.csv: table \"p\": unknown formula \"2d0\" (takes NdM, such as d20, 1d100 or 2d6)",
        "p.csv: table \"p\", row 2 (2): value \"12 sp\" is not whole gold pieces"}},
      {{"p.txt", "1 A [[B]]\n2 B\nnot a row\n"},
       {"p.txt: table \"p\", line 3 is not a row (\"N text\" or \"N-M text\"): not a row",
        "p.txt: table \"p\", row 1 (1): no table \"B\" in this file or its folder"}},
      {{"l.json", R"j([{"name": "A", "results": [{"text": "[[B]]", "range": [1, 1]}]},
                     {"name": "B", "results": [{"text": "[[A]]", "range": [1, 1]}]}])j"},
       {"l.json: table \"B\", row 1 (1) draws in a loop: \"A\" -> \"B\" -> \"A\"", ""}},
      {{"v.json", R"j([{"name": "V", "results": [{"text": "Rope (1 gp)", "range": [1, 1],
                        "flags": {"vorneth": {"value": 2}}}]},
                      {"name": "W", "results": [{"text": "x", "range": [2]}]}])j"},
       {"v.json: table \"V\", row 1 (1): value 2 gp, but its text ends in (1 gp)",
        "v.json: table \"W\", row 1 has no range of two whole numbers [lo, hi]"}},
      {{"x.json", "{\"name\": \"A\"}"},
       {"x.json: neither a Foundry RollTable (JSON) nor rows of CSV or text (\"01-05 Potion of "
        "Healing\"): no object with \"results\" in it",
        ""}},
      {{"x.json", "potions"},
       {"x.json: neither a Foundry RollTable (JSON) nor rows of CSV or text (\"01-05 Potion of "
        "Healing\"): not JSON",
        ""}},
      {{"x.bin", "\x89PNG\r\n\x1a\n"},
       {"x.bin: neither a Foundry RollTable (JSON) nor rows of CSV or text (\"01-05 Potion of "
        "Healing\"): line 1 is not UTF-8 text",
        ""}},
      {{"x.txt", "Just some notes\nabout potions\n"},
       {"x.txt: neither a Foundry RollTable (JSON) nor rows of CSV or text (\"01-05 Potion of "
        "Healing\"): no line is a row",
        ""}}};
  // Draws nested 33 tables deep, and a line that would pass 64 KiB.
  std::string deep = "[";
  for (int i = 0; i <= 33; ++i) {
    deep += (i == 0 ? R"({"name": "T)" : R"(,{"name": "T)") + std::to_string(i);
    deep += R"(", "results": [{"text": ")";
    deep += i < 33 ? "[[T" + std::to_string(i + 1) + "]]" : std::string("x");
    deep += R"(", "range": [1, 1]}]})";
  }
  EXPECT_EQ(ReadFile("deep.json", deep + "]").faults,
            std::vector<std::string>{
                "deep.json: table \"T1\", row 1 (1): draws nest more than 32 tables deep"});
  const std::string line(40000, 'x');
  EXPECT_EQ(ReadFile("long.json", R"([{"name": "A", "results": [{"text": "[[L]][[L]]"}]},
                                      {"name": "L", "results": [{"text": ")" +
                                      line + "\"}]}]")
                .faults,
            std::vector<std::string>{"long.json: table \"A\", row 1 (1): a draw could make a line "
                                     "of more than 65536 bytes"});
  for (const auto& [file, expected] : cases) {
    SCOPED_TRACE(file.first);
    std::vector<std::string> faults{std::string(expected.first)};
    if (!expected.second.empty()) {
      faults.emplace_back(expected.second);
    }
    EXPECT_EQ(ReadFile(file.first, file.second).faults, faults);
  }
}

}  // namespace
}  // namespace vorneth::formats
