// The three shapes of a game master's table file, behind ReadTableFile, and what they share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formats/table_file.h"

namespace vorneth::formats {

// The line of a file that is none of the shapes, after the file's name and ": ".
inline constexpr std::string_view kNoTable =
    "neither a Foundry RollTable (JSON) nor rows of CSV or text (\"01-05 Potion of Healing\")";

void ReadFoundryTables(const TableSource& source, std::string_view text, tables::TableSet& set,
                       std::vector<std::string>& faults);
void ReadCsvTable(const TableSource& source, std::string_view text, tables::TableSet& set,
                  std::vector<std::string>& faults);
void ReadTextTable(const TableSource& source, std::string_view text, tables::TableSet& set,
                   std::vector<std::string>& faults);

// `text` without blanks, tabs and CRs at either end.
std::string_view Trimmed(std::string_view text);

// Whether a word is meant as a die: perhaps digits, then a d and a digit ("d20", "2d6").
bool IsFormulaWord(std::string_view word);

// The faces at the front of a row of text or CSV, taken from `text`: "6", "01-05", "7–9" (any
// dash), with "00" for 100 (and "000" for 1000) as percentile dice show it; then the blanks,
// and one ":", "." or ")" with the blanks after it. Nothing, and `text` as it was, when the
// front is no range or runs straight on into a word.
std::optional<std::pair<int, int>> TakeRange(std::string_view& text);

// The die a file names: a formula, or when it names none, one die of the highest face of the
// rows. An unknown formula is a fault naming the table.
void SetDie(tables::Table& table, std::optional<std::string_view> formula,
            std::vector<std::string>& faults);

// Takes the value that a column or flag gives row `index`: a fault when its text ends in
// "(N gp)" of another value.
void GiveValue(tables::Table& table, std::size_t index, std::int64_t value,
               std::vector<std::string>& faults);

// A table of rows (CSV or text) as it is read: the table, the die its heading names, and the
// faults of its lines.
struct RowTable {
  tables::Table table;
  std::optional<std::string_view> formula;
  std::vector<std::string> lineFaults;
  bool first = true;

  // Whether the line read now is the first that is not blank, which may be a heading.
  bool AtFirstLine() { return std::exchange(first, false); }
};

// A table of rows begun for `source`, named after its file; nothing, with the fault said, when
// a line of `text` is not UTF-8 or holds a NUL byte.
std::optional<RowTable> BeginRowTable(const TableSource& source, std::string_view text,
                                      std::vector<std::string>& faults);

// Ends a table of rows: a file without a row is none of the shapes; else the table gets its die
// and joins `set`, the faults of its lines after those of the die.
void EndRowTable(const TableSource& source, RowTable rows, tables::TableSet& set,
                 std::vector<std::string>& faults);

}  // namespace vorneth::formats
