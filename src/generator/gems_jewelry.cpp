#include "generator/gems_jewelry.h"

#include "generator/generator.h"

namespace vorneth {

namespace {

constexpr std::string_view kBand1[] = {"Azurite",  "Banded Agate",  "Blue Quartz", "Eye Agate",
                                       "Hematite", "Lapis Lazuli",  "Malachite",   "Moss Agate",
                                       "Obsidian", "Rhodochrosite", "Tiger Eye",   "Turquoise"};
constexpr std::string_view kBand2[] = {
    "Bloodstone",   "Carnelian",        "Chalcedony", "Chrysoprase",  "Citrine",
    "Jasper",       "Moonstone",        "Onyx",       "Rock Crystal", "Sardonyx",
    "Smoky Quartz", "Star Rose Quartz", "Zircon"};
constexpr std::string_view kBand3[] = {
    "Amber", "Alexandrite", "Amethyst",     "Chrysoberyl",        "Coral",     "Garnet, Red",
    "Jade",  "Jet",         "Pearl, White", "Spinel, Deep Green", "Tourmaline"};
constexpr std::string_view kBand4[] = {"Aquamarine", "Garnet, Violet",    "Pearl, Black",
                                       "Peridot",    "Spinel, Deep Blue", "Topaz"};
constexpr std::string_view kBand5[] = {"Black Opal", "Emerald",           "Fire Opal",
                                       "Opal",       "Oriental Amethyst", "Oriental Topaz",
                                       "Sapphire",   "Star Ruby",         "Star Sapphire"};
constexpr std::string_view kBand6[] = {"Black Sapphire", "Diamond", "Jacinth", "Oriental Emerald",
                                       "Ruby"};

// Upper bound of the band roll (Roll(101), 0 counted as 100) for bands 1 to 6.
constexpr int kBandUpTo[] = {25, 50, 70, 90, 99, 100};

struct Material {
  int upTo;  // the material roll selects the first material whose bound it does not exceed
  std::string_view name;
};

struct JewelryRow {
  int upTo;  // upper bound of the row roll (Roll(101), 0 counted as 100)
  int valueDie;
  int valueBase;
  int materialDie;  // 0: the row's one material needs no roll
  std::array<Material, 3> materials;
};

constexpr JewelryRow kJewelry[] = {
    {10, 901, 100, 11, {{{4, "Ivory"}, {10, "Wrought Silver"}}}},
    {20, 1001, 200, 0, {{{0, "Wrought Silver and Gold"}}}},
    {40, 1501, 300, 0, {{{0, "Wrought Gold"}}}},
    {50, 2501, 500, 13, {{{3, "Wrought Platinum"}, {7, "Jade"}, {12, "Coral"}}}},
    {70, 5001, 1000, 0, {{{0, "Silver with Gems"}}}},
    {90, 6001, 2000, 0, {{{0, "Gold with Gems"}}}},
    {100, 10001, 2000, 0, {{{0, "Platinum with Gems"}}}},
};

// Both tables give the roll 0 to their last row, the same row as 100.
int BandOrRowRoll(Generator& g) {
  const int roll = g.Roll(101);
  return roll == 0 ? 100 : roll;
}

std::string LotText(std::string_view name, long long total, const Generator& g) {
  std::string text = "(";
  text += name;
  text += ' ';
  text += g.NumberText(total);
  text += " gp)";
  return text;
}

}  // namespace

const std::array<GemBand, 6>& GemBands() {
  static const std::array<GemBand, 6> bands = {
      {{10, kBand1}, {50, kBand2}, {100, kBand3}, {500, kBand4}, {1000, kBand5}, {5000, kBand6}}};
  return bands;
}

std::string GemLotText(Generator& g, long long n) {
  const int bandRoll = BandOrRowRoll(g);
  std::size_t band = 0;
  while (bandRoll > kBandUpTo[band]) {
    ++band;
  }
  const GemBand& gems = GemBands()[band];
  const int count = static_cast<int>(gems.names.size());
  // Outcomes 1 to K-1 name the stones in order; 0 and K both name the last one.
  const int nameRoll = g.Roll(count + 1);
  const std::size_t index = (nameRoll == 0 || nameRoll == count)
                                ? gems.names.size() - 1
                                : static_cast<std::size_t>(nameRoll - 1);
  return LotText(gems.names[index], n * gems.valuePerGem, g);
}

std::string JewelryLotText(Generator& g, long long n) {
  const int rowRoll = BandOrRowRoll(g);
  const JewelryRow* row = kJewelry;
  while (rowRoll > row->upTo) {
    ++row;
  }
  const int value = g.Roll(row->valueDie) + row->valueBase;
  std::string_view material = row->materials[0].name;
  if (row->materialDie > 0) {
    const int materialRoll = g.Roll(row->materialDie);
    for (const Material& m : row->materials) {
      if (materialRoll <= m.upTo) {
        material = m.name;
        break;
      }
    }
  }
  return LotText(material, n * value, g);
}

}  // namespace vorneth
