// Every range table: the item tables (every one reachable from the listed ones through their
// rows' sub-tables), the magic-item routers, the gem bands and the jewelry rows and materials.
// Their ranges divide their roll's outcomes without gap or overlap; the main item tables hold
// the number of rows their families are made of.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "generator/gems_jewelry.h"
#include "generator/magic_selection.h"
#include "items/table.h"

namespace vorneth::items {
namespace {

struct Range {
  int lo;
  int hi;
};

// The ranges of entries that hold only their upper bound: each begins just above the one
// before, the first at `first`.
template <typename Entry>
std::vector<Range> RangesFromBounds(std::span<const Entry> entries, int first) {
  std::vector<Range> ranges;
  for (const Entry& entry : entries) {
    ranges.push_back({ranges.empty() ? first : ranges.back().hi + 1, entry.hi});
  }
  return ranges;
}

// The ranges divide the outcomes `first` to `last` in order, without gap or overlap, and none
// is empty. Faults name the table and the row (counted from 0) at fault.
void ExpectDivides(std::string_view table, const std::vector<Range>& ranges, int first, int last) {
  ASSERT_FALSE(ranges.empty()) << table << " has no rows";
  int next = first;
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    const auto [lo, hi] = ranges[i];
    EXPECT_EQ(lo, next) << table << " row " << i << " (" << lo << "-" << hi
                        << ") leaves a gap or overlaps";
    EXPECT_LE(lo, hi) << table << " row " << i << " (" << lo << "-" << hi << ") is empty";
    next = hi + 1;
  }
  EXPECT_EQ(next, last + 1) << table << " does not end at its roll's last outcome " << last;
}

void ExpectItemTable(const Table& table) {
  ASSERT_GT(table.die, 0) << table.name;
  std::vector<Range> ranges;
  for (const Row& row : table.rows) {
    ranges.push_back({row.lo, row.hi});
    if (row.kind == RowKind::Variant || row.kind == RowKind::List ||
        row.kind == RowKind::Reference) {
      EXPECT_NE(row.sub, nullptr) << table.name << " row " << row.lo << "-" << row.hi
                                  << " lacks its table";
    }
  }
  ExpectDivides(table.name, ranges, 1, table.die);
  for (int d = 1; d <= table.die; ++d) {
    const Row& row = Pick(table, d);
    EXPECT_TRUE(row.lo <= d && d <= row.hi) << table.name << ": Pick(" << d << ")";
  }
}

TEST(Tables, EveryReachableTableCoversItsDieExactly) {
  ASSERT_FALSE(AllTables().empty());
  std::vector<const Table*> pending(AllTables().begin(), AllTables().end());
  std::set<const Table*> reached(pending.begin(), pending.end());
  std::set<std::string_view> names;
  while (!pending.empty()) {
    const Table& table = *pending.back();
    pending.pop_back();
    EXPECT_TRUE(names.insert(table.name).second) << "table name " << table.name << " used twice";
    ExpectItemTable(table);
    for (const Row& row : table.rows) {
      if (row.sub != nullptr && reached.insert(row.sub).second) {
        ADD_FAILURE() << row.sub->name << ", the table of " << table.name << " row " << row.lo
                      << "-" << row.hi << ", is missing from AllTables()";
        pending.push_back(row.sub);
      }
    }
  }
}

TEST(Tables, RoutersGemBandsAndJewelryRowsCoverTheirRolls) {
  ASSERT_FALSE(AllRouters().empty());
  for (const Router* router : AllRouters()) {
    // Roll(die) gives 0 to die - 1.
    ExpectDivides(router->name, RangesFromBounds(router->branches, 0), 0, router->die - 1);
    for (const Branch& branch : router->branches) {
      EXPECT_NE(branch.call, nullptr) << router->name << " branch up to " << branch.hi;
    }
  }
  // Band and row rolls give 1 to 100 (0 counted as 100).
  ExpectDivides("gem bands", RangesFromBounds(std::span<const GemBand>(GemBands()), 1), 1, 100);
  ExpectDivides("jewelry rows", RangesFromBounds(JewelryRows(), 1), 1, 100);
  for (const JewelryRow& row : JewelryRows()) {
    // Roll(materialDie) gives 0 to materialDie - 1; a row without a die takes its one material.
    ExpectDivides("materials of jewelry row up to " + std::to_string(row.hi),
                  RangesFromBounds(row.materials, 0), 0, std::max(row.materialDie - 1, 0));
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
