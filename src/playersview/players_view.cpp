#include "playersview/players_view.h"

#include <iterator>
#include <string_view>
#include <utility>

#include "playersview/first_key.h"
#include "playersview/rewrite_tables.h"

namespace vorneth::playersview {

namespace {

constexpr FirstKeyIndex<std::size(kSubstitutions)> kSubsIndex(kSubstitutions,
                                                              [](const Substitution& s) {
                                                                return s.key;
                                                              });
constexpr FirstKeyIndex<std::size(kTruncations)> kTruncIndex(kTruncations, [](const Truncation& t) {
  return t.marker;
});
constexpr FirstKeyIndex<std::size(kAppearances)> kGemsIndex(kAppearances, [](const Appearance& a) {
  return a.name;
});

constexpr std::string_view kScrollContinuation = " plus ";

bool Contains(std::string_view line, std::string_view text) {
  return line.find(text) != std::string_view::npos;
}

// Replaces the line by the characters before the leftmost `marker` (the line holds it).
void CutBefore(std::string& line, std::string_view marker) {
  line.resize(line.find(marker));
}

// Keeps the first `count` characters: the whole line if it is shorter, none if count <= 0.
void KeepFirst(std::string& line, long long count) {
  if (count <= 0) {
    line.clear();
  } else if (static_cast<unsigned long long>(count) < line.size()) {
    line.resize(static_cast<std::size_t>(count));
  }
}

}  // namespace

void ParseSubs(std::string& line) {
  const KeyMatch match = kSubsIndex.Find(line);
  if (match.key < std::size(kSubstitutions)) {
    line = kSubstitutions[match.key].outward;
  }
}

void ParseTrunc(std::string& line) {
  if (const std::size_t with = line.find(kTruncPreStep); with != std::string::npos) {
    line.resize(with);
  }
  const KeyMatch match = kTruncIndex.Find(line);
  if (match.key >= std::size(kTruncations)) {
    return;
  }
  const Truncation& test = kTruncations[match.key];
  if (test.kind == CutKind::Before) {
    if (test.cutMarker == test.marker) {
      line.resize(match.position);
    } else {
      // The cut marker is part of the tested one, so the line holds it.
      CutBefore(line, test.cutMarker);
    }
  } else {
    const auto p = static_cast<long long>(match.position) + 1;  // counted from 1
    KeepFirst(line, p + test.keepOffset);
  }
}

void ParseGems(std::string& line) {
  const KeyMatch match = kGemsIndex.Find(line);
  if (match.key >= std::size(kAppearances)) {
    return;
  }
  const Appearance& gem = kAppearances[match.key];
  const std::string_view look =
      (gem.secondTest.empty() || Contains(line, gem.secondTest)) ? gem.look : gem.lookOtherwise;
  if (gem.cutBefore == gem.name) {
    line.resize(match.position);
  } else {
    CutBefore(line, gem.cutBefore);  // the name begins with it, so the line holds it
  }
  line += look;
}

std::vector<std::string> ParsePlayers(const std::vector<std::string>& dmLines) {
  std::vector<std::string> players;
  players.reserve(dmLines.size());
  for (const std::string& dmLine : dmLines) {
    if (Contains(dmLine, kScrollContinuation)) {
      continue;  // a further spell of the scroll above: the scroll shows as one line
    }
    std::string line = dmLine;
    ParseSubs(line);
    ParseTrunc(line);
    ParseGems(line);
    players.push_back(std::move(line));
  }
  return players;
}

}  // namespace vorneth::playersview
