#include <algorithm>
#include <numeric>

#include "tables/check.h"

namespace vorneth::tables {

namespace {

// "face 7 is in no row", "faces 13-14 are in no row".
std::string Uncovered(int lo, int hi) {
  return lo == hi ? "face " + std::to_string(lo) + " is in no row"
                  : "faces " + std::to_string(lo) + "-" + std::to_string(hi) + " are in no row";
}

}  // namespace

std::vector<std::string> RangeFaults(const Table& table) {
  std::vector<std::string> faults;
  const std::string place = TablePlace(table) + ", ";
  if (table.rows.empty()) {
    faults.push_back(place + "has no rows");
    return faults;
  }
  // The rows that cover faces of the die, by their first face.
  const int lowest = table.die.Lowest();
  const int highest = table.die.Highest();
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const Row& row = table.rows[i];
    if (row.text.empty()) {
      faults.push_back(place + RowPlace(table, i) + " has no text");
    }
    if (row.lo > row.hi) {
      faults.push_back(place + RowPlace(table, i) + " runs backwards");
      continue;
    }
    if (row.lo < lowest || row.hi > highest) {
      faults.push_back(place + RowPlace(table, i) + " is outside the die (" +
                       std::to_string(lowest) + "-" + std::to_string(highest) + ")");
    }
    if (row.hi >= lowest && row.lo <= highest) {
      order.push_back(i);  // what it covers of the die counts
    }
  }
  const auto lo = [&](std::size_t i) { return std::max(table.rows[i].lo, lowest); };
  std::stable_sort(order.begin(), order.end(),
                   [&lo](std::size_t a, std::size_t b) { return lo(a) < lo(b); });
  // The face after the last one covered so far, and the row that covered it.
  int next = lowest;
  std::size_t last = table.rows.size();
  const auto after = [&table, &last] {
    return last == table.rows.size() ? std::string() : " after " + RowPlace(table, last);
  };
  for (const std::size_t i : order) {
    if (lo(i) < next) {
      faults.push_back(place + RowPlace(table, i) + " overlaps " + RowPlace(table, last));
    } else if (lo(i) > next) {
      faults.push_back(place + Uncovered(next, lo(i) - 1) + " (a gap" + after() +
                       (last == table.rows.size() ? " before " : ", before ") + RowPlace(table, i) +
                       ")");
    }
    if (table.rows[i].hi >= next) {
      next = table.rows[i].hi + 1;
      last = i;
    }
  }
  if (next <= highest && !order.empty()) {
    faults.push_back(place + Uncovered(next, highest) + " (a gap" + after() + ")");
  }
  return faults;
}

std::string TableSummary(const Table& table) {
  const std::size_t nested = std::accumulate(
      table.rows.begin(), table.rows.end(), std::size_t{0},
      [](std::size_t sum, const Row& row) { return sum + (row.references.empty() ? 0 : 1); });
  return TablePlace(table) + ", " + DieText(table.die) + ", " + std::to_string(table.rows.size()) +
         (table.rows.size() == 1 ? " row" : " rows") + ", all faces covered" +
         (nested == 0 ? ""
                      : ", " + std::to_string(nested) +
                            (nested == 1 ? " row draws" : " rows draw") + " from other tables");
}

}  // namespace vorneth::tables
