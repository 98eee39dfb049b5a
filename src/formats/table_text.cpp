// Text rows: one row a line ("01-05 Potion of Healing (400 gp)", "6: Rope", "7-9. Lantern"),
// blank lines anywhere, and a first line that is no row naming the table and perhaps its die
// ("# Potions d20"); later lines that begin with "#" are comments.
#include "formats/table_shapes.h"
#include "tables/row_text.h"

namespace vorneth::formats {

namespace {

// "# Potions d20": the name, and the die when the last word is one.
std::optional<std::string_view> ReadHeading(std::string_view line, tables::Table& table) {
  line = Trimmed(line.substr(std::min(line.find_first_not_of("# \t"), line.size())));
  std::optional<std::string_view> formula;
  const std::size_t space = line.find_last_of(" \t");
  const std::string_view last = space == std::string_view::npos ? line : line.substr(space + 1);
  if (IsFormulaWord(last)) {
    formula = last;
    line = Trimmed(line.substr(0, line.size() - last.size()));
  }
  line = line.substr(0, line.find_last_not_of(",:;-\u2013") + 1);
  if (std::string name = tables::CleanText(line); !name.empty()) {
    table.name = std::move(name);
  }
  return formula;
}

}  // namespace

void ReadTextTable(const TableSource& source, std::string_view text, tables::TableSet& set,
                   std::vector<std::string>& faults) {
  std::optional<RowTable> rows = BeginRowTable(source, text, faults);
  if (!rows) {
    return;
  }
  tables::Table& table = rows->table;
  std::size_t number = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    std::string_view line = Trimmed(text.substr(start, end - start));
    start = end + 1;
    ++number;
    if (line.empty()) {
      continue;
    }
    const bool heading = rows->AtFirstLine();
    if (const auto range = TakeRange(line)) {
      table.rows.push_back(tables::TextRow(range->first, range->second, line));
    } else if (heading) {
      rows->formula = ReadHeading(line, table);
    } else if (line[0] != '#') {
      rows->lineFaults.push_back(
          tables::TablePlace(table) + ", line " + std::to_string(number) +
          " is not a row (\"N text\" or \"N-M text\"): " + tables::Shown(line));
    }
  }
  EndRowTable(source, std::move(*rows), set, faults);
}

}  // namespace vorneth::formats
