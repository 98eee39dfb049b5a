// Foundry VTT RollTables as Foundry exports them: the table's name, formula and results, each
// result with its range [lo, hi] (or, when no result has one, its weight), and its text in
// "text" (up to version 12) or "name" and "description" (from version 13). A result that is a
// RollTable document (documentCollection "RollTable" with documentId, or a documentUuid
// "RollTable.<id>" or "Compendium.<pack>.RollTable.<id>") is a draw from that table; a
// compendium entry of no named type is one when the file holds its table. A result may carry
// flags.vorneth.players, the players' text, and flags.vorneth.value, its gold pieces.
#include <algorithm>
#include <nlohmann/json.hpp>

#include "formats/html_text.h"
#include "formats/table_shapes.h"
#include "tables/row_text.h"

namespace vorneth::formats {

namespace {

using Json = nlohmann::json;

constexpr long long kMostFace = 1000000000;  // the largest number a range is read with

const Json* Member(const Json& object, const char* key) {
  if (!object.is_object()) {
    return nullptr;
  }
  const auto it = object.find(key);
  return it == object.end() ? nullptr : &*it;
}

std::string TextOf(const Json& object, const char* key) {
  const Json* member = Member(object, key);
  return member != nullptr && member->is_string() ? member->get<std::string>() : std::string();
}

// A whole number of at most kMostFace either way.
std::optional<long long> Whole(const Json* number) {
  if (number == nullptr || !number->is_number_integer()) {
    return std::nullopt;
  }
  if (number->is_number_unsigned()) {
    const auto value = number->get<std::uint64_t>();
    return value <= kMostFace ? std::optional(static_cast<long long>(value)) : std::nullopt;
  }
  const auto value = number->get<long long>();
  return value >= -kMostFace && value <= kMostFace ? std::optional(value) : std::nullopt;
}

bool IsRollTable(const Json& document) {
  const Json* results = Member(document, "results");
  return results != nullptr && results->is_array();
}

// The result's own text: "text" up to version 12, "name" or else "description" from 13.
std::string ResultText(const Json& result) {
  for (const char* key : {"text", "name", "description"}) {
    if (std::string text = TextOf(result, key); !text.empty()) {
      return PlainText(text);
    }
  }
  return {};
}

// The id of the RollTable the result draws from: `sure` when it names a RollTable, otherwise
// only when the file holds a table of that id or name. Empty when it draws from none.
std::string DrawnTable(const Json& result, bool& sure) {
  sure = false;
  const Json* type = Member(result, "type");
  const bool document = type != nullptr && (*type == "document" || *type == 1);
  const bool pack = type != nullptr && (*type == "pack" || *type == 2);
  if (const std::string uuid = TextOf(result, "documentUuid"); !uuid.empty()) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0; start <= uuid.size();) {
      const std::size_t dot = std::min(uuid.find('.', start), uuid.size());
      parts.push_back(std::string_view(uuid).substr(start, dot - start));
      start = dot + 1;
    }
    sure = parts.size() >= 2 && parts[parts.size() - 2] == "RollTable";
    return sure || (parts.size() == 4 && parts[0] == "Compendium") ? std::string(parts.back())
                                                                   : std::string();
  }
  const std::string id = TextOf(result, "documentId");
  sure = document && TextOf(result, "documentCollection") == "RollTable";
  return sure || pack ? id : std::string();
}

// The whole text of the row is replaced by a draw from the table of `id`, or of its name.
void DrawsWhole(tables::Row& row, const std::string& id) {
  tables::Reference reference;
  reference.name = row.text;
  reference.id = id;
  if (row.text.empty()) {
    row.text = tables::CleanText(id);
  }
  reference.length = row.text.size();
  row.references = {std::move(reference)};
}

// A compendium entry that is a draw when the file holds its table.
struct MaybeDrawn {
  std::size_t table;
  std::size_t row;
  std::string id;
};

class FoundryReader {
 public:
  FoundryReader(const TableSource& source, tables::TableSet& set, std::vector<std::string>& faults)
      : source_(source), set_(set), faults_(faults), first_(set.size()) {}

  void Read(const Json& document) {
    tables::Table table;
    table.name = tables::CleanText(TextOf(document, "name"));
    if (table.name.empty()) {
      table.name = tables::CleanText(source_.stem);
    }
    table.id = TextOf(document, "_id");
    table.file = source_.shown;
    const Json& results = *Member(document, "results");
    const bool ranged = std::any_of(results.begin(), results.end(), [](const Json& result) {
      const Json* range = Member(result, "range");
      return range != nullptr && !(range->is_array() && range->empty());
    });
    std::vector<std::string> rowFaults;
    std::vector<MaybeDrawn> maybeDrawn;
    long long next = 1;  // the first face of a row ranged by its weight
    for (const Json& result : results) {
      const std::string place =
          tables::TablePlace(table) + ", row " + std::to_string(table.rows.size() + 1);
      long long lo = next;
      long long hi = next;
      if (ranged) {
        const Json* range = Member(result, "range");
        const bool pair = range != nullptr && range->is_array() && range->size() == 2;
        const std::optional<long long> first = pair ? Whole(&(*range)[0]) : std::nullopt;
        const std::optional<long long> last = pair ? Whole(&(*range)[1]) : std::nullopt;
        if (!first || !last) {
          faults_.push_back(place + " has no range of two whole numbers [lo, hi]");
          return;
        }
        lo = *first;
        hi = *last;
      } else {
        const std::optional<long long> weight = Whole(Member(result, "weight"));
        hi = std::min(lo + std::max(weight.value_or(1), 1LL) - 1, kMostFace);
        next = std::min(hi + 1, kMostFace);
      }
      table.rows.push_back(
          tables::TextRow(static_cast<int>(lo), static_cast<int>(hi), ResultText(result)));
      bool sure = false;
      if (const std::string id = DrawnTable(result, sure); sure) {
        DrawsWhole(table.rows.back(), id);
      } else if (!id.empty()) {
        maybeDrawn.push_back({set_.size(), table.rows.size() - 1, id});
      }
      ReadFlags(result, table, rowFaults);
    }
    const Json* formula = Member(document, "formula");
    const bool named = formula != nullptr && formula->is_string() && !formula->empty();
    const std::string formulaText = named ? formula->get<std::string>() : std::string();
    SetDie(table, named ? std::optional<std::string_view>(formulaText) : std::nullopt, faults_);
    faults_.insert(faults_.end(), rowFaults.begin(), rowFaults.end());
    maybeDrawn_.insert(maybeDrawn_.end(), maybeDrawn.begin(), maybeDrawn.end());
    set_.push_back(std::move(table));
  }

  // The compendium entries whose table the file holds draw from it.
  void Finish() {
    for (const MaybeDrawn& entry : maybeDrawn_) {
      tables::Row& row = set_[entry.table].rows[entry.row];
      const bool held = std::any_of(set_.begin() + static_cast<std::ptrdiff_t>(first_), set_.end(),
                                    [&](const tables::Table& table) {
                                      return table.id == entry.id || table.name == row.text;
                                    });
      if (held) {
        DrawsWhole(row, entry.id);
      }
    }
  }

 private:
  void ReadFlags(const Json& result, tables::Table& table, std::vector<std::string>& rowFaults) {
    const Json* flags = Member(result, "flags");
    const Json* ours = flags != nullptr ? Member(*flags, "vorneth") : nullptr;
    if (ours == nullptr) {
      return;
    }
    table.rows.back().players = tables::CleanText(PlainText(TextOf(*ours, "players")));
    const Json* value = Member(*ours, "value");
    if (value == nullptr) {
      return;
    }
    const std::optional<std::int64_t> gp =
        value->is_string() ? tables::ReadGp(value->get<std::string>())
        : value->is_number_unsigned() && value->get<std::uint64_t>() <= tables::kMostGp
            ? std::optional(static_cast<std::int64_t>(value->get<std::uint64_t>()))
            : std::nullopt;
    if (gp) {
      GiveValue(table, table.rows.size() - 1, *gp, rowFaults);
    } else {
      rowFaults.push_back(tables::TablePlace(table) + ", " +
                          tables::RowPlace(table, table.rows.size() - 1) + ": value " +
                          tables::Shown(value->dump()) + " is not whole gold pieces");
    }
  }

  const TableSource& source_;
  tables::TableSet& set_;
  std::vector<std::string>& faults_;
  std::size_t first_;  // the first table of the file in the set
  std::vector<MaybeDrawn> maybeDrawn_;
};

}  // namespace

void ReadFoundryTables(const TableSource& source, std::string_view text, tables::TableSet& set,
                       std::vector<std::string>& faults) {
  const std::string notTables = source.shown + ": " + std::string(kNoTable);
  std::vector<Json> lines;
  Json whole = Json::parse(text, nullptr, false);
  if (whole.is_discarded()) {
    // A compendium of Foundry up to version 10 holds one document a line.
    for (std::size_t start = 0; start < text.size();) {
      const std::size_t end = std::min(text.find('\n', start), text.size());
      const std::string_view line = Trimmed(text.substr(start, end - start));
      start = end + 1;
      if (!line.empty()) {
        lines.push_back(Json::parse(line, nullptr, false));
      }
      if (!line.empty() && lines.back().is_discarded()) {
        faults.push_back(notTables + ": not JSON");
        return;
      }
    }
  } else if (!whole.is_array()) {
    lines.push_back(std::move(whole));
  }
  const Json documents = whole.is_array() ? std::move(whole) : Json(std::move(lines));
  FoundryReader reader(source, set, faults);
  bool found = false;
  for (const Json& document : documents) {
    if (IsRollTable(document)) {
      reader.Read(document);
      found = true;
    }
  }
  if (!found) {
    faults.push_back(notTables + ": no object with \"results\" in it");
  }
  reader.Finish();
}

}  // namespace vorneth::formats
