#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace vorneth {

class Generator;

// One value band of the gem table: the value of each stone and the band's names in order.
struct GemBand {
  int valuePerGem;
  std::span<const std::string_view> names;
};

// Bands 1 to 6 (index 0 to 5), from 10 gp to 5,000 gp a stone.
const std::array<GemBand, 6>& GemBands();

// "(" name " " total " gp)" for a lot of n gems: a band roll, then a name roll.
std::string GemLotText(Generator& g, long long n);

// "(" material " " total " gp)" for a lot of n jewelry items: a row roll, a value roll, and for
// two rows a material roll. All items of the lot share one material and one value.
std::string JewelryLotText(Generator& g, long long n);

}  // namespace vorneth
