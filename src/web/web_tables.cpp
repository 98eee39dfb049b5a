#include "web/web_tables.h"

#include <string_view>
#include <utility>
#include <vector>

#include "formats/table_file.h"
#include "tables/check.h"
#include "tables/draw.h"
#include "web/module_interface.h"

namespace vorneth::web {

namespace {

// The files read since the last clear: their tables and faults, and the name of the first.
struct Opened {
  std::string file;
  tables::TableSet set;
  std::vector<std::string> faults;
  bool checked = false;
};

struct TableState {
  Opened opened;
  std::string draws;
  tables::HoardTables inUse;
};

TableState& TheTables() {
  static TableState state;
  return state;
}

// Checks the files read once, when every one of them is in.
const Opened& Checked() {
  Opened& opened = TheTables().opened;
  if (!opened.checked) {
    if (opened.faults.empty()) {
      opened.faults = tables::CheckTables(opened.set);
    }
    opened.checked = true;
  }
  return opened;
}

}  // namespace

const tables::HoardTables& TablesInUse() {
  return TheTables().inUse;
}

std::string TableCheckText() {
  const Opened& opened = Checked();
  std::string text;
  for (const std::string& fault : opened.faults) {
    text += fault + "\n";
  }
  if (opened.faults.empty()) {
    for (const tables::Table& table : opened.set) {
      text += tables::TableSummary(table) + "\n";
    }
  }
  return text;
}

std::string TableDrawsText() {
  return TheTables().draws;
}

std::string TableChoicesText(const std::vector<TableChoice>& choices) {
  std::string text;
  for (const TableChoice& choice : choices) {
    text += std::string(kFamilyTableWords[static_cast<std::size_t>(choice.family)]) + "=" +
            choice.file + "\n";
  }
  return text;
}

}  // namespace vorneth::web

using vorneth::web::TheTables;

// Forgets the files read for checking; the tables in use stay.
VORNETH_EXPORT(vorneth_table_clear) void vorneth_table_clear() {
  TheTables().opened = {};
}

// Reads one more file: the input buffer holds its name (`nameSize` bytes, without a folder)
// and then its text. A nested table is looked for among the files read since the last clear.
VORNETH_EXPORT(vorneth_table_add) void vorneth_table_add(std::uint32_t nameSize) {
  auto& opened = TheTables().opened;
  const std::string_view input = vorneth::web::InputText();
  const std::string name(input.substr(0, nameSize));
  if (opened.file.empty()) {
    opened.file = name;
  }
  opened.checked = false;
  if (input.size() <= nameSize) {
    opened.faults.push_back(name + ": empty file");
    return;
  }
  vorneth::formats::ReadTableFile(vorneth::formats::SourceOf(name, name), input.substr(nameSize),
                                  opened.set, opened.faults);
}

// How many faults the files read hold; their lines are the check's text.
VORNETH_EXPORT(vorneth_table_check) std::uint32_t vorneth_table_check() {
  return static_cast<std::uint32_t>(vorneth::web::Checked().faults.size());
}

// Draws `times` times from the files read, from the seed, as `--roll-table` does; nothing when
// they hold a fault.
VORNETH_EXPORT(vorneth_table_roll)
void vorneth_table_roll(std::uint32_t times, std::uint32_t seed) {
  const auto& opened = vorneth::web::Checked();
  std::string& draws = TheTables().draws;
  draws.clear();
  if (!opened.faults.empty() || opened.set.empty()) {
    return;
  }
  const vorneth::tables::TableDraws from(opened.set);
  const std::size_t top = vorneth::tables::TopTable(opened.set);
  vorneth::RandomSource random(seed);
  for (std::uint32_t i = 0; i < times; ++i) {
    draws += from.Draw(top, random) + "\n";
  }
}

// Uses the files read for the family numbered `family` (1 potions ... 8 weapons) in the hoards
// from now on; false, changing nothing, when they hold a fault.
VORNETH_EXPORT(vorneth_table_use) bool vorneth_table_use(std::int32_t family) {
  const auto& opened = vorneth::web::Checked();
  if (family < 1 || family > static_cast<std::int32_t>(vorneth::kFamilyCount) ||
      !opened.faults.empty() || opened.set.empty()) {
    return false;
  }
  const auto used = static_cast<vorneth::Family>(family);
  TheTables().inUse.Use({used, opened.file, opened.set, vorneth::tables::TopTable(opened.set)});
  return true;
}

// The hoards draw the family numbered `family` from the built-in tables again.
VORNETH_EXPORT(vorneth_table_drop) void vorneth_table_drop(std::int32_t family) {
  if (family >= 1 && family <= static_cast<std::int32_t>(vorneth::kFamilyCount)) {
    TheTables().inUse.Drop(static_cast<vorneth::Family>(family));
  }
}
