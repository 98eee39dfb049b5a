#pragma once

// What a game master asks of a hoard before it is rolled: its worth, what it holds and lacks,
// what its coins weigh. A search tries seeds until hoards meet them; the hoards stay genuine rolls.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/line_origin.h"

namespace vorneth::search {

// What a hoard can hold or lack: the magic item families in Family's order, then a map, a gem
// lot, a jewelry lot and a cursed item.
enum class Feature : std::uint8_t {
  Potion,
  Scroll,
  Ring,
  Wand,
  Misc,
  Armour,
  Sword,
  Weapon,
  Map,
  Gems,
  Jewelry,
  Cursed,
};
inline constexpr std::size_t kFeatureCount = 12;

// The feature of a magic item family (not Family::None).
constexpr Feature FamilyFeature(Family family) {
  return static_cast<Feature>(static_cast<std::size_t>(family) - 1);
}
static_assert(FamilyFeature(Family::Weapon) == Feature::Weapon);

// A set of features, a bit each.
using FeatureSet = std::uint32_t;
constexpr FeatureSet Bit(Feature feature) {
  return FeatureSet{1} << static_cast<unsigned>(feature);
}

// A feature's name on the command line and in the browser (the WHAT of --with and --without),
// and how it reads in a sentence.
struct FeatureName {
  std::string_view name;
  std::string_view words;
};
inline constexpr std::array<FeatureName, kFeatureCount> kFeatureNames = {{
    {"potion", "a potion"},
    {"scroll", "a scroll"},
    {"ring", "a ring"},
    {"wand", "a rod, staff or wand"},
    {"misc", "a miscellaneous magic item"},
    {"armour", "magic armour or a shield"},
    {"sword", "a magic sword"},
    {"weapon", "a magic weapon"},
    {"map", "a map"},
    {"gems", "gems"},
    {"jewelry", "jewelry"},
    {"cursed", "a cursed item"},
}};

// The WHAT that asks for a part of a DM line, in any case: "text:vorpal".
inline constexpr std::string_view kTextPrefix = "text:";

// The most gold pieces of --worth-min and --worth-max and the most pounds of --max-weight: an
// amount of twelve digits, as the valuation reads them.
inline constexpr std::int64_t kMostAmount = 999'999'999'999;

struct Conditions {
  std::optional<std::int64_t> worthMinGp;  // the total worth, as --worth counts it
  std::optional<std::int64_t> worthMaxGp;
  std::optional<std::int64_t> maxWeightLb;  // the coins' weight, kCoinsPerPound to the pound
  FeatureSet with = 0;
  FeatureSet without = 0;
  std::vector<std::string> withText;     // in lower case: some DM line holds each
  std::vector<std::string> withoutText;  // no DM line holds any

  bool operator==(const Conditions&) const = default;
};

// The options that set a condition, and their names on the command line.
enum class ConditionOption { WorthMin, WorthMax, With, Without, MaxWeight };
inline constexpr std::array<std::string_view, 5> kConditionOptions = {
    "--worth-min", "--worth-max", "--with", "--without", "--max-weight"};

constexpr std::string_view OptionName(ConditionOption option) {
  return kConditionOptions[static_cast<std::size_t>(option)];
}

// Shows a user's text inside a message; the command line makes control characters visible.
using Quote = std::string (*)(std::string_view);

// Adds the condition of `option` with its value as typed. Returns why the value cannot be
// taken, in one line naming the option; empty when it was taken.
std::string AddCondition(Conditions& conditions, ConditionOption option, std::string_view value,
                         Quote quote = nullptr);

// Why no hoard could meet all the conditions at once (a least worth above the most, a WHAT both
// wanted and refused); empty when some hoard might.
std::string ConditionsProblem(const Conditions& conditions, Quote quote = nullptr);

// The conditions in words, amounts with `separator` between thousands: "worth 50,000 to
// 80,000 gp, with a magic sword, without a cursed item"; "no condition" when there are none.
std::string ConditionsWords(const Conditions& conditions, std::string_view separator,
                            Quote quote = nullptr);

}  // namespace vorneth::search
