#include <algorithm>
#include <utility>

#include "core/utf8.h"
#include "formats/table_shapes.h"
#include "tables/row_text.h"

namespace vorneth::formats {

namespace {

constexpr std::size_t kMostDigits = 7;

// A number of one to kMostDigits digits at the front of `text`, taken from it; "00" is 100.
std::optional<int> TakeNumber(std::string_view& text) {
  std::size_t digits = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
    ++digits;
  }
  if (digits == 0 || digits > kMostDigits) {
    return std::nullopt;
  }
  int value = 0;
  for (std::size_t i = 0; i < digits; ++i) {
    value = value * 10 + (text[i] - '0');
  }
  if (value == 0 && digits > 1) {
    value = 1;
    for (std::size_t i = 0; i < digits; ++i) {
      value *= 10;
    }
  }
  text.remove_prefix(digits);
  return value;
}

std::size_t Blanks(std::string_view text) {
  return std::min(text.find_first_not_of(" \t"), text.size());
}

// The line number of the first line of `text` that is not UTF-8 or holds a NUL byte; 0 when
// every line is good.
std::size_t FirstBadLine(std::string_view text) {
  std::size_t line = 1;
  while (!text.empty()) {
    const Utf8Step step = DecodeUtf8(text);
    if (!step.valid || text[0] == '\0') {
      return line;
    }
    line += text[0] == '\n' ? 1U : 0U;
    text.remove_prefix(step.length);
  }
  return 0;
}

}  // namespace

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t\r") + 1 - first);
}

bool IsFormulaWord(std::string_view word) {
  const std::size_t d = word.find_first_not_of("0123456789");
  return d != std::string_view::npos && (word[d] == 'd' || word[d] == 'D') && d + 1 < word.size() &&
         word[d + 1] >= '0' && word[d + 1] <= '9';
}

std::optional<std::pair<int, int>> TakeRange(std::string_view& text) {
  std::string_view rest = text;
  const std::optional<int> lo = TakeNumber(rest);
  if (!lo) {
    return std::nullopt;
  }
  std::optional<int> hi = lo;
  std::string_view dashed = rest.substr(Blanks(rest));
  for (const std::string_view dash : {"-", "\u2013", "\u2014"}) {
    if (dashed.starts_with(dash)) {
      dashed.remove_prefix(dash.size());
      dashed.remove_prefix(Blanks(dashed));
      hi = TakeNumber(dashed);
      if (!hi) {
        return std::nullopt;
      }
      rest = dashed;
      break;
    }
  }
  const std::size_t blanks = Blanks(rest);
  rest.remove_prefix(blanks);
  if (!rest.empty() && std::string_view(":.)").find(rest[0]) != std::string_view::npos) {
    rest.remove_prefix(1);
    rest.remove_prefix(Blanks(rest));
  } else if (!rest.empty() && blanks == 0) {
    return std::nullopt;  // "1d4 ...": a word, not a range
  }
  text = rest;
  return std::pair{*lo, *hi};
}

void SetDie(tables::Table& table, std::optional<std::string_view> formula,
            std::vector<std::string>& faults) {
  if (formula) {
    if (const std::optional<tables::Die> die = tables::ParseDie(*formula)) {
      table.die = *die;
      return;
    }
    faults.push_back(tables::TablePlace(table) + ": unknown formula \"" + tables::Shown(*formula) +
                     "\" (takes " + std::string(tables::kDieForms) + ")");
  }
  int highest = 1;
  for (const tables::Row& row : table.rows) {
    highest = std::max(highest, row.hi);
  }
  table.die = tables::Die{1, std::min(highest, tables::kMostFaces)};
}

void GiveValue(tables::Table& table, std::size_t index, std::int64_t value,
               std::vector<std::string>& faults) {
  tables::Row& row = table.rows[index];
  if (row.value && *row.value != value) {
    faults.push_back(tables::TablePlace(table) + ", " + tables::RowPlace(table, index) +
                     ": value " + std::to_string(value) + " gp, but its text ends in (" +
                     std::to_string(*row.value) + " gp)");
  }
  row.value = value;
}

std::optional<RowTable> BeginRowTable(const TableSource& source, std::string_view text,
                                      std::vector<std::string>& faults) {
  if (const std::size_t bad = FirstBadLine(text); bad != 0) {
    faults.push_back(source.shown + ": " + std::string(kNoTable) + ": line " + std::to_string(bad) +
                     " is not UTF-8 text");
    return std::nullopt;
  }
  RowTable rows;
  rows.table.name = tables::CleanText(source.stem);
  rows.table.file = source.shown;
  return rows;
}

void EndRowTable(const TableSource& source, RowTable rows, tables::TableSet& set,
                 std::vector<std::string>& faults) {
  if (rows.table.rows.empty()) {
    faults.push_back(source.shown + ": " + std::string(kNoTable) + ": no line is a row");
    return;
  }
  SetDie(rows.table, rows.formula, faults);
  faults.insert(faults.end(), rows.lineFaults.begin(), rows.lineFaults.end());
  set.push_back(std::move(rows.table));
}

}  // namespace vorneth::formats
