#include "generator/treasure_types.h"

#include <array>
#include <string>
#include <string_view>

#include "core/generator.h"
#include "core/line_forms.h"
#include "generator/gems_jewelry.h"
#include "generator/magic_selection.h"
#include "generator/treasure_recipes.h"

namespace vorneth {

namespace {

using namespace recipes;

using Operation = void (*)(Generator&);

bool Present(Generator& g, const Component& c) {
  return c.die > 0 && (c.percent == kAlways || g.PercentRoll(c.percent));
}

void AddGems(Generator& g, const Component& c) {
  const int n = g.Roll(c.die) + c.base;
  AddGemLotLine(g, n);
}

void AddJewelry(Generator& g, const Component& c) {
  const int n = g.Roll(c.die) + c.base;
  AddJewelryLotLine(g, n);
}

void Repeat(Generator& g, int times, Operation call) {
  for (int i = 0; i < times; ++i) {
    call(g);
  }
}

void AddMagic(Generator& g, const MagicEntry& m) {
  if (m.kind == Magic::None || !g.PercentRoll(m.percent)) {
    return;
  }
  switch (m.kind) {
    case Magic::Items:
      Repeat(g, m.any, AnyMagicItem);
      Repeat(g, m.noWeapons, NoWeapons);
      if (m.potions) {
        Potions(g);
      }
      if (m.scrolls) {
        Scrolls(g);
      }
      break;
    case Magic::OneWeaponLike:
      kOneWeaponLike[g.Roll(3)].call(g);
      break;
    case Magic::PotionBatch:
      Repeat(g, g.Roll(m.die) + m.base, Potions);
      break;
    case Magic::ScrollBatch:
      Repeat(g, g.Roll(m.die) + m.base, Scrolls);
      break;
    case Magic::SixFamilies:
      for (int round = 0; round < m.rounds; ++round) {
        for (const FamilyCall& family : kSixFamilies) {
          family.call(g);
        }
      }
      break;
    case Magic::Map:
      g.AddLine(kMapLine);
      break;
    case Magic::MiscThenPotion:
      MiscOneToFive(g);
      Potions(g);
      break;
    case Magic::None:
      break;
  }
}

void RollRecipe(Generator& g, const Recipe& r) {
  for (std::size_t metal = 0; metal < r.coins.size(); ++metal) {
    const Component& c = r.coins[metal];
    if (Present(g, c)) {
      const int amount = g.Roll(c.die) + c.base;
      std::string& line = g.NewLine();
      g.AppendNumberText(line, amount);
      line += kCoinSuffixes[metal];
    }
  }
  if (r.sharedGemRoll) {
    const int roll = g.Roll(101);
    if (roll < r.gems.percent) {
      AddGems(g, r.gems);
    }
    if (roll < r.jewelry.percent) {
      AddJewelry(g, r.jewelry);
    }
  } else {
    if (Present(g, r.gems)) {
      AddGems(g, r.gems);
    }
    if (Present(g, r.jewelry)) {
      AddJewelry(g, r.jewelry);
    }
  }
  AddMagic(g, r.magic);
}

}  // namespace

void DoType(Generator& g, char letter, int count) {
  if (letter < 'A' || letter > 'Z') {
    return;
  }
  const Recipe& recipe = kRecipes[static_cast<std::size_t>(letter - 'A')];
  for (int i = 0; i < count; ++i) {
    RollRecipe(g, recipe);
  }
}

}  // namespace vorneth
