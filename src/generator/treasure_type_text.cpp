#include "generator/treasure_type_text.h"

#include "core/hoard_request.h"
#include "core/line_forms.h"
#include "core/number_text.h"
#include "generator/treasure_recipes.h"

namespace vorneth {

namespace {

using namespace recipes;

// The chance of a percent roll of `percent`, present when Roll(101) < percent: "(24.8%)".
std::string Chance(int percent, std::string_view extra = {}) {
  const std::string chance =
      percent == kAlways ? "always" : PercentText(static_cast<double>(percent) / 101);
  return "(" + chance + std::string(extra) + ")";
}

// "1,000-5,999": what Roll(die) + base gives.
std::string Range(int die, int base, std::string_view separator) {
  return NumberText(base, separator) + "-" + NumberText(base + die - 1, separator);
}

std::string Amount(std::string_view name, const Component& c, std::string_view separator,
                   std::string_view extra = {}) {
  return std::string(name) + " " + Range(c.die, c.base, separator) + " " + Chance(c.percent, extra);
}

std::string Counted(int count, const Noun& noun) {
  return std::to_string(count) + " " + std::string(count == 1 ? noun.one : noun.many);
}

// "a, b and c" or "a, b or c".
template <typename Names>
std::string Listed(const Names& names, std::string_view last) {
  std::string text;
  const std::size_t n = std::size(names);
  for (std::size_t i = 0; i < n; ++i) {
    text += (i == 0 ? "" : i + 1 == n ? std::string(last) : ", ") + std::string(names[i].name);
  }
  return text;
}

// What the magic entry gives, without its chance.
std::string MagicWords(const MagicEntry& m, std::string_view separator) {
  switch (m.kind) {
    case Magic::Items: {
      std::string text = m.any > 0 ? Counted(m.any, kAnyMagicItemNoun) : "";
      if (m.noWeapons > 0) {
        text += (text.empty() ? "" : ", then ") + Counted(m.noWeapons, kNoWeaponsNoun);
      }
      if (m.potions || m.scrolls) {
        text += ", then ";
        text += m.potions ? kPotionNoun.one : "";
        text += m.potions && m.scrolls ? " and " : "";
        text += m.scrolls ? kScrollNoun.one : "";
      }
      return text;
    }
    case Magic::OneWeaponLike:
      return "a " + Listed(kOneWeaponLike, " or ");
    case Magic::PotionBatch:
      return Range(m.die, m.base, separator) + " " + std::string(kPotionNoun.many);
    case Magic::ScrollBatch:
      return Range(m.die, m.base, separator) + " " + std::string(kScrollNoun.many);
    case Magic::SixFamilies:
      return std::string(kRoundWords[static_cast<std::size_t>(m.rounds)]) + " " +
             Listed(kSixFamilies, " and ");
    case Magic::Map:
      return std::string(kMapWords);
    case Magic::MiscThenPotion:
      return std::string(kMiscItemWords) + ", then " + std::string(kPotionNoun.one);
    case Magic::None:
      break;
  }
  return {};
}

}  // namespace

std::string TreasureTypeText(char letter, std::string_view separator) {
  const auto index = static_cast<std::size_t>(letter - 'A');
  const Recipe& r = kRecipes[index];
  std::string text = std::string(1, letter) + (index < kLairTypes ? ", lair: " : ", individual: ");
  std::string coins;
  for (std::size_t metal = 0; metal < r.coins.size(); ++metal) {
    if (r.coins[metal].die > 0) {
      coins += (coins.empty() ? "" : ", ") + Amount(kMetalNames[metal], r.coins[metal], separator);
    }
  }
  // The groups, apart by "; ": coins, gems, jewelry, magic items.
  std::string groups[] = {coins, "", "", ""};
  if (r.gems.die > 0) {
    groups[1] = Amount("gems", r.gems, separator);
  }
  if (r.jewelry.die > 0) {
    groups[2] = Amount("jewelry", r.jewelry, separator, r.sharedGemRoll ? ", only with gems" : "");
  }
  if (r.magic.kind != Magic::None) {
    groups[3] = MagicWords(r.magic, separator) + " " + Chance(r.magic.percent);
  }
  bool first = true;
  for (const std::string& group : groups) {
    if (!group.empty()) {
      text += (first ? "" : "; ") + group;
      first = false;
    }
  }
  return text;
}

std::vector<std::string> TreasureTypeTexts(std::string_view separator) {
  std::vector<std::string> lines;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    lines.push_back(TreasureTypeText(letter, separator));
  }
  return lines;
}

}  // namespace vorneth
