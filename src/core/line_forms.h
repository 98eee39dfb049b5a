#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/number_text.h"

namespace vorneth {

// The forms of the lines of a DM list: written by the generator, read by the valuation, and
// written again when a hoard is divided among a party.

// After the amount of a coin line, by metal: copper, silver, electrum, gold, platinum.
inline constexpr std::array<std::string_view, 5> kCoinSuffixes = {
    " Copper coins", " Silver coins", " Electrum coins", " Gold coins", " Platinum coins"};
// The metals' names in the same order, as scripts read them and as a description says them.
inline constexpr std::array<std::string_view, 5> kMetalNames = {"copper", "silver", "electrum",
                                                                "gold", "platinum"};
// After the count of a lot, before its bracket.
inline constexpr std::string_view kGemsWord = " Gems ";
inline constexpr std::string_view kJewelryWord = " Jewelry Items ";
inline constexpr std::string_view kMapLine = "A Map";
inline constexpr std::string_view kNothingFound = "Nothing Found";
// The start of each further spell line of a scroll, below the line that names the scroll.
inline constexpr std::string_view kScrollSpellStart = " plus ";
// The start of the line that names a spell scroll.
inline constexpr std::string_view kSpellScrollStart = "Scroll with ";

// "(" name " " total " gp)": the bracket of a gem or jewelry lot, appended to `text`.
inline void AppendLotBracket(std::string& text, std::string_view name, long long total,
                             std::string_view separator) {
  text += '(';
  text += name;
  text += ' ';
  AppendNumberText(text, total, separator);
  text += " gp)";
}

inline std::string LotBracket(std::string_view name, long long total, std::string_view separator) {
  std::string text;
  AppendLotBracket(text, name, total, separator);
  return text;
}

}  // namespace vorneth
