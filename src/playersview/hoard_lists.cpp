#include "playersview/hoard_lists.h"

#include <utility>

#include "generator/table_items.h"
#include "playersview/players_view.h"

namespace vorneth {

Hoard AssembleHoard(const HoardRequest& request, RandomSource& random, std::string_view separator) {
  Hoard hoard;
  hoard.Caption = HoardCaption(request.Title);
  DMLines dm = AssembleDMList(request, random, separator);
  hoard.DMList = std::move(dm.lines);
  hoard.DMOrigins = std::move(dm.origins);
  hoard.PlayersList = playersview::ParsePlayers(hoard.DMList);
  return hoard;
}

void AssembleHoard(const HoardRequest& request, RandomSource& random, std::string_view separator,
                   Hoard& hoard, const tables::HoardTables* tables) {
  const std::uint32_t seed = random.Seed();
  hoard.Caption = HoardCaption(request.Title);
  DMLines dm{std::move(hoard.DMList), std::move(hoard.DMOrigins)};
  AssembleDMList(request, random, separator, dm);
  hoard.TablePlayers.clear();
  if (tables != nullptr && !tables->empty()) {
    DrawTableItems(dm, *tables, seed, hoard.TablePlayers);
  }
  hoard.DMList = std::move(dm.lines);
  hoard.DMOrigins = std::move(dm.origins);
  playersview::ParsePlayers(hoard.DMList, hoard.DMOrigins, hoard.TablePlayers, hoard.PlayersList);
}

Hoard GenerateHoard(const HoardRequest& request, std::string_view separator) {
  RandomSource random(request.Seed);
  return AssembleHoard(request, random, separator);
}

void GenerateHoard(const HoardRequest& request, std::string_view separator, Hoard& hoard,
                   const tables::HoardTables* tables) {
  RandomSource random(request.Seed);
  AssembleHoard(request, random, separator, hoard, tables);
}

}  // namespace vorneth
