#include <vector>

#include "items/armour.h"
#include "items/misc.h"
#include "items/misc_further.h"
#include "items/potions.h"
#include "items/rings.h"
#include "items/scrolls.h"
#include "items/swords.h"
#include "items/table.h"
#include "items/wands.h"
#include "items/weapons.h"

namespace vorneth::items {

std::span<const Table* const> AllTables() {
  static const std::vector<const Table*> all = [] {
    std::vector<const Table*> tables;
    for (auto family : {PotionTables(), ScrollTables(), RingTables(), WandTables(), MiscTables(),
                        MiscFurtherTables(), ArmourTables(), SwordTables(), WeaponTables()}) {
      tables.insert(tables.end(), family.begin(), family.end());
    }
    return tables;
  }();
  return all;
}

}  // namespace vorneth::items
