// Every item table: its ranges run from 1 to its die without gap or overlap, and the main
// tables hold the number of rows their families are made of.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "items/table.h"

namespace vorneth::items {
namespace {

TEST(Tables, EveryTableCoversItsDieExactly) {
  ASSERT_FALSE(AllTables().empty());
  std::set<std::string_view> names;
  for (const Table* table : AllTables()) {
    SCOPED_TRACE(std::string(table->name));
    EXPECT_TRUE(names.insert(table->name).second) << "table name used twice";
    ASSERT_GT(table->die, 0);
    ASSERT_FALSE(table->rows.empty());
    int next = 1;
    for (const Row& row : table->rows) {
      EXPECT_EQ(row.lo, next) << "row " << row.lo << "-" << row.hi << " leaves a gap or overlaps";
      EXPECT_LE(row.lo, row.hi) << "row " << row.lo << "-" << row.hi << " is empty";
      next = row.hi + 1;
      if (row.kind == RowKind::Variant || row.kind == RowKind::List ||
          row.kind == RowKind::Reference) {
        EXPECT_NE(row.sub, nullptr) << "row " << row.lo << "-" << row.hi << " lacks its table";
      }
    }
    EXPECT_EQ(next, table->die + 1) << "rows do not end at the die's last value";
    for (int d = 1; d <= table->die; ++d) {
      const Row& row = Pick(*table, d);
      EXPECT_TRUE(row.lo <= d && d <= row.hi) << "Pick(" << d << ")";
    }
  }
}

TEST(Tables, MainTablesHaveTheirRowCounts) {
  const std::map<std::string_view, std::size_t> expected = {
      {"Potions1", 35}, {"Potions2", 19},    {"Scrolls1", 25}, {"Scrolls2", 19}, {"Rings1", 24},
      {"Rings2", 13},   {"Wands1", 25},      {"Wands2", 28},   {"Misc1", 33},    {"Misc2", 30},
      {"Misc3", 33},    {"MiscSpecial", 29}, {"Misc4", 36},    {"Misc5", 35},    {"Misc6", 30},
      {"Misc7", 28},    {"Armour1", 26},     {"Armour2", 26},  {"Swords1", 20},  {"Swords2", 13},
      {"Weapons1", 36}, {"Weapons2", 39}};
  std::map<std::string_view, std::size_t> actual;
  for (const Table* table : AllTables()) {
    actual[table->name] = table->rows.size();
    if (expected.count(table->name) != 0) {
      EXPECT_EQ(table->die, 100) << table->name;
    }
  }
  for (const auto& [name, rows] : expected) {
    ASSERT_EQ(actual.count(name), 1u) << name << " is missing";
    EXPECT_EQ(actual[name], rows) << name;
  }
}

}  // namespace
}  // namespace vorneth::items
