// The one-pass key index must give exactly what testing the keys one by one in table order
// gives: the plain reference derivation (support/players_view_reference.h) is compared with the
// real one on many generated hoards and on random lines made of keys, markers, gem names and
// stray bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "playersview/first_key.h"
#include "playersview/hoard_lists.h"
#include "playersview/key_start_filter.h"
#include "playersview/players_view.h"
#include "playersview/rewrite_tables.h"
#include "support/players_view_reference.h"

namespace vorneth::playersview {
namespace {

using reference::Has;

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
                                         [](std::string_view l) { return Has(l, " plus "); });
    hoardsWithScrolls += plusLines > 0 ? 1 : 0;
    EXPECT_EQ(hoard.PlayersList.size() + static_cast<std::size_t>(plusLines), hoard.DMList.size());
    EXPECT_EQ(hoard.PlayersList, reference::Players(hoard.DMList));
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
constexpr std::pair<Rewrite, Rewrite> kRewrites[] = {{&ParseSubs, &reference::Subs},
                                                     {&ParseTrunc, &reference::Trunc},
                                                     {&ParseGems, &reference::Gems}};

TEST(PlayersViewAgreement, RandomLinesOfKeysAndMarkers) {
  const std::vector<std::string> words = Vocabulary();
  std::mt19937 pick(77);
  std::uniform_int_distribution<std::size_t> word(0, words.size() - 1);
  std::uniform_int_distribution<int> length(0, 7);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> chop(0, 3);
  for (int round = 0; round < 200; ++round) {
    LineList dm;
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
    ASSERT_EQ(ParsePlayers(dm), reference::Players(dm));
  }
}

// The index on lists of short, overlapping keys of a few letters, which the rewrite tables do not
// have: keys shorter than a bucket's prefix stand in several buckets.
TEST(PlayersViewAgreement, FirstKeyIndexOfShortKeys) {
  std::mt19937 pick(11);
  std::uniform_int_distribution<int> letter(0, 3);
  std::uniform_int_distribution<std::size_t> size(1, 5);
  std::uniform_int_distribution<std::size_t> length(0, 40);
  const auto text = [&](std::size_t n) {
    std::string made(n, ' ');
    for (char& c : made) {
      c = "ab c"[letter(pick)];
    }
    return made;
  };
  for (int round = 0; round < 30; ++round) {
    std::array<std::string, 16> keyText;
    std::array<std::string_view, 16> keys{};
    for (std::size_t k = 0; k < keys.size(); ++k) {
      keyText[k] = text(size(pick));
      keys[k] = keyText[k];
    }
    const auto index =
        std::make_unique<FirstKeyIndex<16, 2>>(keys, std::array<std::size_t, 2>{5, 11});
    for (int line = 0; line < 200; ++line) {
      const std::string seen = text(length(pick));
      const std::array<KeyMatch, 2> found = index->FindEach(seen);
      for (std::size_t g = 0; g < 2; ++g) {
        const std::size_t from = g == 0 ? 0 : 5;
        const std::size_t to = g == 0 ? 5 : 16;
        std::size_t k = from;
        while (k < to && seen.find(keys[k]) == std::string::npos) {
          ++k;
        }
        ASSERT_EQ(found[g].key, k - from) << "line: " << seen;
        if (k < to) {
          ASSERT_EQ(found[g].position, seen.find(keys[k])) << "line: " << seen;
        }
      }
    }
  }
}

// The vector pass may pass positions no key starts at (its ranges merge gaps) but never drops
// one, whatever the text's length: blocks read the byte after them, the tail reads none past the
// end. Keys of one and two bytes are enough, since only a key's first two bytes are tested.
TEST(PlayersViewAgreement, KeyStartFilterKeepsEveryStart) {
  std::mt19937 pick(5);
  std::uniform_int_distribution<int> byte(1, 255);
  std::uniform_int_distribution<int> size(1, 2);
  std::uniform_int_distribution<std::size_t> length(1, 40);
  for (int round = 0; round < 40; ++round) {
    std::array<std::string, 24> keyText;
    std::array<std::string_view, 24> keys{};
    for (std::size_t k = 0; k < keys.size(); ++k) {
      // Keys share their first bytes often, as words do, and repeat a few bytes of text.
      keyText[k] = std::string(1, static_cast<char>(k % 3 == 0 ? ' ' : 'A' + byte(pick) % 8));
      if (size(pick) == 2) {
        keyText[k] += static_cast<char>(byte(pick) % 2 == 0 ? 'a' + byte(pick) % 8 : byte(pick));
      }
      keys[k] = keyText[k];
    }
    const KeyStartFilter filter(keys);
    for (int line = 0; line < 100; ++line) {
      std::string text(length(pick), ' ');
      for (char& c : text) {
        const int b = byte(pick);
        c = static_cast<char>(b % 4 == 0   ? b
                              : b % 4 == 1 ? 'A' + b % 8
                              : b % 4 == 2 ? 'a' + b % 8
                                           : ' ');
      }
      std::uint64_t starts = 0;
      std::size_t base = 0;
      for (; text.size() - base > KeyStartFilter::kBlock; base += KeyStartFilter::kBlock) {
        starts |= std::uint64_t{filter.Block(text.data() + base)} << base;
      }
      starts |= std::uint64_t{filter.Tail(text.data() + base, text.size() - base, text.size())}
                << base;
      for (std::size_t i = 0; i < text.size(); ++i) {
        const bool keyStarts = std::any_of(keys.begin(), keys.end(), [&](std::string_view key) {
          return std::string_view(text).substr(i, key.size()) == key;
        });
        ASSERT_TRUE(!keyStarts || (starts >> i & 1U) != 0) << "text: " << text << " at " << i;
      }
      ASSERT_EQ(starts >> text.size(), 0U);
    }
  }
}

}  // namespace
}  // namespace vorneth::playersview
