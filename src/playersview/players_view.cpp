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
constexpr std::array<std::string_view, kSubsCount + 1> kDropOrSubsIndexKeys = [] {
  std::array<std::string_view, kSubsCount + 1> keys{};
  keys[0] = kScrollSpellStart;
  std::copy(kSubsKeys.begin(), kSubsKeys.end(), keys.begin() + 1);
  return keys;
}();

constexpr FirstKeyIndex<1> kPreStepIndex(std::array<std::string_view, 1>{kTruncPreStep});
constexpr FirstKeyIndex<kTruncCount> kTruncIndex(KeysOf(kTruncations, [](const Truncation& t) {
  return t.marker;
}));
constexpr FirstKeyIndex<kGemsCount> kGemsIndex(KeysOf(kAppearances,
                                                      [](const Appearance& a) { return a.name; }));

// Which truncation tests cut before their own marker, and which gems before their own name:
// those cut where the search found the key, without a search of their own.
constexpr auto kCutsAtMarker = [] {
  std::array<bool, kTruncCount> at{};
  for (std::size_t k = 0; k < kTruncCount; ++k) {
    at[k] = kTruncations[k].cutMarker == kTruncations[k].marker;
  }
  return at;
}();
constexpr auto kCutsAtName = [] {
  std::array<bool, kGemsCount> at{};
  for (std::size_t k = 0; k < kGemsCount; ++k) {
    at[k] = kAppearances[k].cutBefore == kAppearances[k].name;
  }
  return at;
}();

// Where `text` first stands in `line`, npos if nowhere. Out of line: a few keys only need it,
// and inlined it would weigh on every line's way through its callers.
[[gnu::noinline]] std::size_t FindText(std::string_view line, std::string_view text) {
  return line.find(text);
}

// How many leading characters of `line` (cut before " with " already) the truncation test
// `match` keeps: every cut keeps a prefix.
std::size_t CutLength(std::string_view line, const KeyMatch& match) {
  if (match.key >= kTruncCount) {
    return line.size();
  }
  const Truncation& test = kTruncations[match.key];
  if (test.kind == CutKind::Before) {
    // A cut marker other than the tested one is part of it, so the line holds it.
    return kCutsAtMarker[match.key] ? match.position : FindText(line, test.cutMarker);
  }
  const auto p = static_cast<long long>(match.position) + 1;  // counted from 1
  const long long keep = p + test.keepOffset;
  return keep <= 0 ? 0 : std::min(line.size(), static_cast<std::size_t>(keep));
}

// How many leading characters of `line` ParseTrunc keeps.
std::size_t TruncatedLength(std::string_view line) {
  if (const KeyMatch with = kPreStepIndex.Find(line); with.key == 0) {
    line = line.substr(0, with.position);
  }
  return CutLength(line, kTruncIndex.Find(line));
}

// ParseGems as a prefix of the line to keep and a look to append (none: line unchanged).
struct GemRewrite {
  std::size_t keep;
  std::string_view look;
};

// The rewrite of gem name `match` (found in `line`, or not: key kGemsCount).
GemRewrite GemRewriteOf(std::string_view line, const KeyMatch& match) {
  if (match.key >= kGemsCount) {
    return {line.size(), {}};
  }
  const Appearance& gem = kAppearances[match.key];
  const bool first =
      gem.secondTest.empty() || FindText(line, gem.secondTest) != std::string_view::npos;
  // A cut before text other than the name is cut before the name's start, so the line holds it.
  const std::size_t keep = kCutsAtName[match.key] ? match.position : FindText(line, gem.cutBefore);
  return {keep, first ? gem.look : gem.lookOtherwise};
}

GemRewrite GemLook(std::string_view line) {
  return GemRewriteOf(line, kGemsIndex.Find(line));
}

// ParseTrunc, then ParseGems, of `line`, searching each on its own; appended to `text`.
void AppendTruncAndGems(std::string& text, std::string_view line) {
  line = line.substr(0, TruncatedLength(line));
  const GemRewrite gem = GemLook(line);
  text.append(line.substr(0, gem.keep));
  text.append(gem.look);
}

// Every key ParsePlayers looks for in a DM line, in four groups searched in one pass: the drop
// test and the substitution keys, the pre-step, the truncation markers, the gem names.
enum Group : std::size_t { kDropOrSubs, kWith, kTrunc, kGems, kGroupCount };
constexpr std::size_t kAllCount = 1 + kSubsCount + 1 + kTruncCount + kGemsCount;
constexpr FirstKeyIndex<kAllCount, kGroupCount> kAllIndex(
    [] {
      std::array<std::string_view, kAllCount> keys{};
      std::size_t k = 0;
      for (std::string_view key : kDropOrSubsIndexKeys) {
        keys[k++] = key;
      }
      keys[k++] = kTruncPreStep;
      for (const Truncation& t : kTruncations) {
        keys[k++] = t.marker;
      }
      for (const Appearance& a : kAppearances) {
        keys[k++] = a.name;
      }
      return keys;
    }(),
    {1 + kSubsCount, 1, kTruncCount, kGemsCount});

// The players' line of each outward form: a substituted line is one of these whatever it was.
const std::array<std::string, kSubsCount>& OutwardLines() {
  static const std::array<std::string, kSubsCount> lines = [] {
    std::array<std::string, kSubsCount> all;
    for (std::size_t k = 0; k < kSubsCount; ++k) {
      AppendTruncAndGems(all[k], kSubstitutions[k].outward);
    }
    return all;
  }();
  return lines;
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

LineList ParsePlayers(const LineList& dmLines) {
  LineList players;
  // As much room as the DM list takes: the players' lines are mostly shorter (only a gem lot's
  // look may be longer, and then the text grows).
  players.reserve(dmLines.size(), dmLines.Text().size());
  ParsePlayers(dmLines, players);
  return players;
}

namespace {

// The players' line of one DM line, added to `players`; none for a further spell of a scroll.
void AddPlayersLine(std::string_view line, const std::array<std::string, kSubsCount>& outward,
                    LineList& players) {
  const std::array<KeyMatch, kGroupCount> found = kAllIndex.FindEach(line);
  const std::size_t subs = found[kDropOrSubs].key;
  if (subs == 0) {
    return;  // a further spell of the scroll above: the scroll shows as one line
  }
  if (subs <= kSubsCount) {
    players.push_back(outward[subs - 1]);
    return;
  }
  std::string_view tested = line;
  if (found[kWith].key == 0) {
    // The tests look at the text before " with " only. The first marker of the whole line
    // is the first of that text too when it ends there; otherwise search that text again.
    tested = line.substr(0, found[kWith].position);
    const KeyMatch& marker = found[kTrunc];
    if (marker.key < kTruncCount &&
        marker.position + kTruncations[marker.key].marker.size() > tested.size()) {
      AppendTruncAndGems(players.NewLine(), line);
      return;
    }
  }
  const std::size_t kept = CutLength(tested, found[kTrunc]);
  const std::string_view cut = tested.substr(0, kept);
  // The first gem name of the whole line decides unless the cut took it away; then another
  // one may still stand in what is left.
  const KeyMatch& gemMatch = found[kGems];
  const bool gemKept = gemMatch.key >= kGemsCount ||
                       gemMatch.position + kAppearances[gemMatch.key].name.size() <= kept;
  const GemRewrite gem = gemKept ? GemRewriteOf(cut, gemMatch) : GemLook(cut);
  std::string& text = players.NewLine();
  text.append(cut.substr(0, gem.keep));
  text.append(gem.look);
}

}  // namespace

void ParsePlayers(const LineList& dmLines, LineList& players) {
  const std::array<std::string, kSubsCount>& outward = OutwardLines();
  players.clear();
  for (const std::string_view line : dmLines) {
    AddPlayersLine(line, outward, players);
  }
}

std::string TableItemPlayersLine(std::string_view dmLine, Family family, std::string_view given) {
  if (!given.empty()) {
    return std::string(given);
  }
  const KeyMatch match = kSubsIndex.Find(dmLine);
  if (match.key < kSubsCount) {
    return OutwardLines()[match.key];
  }
  return std::string(kFamilyOutward[static_cast<std::size_t>(family)]);
}

void ParsePlayers(const LineList& dmLines, std::span<const LineOrigin> origins,
                  std::span<const std::optional<std::string>> tablePlayers, LineList& players) {
  if (tablePlayers.empty()) {
    ParsePlayers(dmLines, players);
    return;
  }
  const std::array<std::string, kSubsCount>& outward = OutwardLines();
  players.clear();
  for (std::size_t i = 0; i < dmLines.size(); ++i) {
    if (i < tablePlayers.size() && tablePlayers[i] && i < origins.size()) {
      players.push_back(TableItemPlayersLine(dmLines[i], origins[i].family, *tablePlayers[i]));
    } else {
      AddPlayersLine(dmLines[i], outward, players);
    }
  }
}

}  // namespace vorneth::playersview
