#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace vorneth {

class Generator;

// The band roll of a gem lot and the row roll of a jewelry lot are Roll(101) with 0 counted as
// 100: outcomes 1 to 100, the last band or row holding 0 and 100 alike.

// One value band of the gem table: the band roll's upper bound, the value of each stone and the
// band's names in order.
struct GemBand {
  int hi;
  int valuePerGem;
  std::span<const std::string_view> names;
};

// Bands 1 to 6 (index 0 to 5), from 10 gp to 5,000 gp a stone.
const std::array<GemBand, 6>& GemBands();

// A material of a jewelry row: the material roll's outcomes (from 0) up to `hi` choose it.
struct JewelryMaterial {
  int hi;
  std::string_view name;
};

// One row of the jewelry table: the row roll's upper bound, each item's value
// Roll(valueDie) + valueBase, and its material: the only one, or by Roll(materialDie).
struct JewelryRow {
  int hi;
  int valueDie;
  int valueBase;
  int materialDie;  // 0: the row's one material needs no roll
  std::span<const JewelryMaterial> materials;
};

std::span<const JewelryRow> JewelryRows();

// "(" name " " total " gp)" for a lot of n gems: a band roll, then a name roll.
std::string GemLotText(Generator& g, long long n);

// "(" material " " total " gp)" for a lot of n jewelry items: a row roll, a value roll, and for
// two rows a material roll. All items of the lot share one material and one value.
std::string JewelryLotText(Generator& g, long long n);

// Adds the whole line of a lot, with the same rolls: NumberText(n) + " Gems " + GemLotText(g, n),
// and NumberText(n) + " Jewelry Items " + JewelryLotText(g, n).
void AddGemLotLine(Generator& g, long long n);
void AddJewelryLotLine(Generator& g, long long n);

}  // namespace vorneth
