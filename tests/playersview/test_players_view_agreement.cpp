// The one-pass key index must give exactly what testing the keys one by one in table order
// gives: the plain reference derivation (support/players_view_reference.h) is compared with the
// real one on many generated hoards and on random lines made of keys, markers, gem names and
// stray bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generator/assembly.h"
#include "playersview/first_byte_filter.h"
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

// The vector pass may pass bytes outside the set (its ranges merge gaps) but never drops one,
// and with few enough runs of bytes it is exact.
TEST(PlayersViewAgreement, FirstByteFilterKeepsEveryByteOfItsSet) {
  std::mt19937 pick(5);
  std::uniform_int_distribution<int> byte(0, 255);
  std::array<bool, 256> few{};
  few[' '] = few['+'] = true;
  std::fill(few.begin() + 'A', few.begin() + 'Z' + 1, true);
  const FirstByteFilter exact(few);
  for (int density : {1, 8, 40, 128}) {
    std::array<bool, 256> member{};
    for (bool& m : member) {
      m = byte(pick) < density;
    }
    const FirstByteFilter filter(member);
    for (int round = 0; round < 2000; ++round) {
      std::array<char, FirstByteFilter::kBlock> block{};
      for (char& c : block) {
        c = static_cast<char>(byte(pick));
      }
      const std::uint32_t inSet = filter.PortableBlock(block.data());
      ASSERT_EQ(filter.Block(block.data()) & inSet, inSet);
      ASSERT_EQ(exact.Block(block.data()), exact.PortableBlock(block.data()));
    }
  }
}

}  // namespace
}  // namespace vorneth::playersview
