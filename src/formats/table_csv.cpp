// CSV: the range in the first column ("01-05" or "6"), the text in the second, and perhaps the
// players' text in the third and the value in gold pieces in the fourth; quoted fields as in
// RFC 4180. A first line that is no row is a heading, naming the die when its first field is
// one ("d20,Item").
#include <algorithm>

#include "formats/table_shapes.h"
#include "tables/row_text.h"

namespace vorneth::formats {

namespace {

struct Record {
  std::size_t line;  // where it begins
  std::vector<std::string> fields;
};

std::vector<Record> Records(std::string_view text) {
  std::vector<Record> records;
  std::size_t line = 1;
  Record record{line, {}};
  std::string field;
  bool quoted = false;
  const auto endField = [&] { record.fields.push_back(std::exchange(field, std::string())); };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    line += c == '\n' ? 1U : 0U;
    if (quoted) {
      if (c != '"') {
        field += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"' && Trimmed(field).empty()) {
      field.clear();
      quoted = true;
    } else if (c == ',') {
      endField();
    } else if (c == '\n') {
      endField();
      records.push_back(std::exchange(record, Record{line, {}}));
    } else {
      field += c;
    }
  }
  endField();
  records.push_back(std::move(record));
  return records;
}

}  // namespace

void ReadCsvTable(const TableSource& source, std::string_view text, tables::TableSet& set,
                  std::vector<std::string>& faults) {
  std::optional<RowTable> rows = BeginRowTable(source, text, faults);
  if (!rows) {
    return;
  }
  tables::Table& table = rows->table;
  const std::vector<Record> records = Records(text);
  for (const Record& record : records) {
    const std::vector<std::string>& fields = record.fields;
    if (std::all_of(fields.begin(), fields.end(),
                    [](const std::string& field) { return Trimmed(field).empty(); })) {
      continue;  // a blank line
    }
    std::string_view range = Trimmed(fields[0]);
    const bool heading = rows->AtFirstLine();
    const std::string_view given = range;
    if (const auto faces = TakeRange(range); faces && range.empty()) {
      table.rows.push_back(tables::TextRow(faces->first, faces->second,
                                           fields.size() > 1 ? fields[1] : std::string()));
      if (fields.size() > 2) {
        table.rows.back().players = tables::CleanText(fields[2]);
      }
      const std::string_view value = fields.size() > 3 ? Trimmed(fields[3]) : std::string_view();
      if (const std::optional<std::int64_t> gp = tables::ReadGp(value)) {
        GiveValue(table, table.rows.size() - 1, *gp, rows->lineFaults);
      } else if (!value.empty()) {
        rows->lineFaults.push_back(tables::TablePlace(table) + ", " +
                                   tables::RowPlace(table, table.rows.size() - 1) + ": value \"" +
                                   tables::Shown(value) + "\" is not whole gold pieces");
      }
    } else if (heading) {
      rows->formula = IsFormulaWord(given) ? std::optional(given) : std::nullopt;
    } else {
      rows->lineFaults.push_back(
          tables::TablePlace(table) + ", line " + std::to_string(record.line) +
          " is not a row (its first field no range such as \"01-05\" or \"6\"): " +
          tables::Shown(given));
    }
  }
  EndRowTable(source, std::move(*rows), set, faults);
}

}  // namespace vorneth::formats
