#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vorneth {

// The seed the request form always shows; every generation starts from it.
inline constexpr std::uint32_t kDefaultSeed = 14737260;

// What the game master asked for. Counts of 0 (or less) mean "absent".
struct HoardRequest {
  std::array<int, 26> TypeCount{};  // treasure types "A" to "Z", 0 to 99 each
  bool InLair = true;               // acts on the request form only
  long long CustCoins = 0;          // 0 to 99,999,999 gold pieces
  int CustGems = 0;                 // 0 to 9,999
  int CustJewelry = 0;              // 0 to 9,999
  int CustMagic = 0;                // 0 to 999
  std::string Title;                // as typed
  std::uint32_t Seed = kDefaultSeed;

  int& Count(char letter) { return TypeCount[static_cast<std::size_t>(letter - 'A')]; }
  int Count(char letter) const { return TypeCount[static_cast<std::size_t>(letter - 'A')]; }
};

}  // namespace vorneth
