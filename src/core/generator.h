#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/line_list.h"
#include "core/line_origin.h"
#include "core/number_text.h"
#include "core/random_source.h"

namespace vorneth {

// What every generator of a hoard works with: the shared random source, the thousands
// separator for amounts, and the growing list of lines with the origin of each. Generators
// produce output only through NewLine and AddLine.
class Generator {
 public:
  // Adds its lines to a list of its own (see Lines and TakeLines).
  Generator(RandomSource& random, std::string separator)
      : Generator(random, std::move(separator), ownLines_, ownOrigins_) {}

  // Adds its lines to `lines` and `origins`, after dropping what they held: their storage is
  // kept for the new list.
  Generator(RandomSource& random, std::string separator, LineList& lines,
            std::vector<LineOrigin>& origins)
      : random_(random), separator_(std::move(separator)), lines_(lines), origins_(origins) {
    lines_.clear();
    origins_.clear();
  }

  Generator(const Generator&) = delete;
  Generator& operator=(const Generator&) = delete;

  int Roll(int n) { return random_.Roll(n); }
  bool PercentRoll(int p) { return random_.PercentRoll(p); }

  // Starts the next line, empty, and records the origin in force. The caller appends the
  // line's bytes to the text returned, which is the whole list's: append only, and only until
  // the next line is started.
  std::string& NewLine() {
    origins_.push_back(origin_);
    return lines_.NewLine();
  }

  void AddLine(std::string_view line) { NewLine().append(line); }

  // How many lines have been added.
  std::size_t LineCount() const { return lines_.size(); }

  // While one lives, every line added is recorded as coming from `origin`.
  class OriginScope {
   public:
    OriginScope(Generator& g, LineOrigin origin) : g_(g), outer_(g.origin_) { g.origin_ = origin; }
    ~OriginScope() { g_.origin_ = outer_; }
    OriginScope(const OriginScope&) = delete;
    OriginScope& operator=(const OriginScope&) = delete;

   private:
    Generator& g_;
    LineOrigin outer_;
  };

  // Coin amounts and gem and jewelry totals: decimal with the desktop's separator.
  std::string NumberText(long long n) const { return vorneth::NumberText(n, separator_); }
  void AppendNumberText(std::string& text, long long n) const {
    vorneth::AppendNumberText(text, n, separator_);
  }
  std::string_view Separator() const { return separator_; }

  // The lines added so far, for a generator with a list of its own.
  const LineList& Lines() const { return lines_; }
  LineList TakeLines() { return std::move(lines_); }
  std::vector<LineOrigin> TakeOrigins() { return std::move(origins_); }
  RandomSource& Random() { return random_; }

 private:
  LineList ownLines_;
  std::vector<LineOrigin> ownOrigins_;
  RandomSource& random_;
  std::string separator_;
  LineList& lines_;
  std::vector<LineOrigin>& origins_;  // one per line
  LineOrigin origin_;
};

}  // namespace vorneth
