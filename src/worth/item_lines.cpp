#include "worth/item_lines.h"

#include <deque>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "core/line_forms.h"
#include "items/table.h"

namespace vorneth::worth {

namespace {

using items::Row;
using items::RowKind;
using items::Table;

// The lines of every row of every table, gathered once: whole lines where a row's line is
// fixed, else the fixed text that stands before and after the rolled part.
class ItemLineShapes {
 public:
  ItemLineShapes() {
    std::unordered_set<const Table*> seen;
    for (const Table* table : items::AllTables()) {
      Add(*table, seen);
    }
  }

  bool Holds(std::string_view line) const {
    if (whole_.contains(line) || line.starts_with(kSpellScrollStart)) {
      return true;
    }
    for (const auto& [before, after] : framed_) {
      if (line.size() > before.size() + after.size() && line.starts_with(before) &&
          line.ends_with(after)) {
        return true;
      }
    }
    return false;
  }

 private:
  void Add(const Table& table, std::unordered_set<const Table*>& seen) {
    if (!seen.insert(&table).second) {
      return;
    }
    for (const Row& row : table.rows) {
      switch (row.kind) {
        case RowKind::Fixed:
          whole_.insert(row.text);
          break;
        case RowKind::Variant:
          for (const Row& variant : row.sub->rows) {
            whole_.insert(joined_.emplace_back(std::string(row.text) + std::string(variant.text)));
          }
          break;
        case RowKind::Count:
        case RowKind::List:
          if (!row.text.empty() || !row.suffix.empty()) {  // nothing fixed would frame any line
            framed_.emplace_back(row.text, row.suffix);
          }
          break;
        case RowKind::Typed:
          framed_.emplace_back(std::string_view(), row.text);  // after the blade
          break;
        case RowKind::Reference:
          Add(*row.sub, seen);
          break;
        case RowKind::Spells:
          break;  // kSpellScrollStart
      }
    }
  }

  std::deque<std::string> joined_;  // the Variant lines the set views; a deque does not move them
  std::unordered_set<std::string_view> whole_;
  std::vector<std::pair<std::string_view, std::string_view>> framed_;
};

}  // namespace

bool IsTableItemLine(std::string_view line) {
  static const ItemLineShapes shapes;
  return shapes.Holds(line);
}

}  // namespace vorneth::worth
