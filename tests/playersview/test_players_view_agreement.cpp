// The one-pass key index must give exactly what testing the keys one by one in table order
// gives. A plain reference derivation written that way is compared with the real one on many
// generated hoards and on random lines made of keys, markers, gem names and stray bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generator/assembly.h"
#include "playersview/players_view.h"
#include "playersview/rewrite_tables.h"

namespace vorneth::playersview {
namespace {

bool Has(const std::string& line, std::string_view text) {
  return line.find(text) != std::string::npos;
}

void ReferenceSubs(std::string& line) {
  for (const Substitution& s : kSubstitutions) {
    if (Has(line, s.key)) {
      line = s.outward;
      return;
    }
  }
}

void ReferenceTrunc(std::string& line) {
  if (Has(line, kTruncPreStep)) {
    line = line.substr(0, line.find(kTruncPreStep));
  }
  for (const Truncation& t : kTruncations) {
    if (!Has(line, t.marker)) {
      continue;
    }
    if (t.kind == CutKind::Before) {
      line = line.substr(0, line.find(t.cutMarker));
    } else {
      const long long keep = static_cast<long long>(line.find(t.marker)) + 1 + t.keepOffset;
      line = keep <= 0 ? std::string() : line.substr(0, static_cast<std::size_t>(keep));
    }
    return;
  }
}

void ReferenceGems(std::string& line) {
  for (const Appearance& a : kAppearances) {
    if (Has(line, a.name)) {
      const bool yes = a.secondTest.empty() || Has(line, a.secondTest);
      line = line.substr(0, line.find(a.cutBefore)) + std::string(yes ? a.look : a.lookOtherwise);
      return;
    }
  }
}

std::vector<std::string> ReferencePlayers(const std::vector<std::string>& dm) {
  std::vector<std::string> players;
  for (std::string line : dm) {
    if (Has(line, " plus ")) {
      continue;
    }
    ReferenceSubs(line);
    ReferenceTrunc(line);
    ReferenceGems(line);
    players.push_back(line);
  }
  return players;
}

TEST(PlayersViewAgreement, GeneratedHoardsFromManySeeds) {
  std::mt19937 pick(20240611);
  std::uniform_int_distribution<int> count(0, 6);
  std::uniform_int_distribution<int> coin(0, 1);
  int hoardsWithScrolls = 0;
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    HoardRequest request;
    request.Seed = seed * 2654435761U;
    for (int& n : request.TypeCount) {
      n = count(pick) == 0 ? count(pick) : 0;
    }
    request.CustMagic = count(pick) * 4;
    request.CustGems = coin(pick) * count(pick);
    request.CustJewelry = coin(pick) * count(pick);
    request.CustCoins = coin(pick) * 1234567;
    const Hoard hoard = GenerateHoard(request);
    SCOPED_TRACE(seed);

    const auto plusLines = std::count_if(hoard.DMList.begin(), hoard.DMList.end(),
                                         [](const std::string& l) { return Has(l, " plus "); });
    hoardsWithScrolls += plusLines > 0 ? 1 : 0;
    EXPECT_EQ(hoard.PlayersList.size() + static_cast<std::size_t>(plusLines), hoard.DMList.size());
    EXPECT_EQ(hoard.PlayersList, ReferencePlayers(hoard.DMList));
    EXPECT_EQ(hoard.PlayersList, ParsePlayers(hoard.DMList));
  }
  EXPECT_GT(hoardsWithScrolls, 0) << "no hoard held a scroll of several spells";
}

// Random lines built from the texts the rewrites look for, pieces of them, and stray bytes,
// so that keys overlap, repeat and stand in every order.
std::vector<std::string> Vocabulary() {
  std::vector<std::string> words;
  for (const Substitution& s : kSubstitutions) {
    words.emplace_back(s.key);
    words.emplace_back(s.outward);
  }
  words.emplace_back(kTruncPreStep);
  for (const Truncation& t : kTruncations) {
    words.emplace_back(t.marker);
    words.emplace_back(t.cutMarker);
  }
  for (const Appearance& a : kAppearances) {
    words.emplace_back(a.name);
    words.emplace_back(a.cutBefore);
    words.emplace_back(a.secondTest);
  }
  for (const char* extra : {" plus ", " ", ",", "'", "(", ")", " gp", "Gems", "1,000", "sword",
                            "Stone", "Pearl", " Anything", "Jewel", "\xC3\xA9"}) {
    words.emplace_back(extra);
  }
  words.emplace_back(1, '\0');
  std::erase(words, std::string());
  return words;
}

using Rewrite = void (*)(std::string&);
constexpr std::pair<Rewrite, Rewrite> kRewrites[] = {
    {&ParseSubs, &ReferenceSubs}, {&ParseTrunc, &ReferenceTrunc}, {&ParseGems, &ReferenceGems}};

TEST(PlayersViewAgreement, RandomLinesOfKeysAndMarkers) {
  const std::vector<std::string> words = Vocabulary();
  std::mt19937 pick(77);
  std::uniform_int_distribution<std::size_t> word(0, words.size() - 1);
  std::uniform_int_distribution<int> length(0, 7);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> chop(0, 3);
  for (int round = 0; round < 200; ++round) {
    std::vector<std::string> dm;
    for (int i = 0; i < 200; ++i) {
      std::string line;
      for (int w = length(pick); w > 0; --w) {
        std::string piece = words[word(pick)];
        if (chop(pick) == 0) {
          piece.resize(piece.size() / 2);  // a part of a key is not the key
        }
        line += piece;
        if (chop(pick) == 0) {
          line += static_cast<char>(byte(pick));
        }
      }
      for (const auto& [real, reference] : kRewrites) {
        std::string fast = line;
        std::string plain = line;
        real(fast);
        reference(plain);
        ASSERT_EQ(fast, plain) << "line: " << line;
      }
      dm.push_back(line);
    }
    ASSERT_EQ(ParsePlayers(dm), ReferencePlayers(dm));
  }
}

}  // namespace
}  // namespace vorneth::playersview
