#include "generator/assembly.h"

#include <utility>

#include "core/generator.h"
#include "core/line_forms.h"
#include "generator/gems_jewelry.h"
#include "generator/magic_selection.h"
#include "generator/treasure_types.h"
#include "playersview/players_view.h"

namespace vorneth {

namespace {

bool IsBlankOrControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= 0x20 || byte == 0x7F;
}

}  // namespace

std::string HoardCaption(std::string_view title) {
  for (char c : title) {
    if (!IsBlankOrControl(c)) {
      return "Vorneth - " + std::string(title);
    }
  }
  return "Vorneth";
}

DMLines AssembleDMList(const HoardRequest& request, RandomSource& random,
                       std::string_view separator) {
  Generator g(random, std::string(separator));
  for (int i = 0; i < request.CustMagic; ++i) {
    AnyMagicItem(g);
  }
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (request.Count(letter) > 0) {
      DoType(g, letter, request.Count(letter));
    }
  }
  if (request.CustCoins > 0) {
    g.AddLine(g.NumberText(request.CustCoins) + " Gold coins");
  }
  if (request.CustGems > 0) {
    g.AddLine(GemLotLine(g, request.CustGems));
  }
  if (request.CustJewelry > 0) {
    g.AddLine(JewelryLotLine(g, request.CustJewelry));
  }
  if (g.Lines().empty()) {
    g.AddLine(std::string(kNothingFound));
  }

  return {g.TakeLines(), g.TakeOrigins()};
}

Hoard AssembleHoard(const HoardRequest& request, RandomSource& random, std::string_view separator) {
  Hoard hoard;
  hoard.Caption = HoardCaption(request.Title);
  DMLines dm = AssembleDMList(request, random, separator);
  hoard.DMList = std::move(dm.lines);
  hoard.DMOrigins = std::move(dm.origins);
  hoard.PlayersList = playersview::ParsePlayers(hoard.DMList);
  return hoard;
}

Hoard GenerateHoard(const HoardRequest& request, std::string_view separator) {
  RandomSource random(request.Seed);
  return AssembleHoard(request, random, separator);
}

}  // namespace vorneth
