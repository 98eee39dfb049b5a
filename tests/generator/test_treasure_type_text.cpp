// The description of each treasure type against what its recipe rolls: every amount in the
// stated range (the ends reached), each component about as often as stated, nothing unstated.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <regex>
#include <string>

#include "core/generator.h"
#include "core/hoard_request.h"
#include "generator/treasure_type_text.h"
#include "generator/treasure_types.h"

namespace vorneth {
namespace {

struct Seen {
  int hoards = 0;  // with the component
  long min = 0;
  long max = 0;
};

TEST(TreasureTypeText, ReadsAsTheRecipes) {
  EXPECT_EQ(TreasureTypeText('A', ","),
            "A, lair: copper 1,000-5,999 (24.8%), silver 1,000-5,999 (29.7%), electrum "
            "1,000-5,999 (34.7%), gold 1,000-9,999 (39.6%), platinum 1,000-3,999 (24.8%); gems "
            "4-39 (59.4%); jewelry 3-29 (49.5%); 3 magic items of any kind (29.7%)");
  EXPECT_EQ(TreasureTypeText('U', "."),
            "U, individual: gems 10-79 (89.1%); jewelry 5-29 (79.2%, only with gems); one each of "
            "ring, rod/staff/wand, miscellaneous, armour/shield, sword and weapon (69.3%)");
  EXPECT_EQ(TreasureTypeTexts(",").size(), 26u);
}

TEST(TreasureTypeText, EveryLetterGivesWhatItsLineSays) {
  const std::regex component(
      R"((copper|silver|electrum|gold|platinum|gems|jewelry) (\d+)-(\d+) \((always|[\d.]+%)[^)]*\))");
  const std::regex coinOrLot(
      R"((\d+) (Copper|Silver|Electrum|Gold|Platinum|Gems|Jewelry)( coins| \(| Items \().*)");
  constexpr int kHoards = 3000;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const std::string text = TreasureTypeText(letter, "");
    SCOPED_TRACE(text);
    const bool lair = static_cast<std::size_t>(letter - 'A') < kLairTypes;
    ASSERT_EQ(text.rfind(std::string(1, letter) + (lair ? ", lair: " : ", individual: "), 0), 0u);

    std::map<std::string, Seen> seen;
    int jewelryAlone = 0;
    int otherLines = 0;
    int maps = 0;
    for (std::uint32_t seed = 0; seed < kHoards; ++seed) {
      RandomSource random(seed);
      Generator g(random, "");
      DoType(g, letter, 1);
      std::map<std::string, long> amounts;
      for (const std::string_view line : g.Lines()) {
        std::cmatch m;
        if (std::regex_match(line.begin(), line.end(), m, coinOrLot)) {
          std::string name = m[2];
          std::transform(name.begin(), name.end(), name.begin(), ::tolower);
          amounts[name] = std::stol(m[1]);
        } else {
          ++otherLines;
          maps += line == "A Map";
        }
      }
      jewelryAlone += amounts.contains("jewelry") && !amounts.contains("gems");
      for (const auto& [name, amount] : amounts) {
        Seen& s = seen[name];
        s.min = s.hoards == 0 ? amount : std::min(s.min, amount);
        s.max = s.hoards == 0 ? amount : std::max(s.max, amount);
        ++s.hoards;
      }
    }

    for (std::sregex_iterator it(text.begin(), text.end(), component), end; it != end; ++it) {
      const std::smatch& m = *it;
      const Seen s = seen[m[1]];
      seen.erase(m[1]);
      const long lo = std::stol(m[2]);
      const long hi = std::stol(m[3]);
      const double chance = m[4] == "always" ? 1.0 : std::stod(m[4]) / 100;
      EXPECT_NEAR(static_cast<double>(s.hoards) / kHoards, chance, 0.03) << m[1];
      EXPECT_GE(s.min, lo) << m[1];
      EXPECT_LE(s.max, hi) << m[1];
      if (hi - lo < 100) {  // small ranges are seen whole
        EXPECT_EQ(s.min, lo) << m[1];
        EXPECT_EQ(s.max, hi) << m[1];
      }
    }
    for (const auto& [name, s] : seen) {
      ADD_FAILURE() << letter << " gives " << name << ", which its line leaves out";
    }
    const std::string magic = std::regex_replace(text.substr(text.find(':')), component, "");
    if (magic.find_first_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos) {
      EXPECT_EQ(otherLines, 0) << "magic items its line leaves out";
    }
    if (magic.find("a map") != std::string::npos) {
      EXPECT_EQ(otherLines, maps) << "lines besides its maps";
    }
    if (text.find("only with gems") != std::string::npos) {
      EXPECT_EQ(jewelryAlone, 0);
    }
  }
}

}  // namespace
}  // namespace vorneth
