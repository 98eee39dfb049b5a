#include "generator/gems_jewelry.h"

#include <string>

#include "core/generator.h"
#include "core/line_forms.h"
#include "core/range_lookup.h"

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

constexpr std::array<GemBand, 6> kBands = {{{25, 10, kBand1},
                                            {50, 50, kBand2},
                                            {70, 100, kBand3},
                                            {90, 500, kBand4},
                                            {99, 1000, kBand5},
                                            {100, 5000, kBand6}}};

constexpr JewelryMaterial kIvoryOrSilver[] = {{4, "Ivory"}, {10, "Wrought Silver"}};
constexpr JewelryMaterial kSilverAndGold[] = {{0, "Wrought Silver and Gold"}};
constexpr JewelryMaterial kGold[] = {{0, "Wrought Gold"}};
constexpr JewelryMaterial kPlatinumJadeOrCoral[] = {
    {3, "Wrought Platinum"}, {7, "Jade"}, {12, "Coral"}};
constexpr JewelryMaterial kSilverWithGems[] = {{0, "Silver with Gems"}};
constexpr JewelryMaterial kGoldWithGems[] = {{0, "Gold with Gems"}};
constexpr JewelryMaterial kPlatinumWithGems[] = {{0, "Platinum with Gems"}};

constexpr JewelryRow kJewelry[] = {
    {10, 901, 100, 11, kIvoryOrSilver},
    {20, 1001, 200, 0, kSilverAndGold},
    {40, 1501, 300, 0, kGold},
    {50, 2501, 500, 13, kPlatinumJadeOrCoral},
    {70, 5001, 1000, 0, kSilverWithGems},
    {90, 6001, 2000, 0, kGoldWithGems},
    {100, 10001, 2000, 0, kPlatinumWithGems},
};

// Roll(101), 0 counted as 100.
int BandOrRowRoll(Generator& g) {
  const int roll = g.Roll(101);
  return roll == 0 ? 100 : roll;
}

}  // namespace

const std::array<GemBand, 6>& GemBands() {
  return kBands;
}

std::span<const JewelryRow> JewelryRows() {
  return kJewelry;
}

namespace {

void AppendGemLot(Generator& g, std::string& text, long long n) {
  const GemBand& gems = EntryFor(GemBands(), BandOrRowRoll(g));
  const int count = static_cast<int>(gems.names.size());
  // Outcomes 1 to K-1 name the stones in order; 0 and K both name the last one.
  const int nameRoll = g.Roll(count + 1);
  const std::size_t index = (nameRoll == 0 || nameRoll == count)
                                ? gems.names.size() - 1
                                : static_cast<std::size_t>(nameRoll - 1);
  AppendLotBracket(text, gems.names[index], n * gems.valuePerGem, g.Separator());
}

void AppendJewelryLot(Generator& g, std::string& text, long long n) {
  const JewelryRow& row = EntryFor(kJewelry, BandOrRowRoll(g));
  const int value = g.Roll(row.valueDie) + row.valueBase;
  const int materialRoll = row.materialDie > 0 ? g.Roll(row.materialDie) : 0;
  AppendLotBracket(text, EntryFor(row.materials, materialRoll).name, n * value, g.Separator());
}

}  // namespace

std::string GemLotText(Generator& g, long long n) {
  std::string text;
  AppendGemLot(g, text, n);
  return text;
}

std::string JewelryLotText(Generator& g, long long n) {
  std::string text;
  AppendJewelryLot(g, text, n);
  return text;
}

namespace {

// The count, the lot's word and its bracket, written in the line in place. The lot's writer is
// a template argument: called through a pointer shared by gems and jewelry, the call's target
// would be guessed wrong whenever a hoard holds both.
template <void (*AppendLot)(Generator&, std::string&, long long)>
void AddLotLine(Generator& g, long long n, std::string_view word) {
  std::string& line = g.NewLine();
  g.AppendNumberText(line, n);
  line += word;
  AppendLot(g, line, n);
}

}  // namespace

void AddGemLotLine(Generator& g, long long n) {
  AddLotLine<AppendGemLot>(g, n, kGemsWord);
}

void AddJewelryLotLine(Generator& g, long long n) {
  AddLotLine<AppendJewelryLot>(g, n, kJewelryWord);
}

}  // namespace vorneth
