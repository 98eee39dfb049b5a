#include <algorithm>

#include "tables/check.h"
#include "tables/row_text.h"

namespace vorneth::tables {

namespace {

bool SameName(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

// The table a reference of a row of `file` names, or kUnresolved.
std::size_t Lookup(const TableSet& set, const std::string& file, const Reference& reference) {
  for (const bool byId : {true, false}) {
    for (const bool sameFile : {true, false}) {
      for (std::size_t i = 0; i < set.size(); ++i) {
        const Table& table = set[i];
        const bool named = byId ? !reference.id.empty() && table.id == reference.id
                                : !reference.name.empty() && SameName(table.name, reference.name);
        if (named && (table.file == file) == sameFile) {
          return i;
        }
      }
    }
  }
  return kUnresolved;
}

std::size_t Saturated(std::size_t bytes) {
  return std::min(bytes, kMostLineBytes + 1);
}

// The walk of the tables' references in depth, with its own stack: a long chain of tables
// must not exhaust the call stack.
class LinkCheck {
 public:
  explicit LinkCheck(const TableSet& set)
      : set_(set),
        faults_(set.size()),
        mark_(set.size(), Mark::New),
        nesting_(set.size(), 0),
        bytes_(set.size(), 0),
        bad_(set.size(), false) {}

  // The faults of each table of the set, by its index.
  std::vector<std::vector<std::string>> Run() {
    for (std::size_t t = 0; t < set_.size(); ++t) {
      for (std::size_t r = 0; r < set_[t].rows.size(); ++r) {
        for (const Reference& reference : set_[t].rows[r].references) {
          if (reference.table == kUnresolved) {
            Fault(t, r, ": no table " + Named(reference) + " in this file or its folder");
          }
        }
      }
    }
    for (std::size_t t = 0; t < set_.size(); ++t) {
      if (mark_[t] == Mark::New) {
        Walk(t);
      }
    }
    return std::move(faults_);
  }

 private:
  enum class Mark { New, Open, Done };
  struct Frame {
    std::size_t table;
    std::size_t row = 0;
    std::size_t reference = 0;
  };

  static std::string Named(const Reference& reference) {
    std::string named = reference.name.empty() ? "of id \"" : "\"";
    named += Shown(reference.name.empty() ? reference.id : reference.name);
    named += '"';
    return named;
  }

  void Fault(std::size_t table, std::size_t row, const std::string& what) {
    faults_[table].push_back(TablePlace(set_[table]) + ", " + RowPlace(set_[table], row) + what);
    bad_[table] = true;
  }

  void Walk(std::size_t start) {
    std::vector<Frame> stack{{start}};
    mark_[start] = Mark::Open;
    while (!stack.empty()) {
      Frame& frame = stack.back();
      const std::vector<Row>& rows = set_[frame.table].rows;
      if (frame.row == rows.size()) {
        Close(frame.table);
        stack.pop_back();
      } else if (frame.reference == rows[frame.row].references.size()) {
        ++frame.row;
        frame.reference = 0;
      } else {
        const std::size_t target = rows[frame.row].references[frame.reference++].table;
        if (target != kUnresolved && mark_[target] == Mark::Open) {
          Loop(stack, target);
        } else if (target != kUnresolved && mark_[target] == Mark::New) {
          mark_[target] = Mark::Open;
          stack.push_back({target});  // `frame` is not used after this
        }
      }
    }
  }

  // The row at the top of `stack` draws from `target`, a table below it on the stack.
  void Loop(const std::vector<Frame>& stack, std::size_t target) {
    std::string path;
    bool inLoop = false;
    for (const Frame& frame : stack) {
      inLoop = inLoop || frame.table == target;
      if (inLoop) {
        path += '"';
        path += Shown(set_[frame.table].name);
        path += "\" -> ";
        bad_[frame.table] = true;
      }
    }
    const Frame& top = stack.back();
    Fault(top.table, top.row, " draws in a loop: " + path + "\"" + Shown(set_[target].name) + "\"");
  }

  // Every table `table` draws from is closed: its nesting and longest line follow from theirs.
  void Close(std::size_t table) {
    mark_[table] = Mark::Done;
    const std::vector<Row>& rows = set_[table].rows;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      int nesting = 1;
      std::size_t bytes = rows[r].text.size();
      for (const Reference& reference : rows[r].references) {
        bytes -= reference.length;  // the marks lie apart within the text
      }
      bool badBelow = false;
      for (const Reference& reference : rows[r].references) {
        if (reference.table == kUnresolved) {
          continue;
        }
        badBelow = badBelow || bad_[reference.table];
        nesting = std::max(nesting, nesting_[reference.table] + 1);
        bytes = Saturated(Saturated(bytes) + bytes_[reference.table]);
      }
      bytes = Saturated(bytes);
      if (badBelow) {
        bad_[table] = true;
      } else if (nesting > kMostNesting) {
        Fault(table, r, ": draws nest more than " + std::to_string(kMostNesting) + " tables deep");
      } else if (bytes > kMostLineBytes) {
        Fault(
            table, r,
            ": a draw could make a line of more than " + std::to_string(kMostLineBytes) + " bytes");
      }
      nesting_[table] = std::max(nesting_[table], nesting);
      bytes_[table] = std::max(bytes_[table], bytes);
    }
  }

  const TableSet& set_;
  std::vector<std::vector<std::string>> faults_;
  std::vector<Mark> mark_;
  std::vector<int> nesting_;        // the deepest nesting of a draw from each table
  std::vector<std::size_t> bytes_;  // the longest line of a draw from each, saturated
  std::vector<bool> bad_;           // a fault lies in the table or below it
};

}  // namespace

std::vector<std::string> ResolveReferences(TableSet& set) {
  std::vector<std::string> unanswered;
  for (Table& table : set) {
    for (Row& row : table.rows) {
      for (Reference& reference : row.references) {
        reference.table = Lookup(set, table.file, reference);
        if (reference.table == kUnresolved && !reference.name.empty() &&
            std::find(unanswered.begin(), unanswered.end(), reference.name) == unanswered.end()) {
          unanswered.push_back(reference.name);
        }
      }
    }
  }
  return unanswered;
}

std::vector<std::string> CheckTables(TableSet& set) {
  ResolveReferences(set);
  const std::vector<std::vector<std::string>> links = LinkCheck(set).Run();
  std::vector<std::string> faults;
  for (std::size_t t = 0; t < set.size(); ++t) {
    for (std::string& fault : RangeFaults(set[t])) {
      faults.push_back(std::move(fault));
    }
    faults.insert(faults.end(), links[t].begin(), links[t].end());
  }
  return faults;
}

std::size_t TopTable(const TableSet& set) {
  std::vector<bool> drawnFrom(set.size(), false);
  for (const Table& table : set) {
    for (const Row& row : table.rows) {
      for (const Reference& reference : row.references) {
        if (reference.table != kUnresolved) {
          drawnFrom[reference.table] = true;
        }
      }
    }
  }
  const auto top = std::find(drawnFrom.begin(), drawnFrom.end(), false);
  return top == drawnFrom.end() ? 0 : static_cast<std::size_t>(top - drawnFrom.begin());
}

}  // namespace vorneth::tables
