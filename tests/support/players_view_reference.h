#pragma once

// The players' view derived the plain way: every rewrite table searched entry by entry in table
// order, the first entry found deciding. The one-pass key index of src/playersview must give
// exactly this; the agreement test and the fuzz target check that it does, and the benchmark
// runs it as the baseline the index replaces. Header only and free of the test framework, so
// the benchmark and the fuzz target can include it too.

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/line_list.h"
#include "playersview/rewrite_tables.h"

namespace vorneth::playersview::reference {

inline bool Has(std::string_view line, std::string_view text) {
  return line.find(text) != std::string_view::npos;
}

// Keeps the first `length` characters of `line`, all of them when it is shorter.
inline void Keep(std::string& line, std::size_t length) {
  line.resize(std::min(line.size(), length));
}

inline void Subs(std::string& line) {
  for (const Substitution& s : kSubstitutions) {
    if (Has(line, s.key)) {
      line = s.outward;
      return;
    }
  }
}

inline void Trunc(std::string& line) {
  Keep(line, line.find(kTruncPreStep));
  for (const Truncation& t : kTruncations) {
    if (!Has(line, t.marker)) {
      continue;
    }
    if (t.kind == CutKind::Before) {
      Keep(line, line.find(t.cutMarker));
    } else {
      const long long keep = static_cast<long long>(line.find(t.marker)) + 1 + t.keepOffset;
      Keep(line, static_cast<std::size_t>(std::max(keep, 0LL)));
    }
    return;
  }
}

inline void Gems(std::string& line) {
  for (const Appearance& a : kAppearances) {
    if (Has(line, a.name)) {
      const bool first = a.secondTest.empty() || Has(line, a.secondTest);
      Keep(line, line.find(a.cutBefore));
      line += first ? a.look : a.lookOtherwise;
      return;
    }
  }
}

// The players' list: lines holding " plus " left out, the three rewrites applied to the rest.
inline LineList Players(const LineList& dm) {
  LineList players;
  for (const std::string_view dmLine : dm) {
    std::string line(dmLine);
    if (Has(line, " plus ")) {
      continue;
    }
    Subs(line);
    Trunc(line);
    Gems(line);
    players.push_back(line);
  }
  return players;
}

}  // namespace vorneth::playersview::reference
