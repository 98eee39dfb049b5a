#include "formats/table_file.h"

#include <algorithm>

#include "formats/table_shapes.h"

namespace vorneth::formats {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Whether the first line that opens with a digit (perhaps quoted) has a comma after its range.
bool LooksLikeCsv(std::string_view text) {
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    line.remove_prefix(std::min(line.find_first_not_of(" \t\""), line.size()));
    if (line.empty() || line[0] < '0' || line[0] > '9') {
      continue;
    }
    const std::size_t after = line.find_first_not_of("0123456789- \t\"");
    return after != std::string_view::npos && line[after] == ',';
  }
  return false;
}

}  // namespace

TableSource SourceOf(std::string_view path, std::string shown) {
  const std::size_t slash = path.find_last_of('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  TableSource source{std::move(shown), std::string(name), ""};
  if (dot != std::string_view::npos && dot > 0) {
    source.stem = name.substr(0, dot);
    for (const char c : name.substr(dot)) {
      source.extension += c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    }
  }
  return source;
}

void ReadTableFile(const TableSource& source, std::string_view text, tables::TableSet& set,
                   std::vector<std::string>& faults) {
  if (text.starts_with(kByteOrderMark)) {
    text.remove_prefix(kByteOrderMark.size());
  }
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  const bool json = first != std::string_view::npos && (text[first] == '{' || text[first] == '[');
  if (source.extension == ".json" ||
      (json && source.extension != ".csv" && source.extension != ".txt")) {
    ReadFoundryTables(source, text, set, faults);
  } else if (source.extension == ".csv" || (source.extension != ".txt" && LooksLikeCsv(text))) {
    ReadCsvTable(source, text, set, faults);
  } else {
    ReadTextTable(source, text, set, faults);
  }
}

}  // namespace vorneth::formats
