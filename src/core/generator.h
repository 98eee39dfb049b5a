#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/line_origin.h"
#include "core/number_text.h"
#include "core/random_source.h"

namespace vorneth {

// What every generator of a hoard works with: the shared random source, the thousands
// separator for amounts, and the growing list of lines with the origin of each. Generators
// produce output only through AddLine.
class Generator {
 public:
  Generator(RandomSource& random, std::string separator)
      : random_(random), separator_(std::move(separator)) {
    lines_.reserve(kLinesReserved);
    origins_.reserve(kLinesReserved);
  }

  int Roll(int n) { return random_.Roll(n); }
  bool PercentRoll(int p) { return random_.PercentRoll(p); }

  void AddLine(std::string line) {
    lines_.push_back(std::move(line));
    origins_.push_back(origin_);
  }

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

  const std::vector<std::string>& Lines() const { return lines_; }
  std::vector<std::string> TakeLines() { return std::move(lines_); }
  std::vector<LineOrigin> TakeOrigins() { return std::move(origins_); }
  RandomSource& Random() { return random_; }

 private:
  // Room for the lines of a typical hoard (a lair type has up to about a dozen), so most hoards
  // allocate their lists once.
  static constexpr std::size_t kLinesReserved = 16;

  RandomSource& random_;
  std::string separator_;
  std::vector<std::string> lines_;
  std::vector<LineOrigin> origins_;  // one per line
  LineOrigin origin_;
};

}  // namespace vorneth
