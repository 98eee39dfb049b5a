#include "playersview/players_view.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

#include "core/line_forms.h"
#include "playersview/first_key.h"
#include "playersview/rewrite_tables.h"

namespace vorneth::playersview {

namespace {

constexpr std::size_t kSubsCount = std::size(kSubstitutions);
constexpr std::size_t kTruncCount = std::size(kTruncations);
constexpr std::size_t kGemsCount = std::size(kAppearances);

constexpr auto kSubsKeys = KeysOf(kSubstitutions, [](const Substitution& s) { return s.key; });
constexpr FirstKeyIndex<kSubsCount> kSubsIndex(kSubsKeys);

// The drop test and the substitution keys in one list: " plus " first, so a line holding it
// is recognised as dropped by the same pass that finds its substitution key otherwise.
constexpr FirstKeyIndex<kSubsCount + 1> kDropOrSubsIndex([] {
  std::array<std::string_view, kSubsCount + 1> keys{};
  keys[0] = kScrollSpellStart;
  std::copy(kSubsKeys.begin(), kSubsKeys.end(), keys.begin() + 1);
  return keys;
}());

constexpr FirstKeyIndex<1> kPreStepIndex(std::array<std::string_view, 1>{kTruncPreStep});
constexpr FirstKeyIndex<kTruncCount> kTruncIndex(KeysOf(kTruncations, [](const Truncation& t) {
  return t.marker;
}));
constexpr FirstKeyIndex<kGemsCount> kGemsIndex(KeysOf(kAppearances,
                                                      [](const Appearance& a) { return a.name; }));

// How many leading characters of `line` ParseTrunc keeps: every cut keeps a prefix.
std::size_t TruncatedLength(std::string_view line) {
  if (const KeyMatch with = kPreStepIndex.Find(line); with.key == 0) {
    line = line.substr(0, with.position);
  }
  const KeyMatch match = kTruncIndex.Find(line);
  if (match.key >= kTruncCount) {
    return line.size();
  }
  const Truncation& test = kTruncations[match.key];
  if (test.kind == CutKind::Before) {
    // A cut marker other than the tested one is part of it, so the line holds it.
    return test.cutMarker == test.marker ? match.position : line.find(test.cutMarker);
  }
  const auto p = static_cast<long long>(match.position) + 1;  // counted from 1
  const long long keep = p + test.keepOffset;
  return keep <= 0 ? 0 : std::min(line.size(), static_cast<std::size_t>(keep));
}

// ParseGems as a prefix of the line to keep and a look to append (none: line unchanged).
struct GemRewrite {
  std::size_t keep;
  std::string_view look;
};

GemRewrite GemLook(std::string_view line) {
  const KeyMatch match = kGemsIndex.Find(line);
  if (match.key >= kGemsCount) {
    return {line.size(), {}};
  }
  const Appearance& gem = kAppearances[match.key];
  const bool first = gem.secondTest.empty() || line.find(gem.secondTest) != std::string_view::npos;
  // A cut before text other than the name is cut before the name's start, so the line holds it.
  const std::size_t keep = gem.cutBefore == gem.name ? match.position : line.find(gem.cutBefore);
  return {keep, first ? gem.look : gem.lookOtherwise};
}

}  // namespace

void ParseSubs(std::string& line) {
  const KeyMatch match = kSubsIndex.Find(line);
  if (match.key < kSubsCount) {
    line = kSubstitutions[match.key].outward;
  }
}

void ParseTrunc(std::string& line) {
  line.resize(TruncatedLength(line));
}

void ParseGems(std::string& line) {
  const GemRewrite gem = GemLook(line);
  line.resize(gem.keep);
  line += gem.look;
}

std::vector<std::string> ParsePlayers(const std::vector<std::string>& dmLines) {
  std::vector<std::string> players;
  players.reserve(dmLines.size());
  for (const std::string& dmLine : dmLines) {
    // The three rewrites work on views of the DM line or of a table text; only the final
    // players' line is built as a string.
    const KeyMatch subs = kDropOrSubsIndex.Find(dmLine);
    if (subs.key == 0) {
      continue;  // a further spell of the scroll above: the scroll shows as one line
    }
    std::string_view line =
        subs.key <= kSubsCount ? kSubstitutions[subs.key - 1].outward : std::string_view(dmLine);
    line = line.substr(0, TruncatedLength(line));
    const GemRewrite gem = GemLook(line);
    std::string& playersLine = players.emplace_back();
    playersLine.reserve(gem.keep + gem.look.size());
    playersLine.append(line.substr(0, gem.keep));
    playersLine.append(gem.look);
  }
  return players;
}

}  // namespace vorneth::playersview
