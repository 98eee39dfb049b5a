#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/line_origin.h"

namespace vorneth {

// The seed the request form always shows; every generation starts from it.
inline constexpr std::uint32_t kDefaultSeed = 14737260;

// The largest value of each number of a request. The request form's boxes admit as many digits
// as these have, and the command line checks its arguments against them.
inline constexpr int kMaxTypeCount = 99;
inline constexpr long long kMaxCustCoins = 99999999;
inline constexpr int kMaxCustGems = 9999;
inline constexpr int kMaxCustJewelry = 9999;
inline constexpr int kMaxCustMagic = 999;

// Types A to I are the lair treasures, J to Z the individual ones: the request form's groups.
inline constexpr std::size_t kLairTypes = 9;

// The number of decimal digits of `max`: the length of a box that holds 0 to max.
constexpr int DigitCount(long long max) {
  int digits = 1;
  for (; max >= 10; max /= 10) {
    ++digits;
  }
  return digits;
}

// A game master's table file drawn from in place of a family's built-in tables: the family and
// the file's name (without its folder), as exports name it.
struct TableChoice {
  Family family = Family::None;
  std::string file;

  bool operator==(const TableChoice&) const = default;
};

// What the game master asked for. Counts of 0 (or less) mean "absent".
struct HoardRequest {
  std::array<int, 26> TypeCount{};  // treasure types "A" to "Z", 0 to kMaxTypeCount each
  bool InLair = true;               // acts on the request form only
  long long CustCoins = 0;          // 0 to kMaxCustCoins gold pieces
  int CustGems = 0;                 // 0 to kMaxCustGems
  int CustJewelry = 0;              // 0 to kMaxCustJewelry
  int CustMagic = 0;                // 0 to kMaxCustMagic
  std::string Title;                // as typed
  std::uint32_t Seed = kDefaultSeed;
  std::vector<TableChoice> Tables;  // by family, in Family's order; empty for the built-in tables

  int& Count(char letter) { return TypeCount[static_cast<std::size_t>(letter - 'A')]; }
  int Count(char letter) const { return TypeCount[static_cast<std::size_t>(letter - 'A')]; }
};

}  // namespace vorneth
