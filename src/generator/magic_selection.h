#pragma once

namespace vorneth {

class Generator;

// Category routers: one magic item of a family chosen by Roll(100) (any family) or Roll(75)
// (any family but swords and miscellaneous weapons).
void AnyMagicItem(Generator& g);
void NoWeapons(Generator& g);

// Family entry points: one Roll(100) chooses the family's table, which adds the item.
void Potions(Generator& g);
void Scrolls(Generator& g);
void Rings(Generator& g);
void Wands(Generator& g);  // rods, staves and wands
void Misc(Generator& g);
void Armour(Generator& g);
void Swords(Generator& g);
void Weapons(Generator& g);

}  // namespace vorneth
