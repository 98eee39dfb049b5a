#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/hoard_request.h"
#include "core/line_list.h"
#include "core/line_origin.h"
#include "core/random_source.h"

namespace vorneth {

// One generated hoard: the window caption, the DM list and the players list derived from it.
struct Hoard {
  std::string Caption;
  LineList DMList;
  LineList PlayersList;
  // Where each DM line came from, as generated; empty for a list edited or read back.
  std::vector<LineOrigin> DMOrigins = {};
  // For a hoard drawn with a game master's tables, one entry per DM line: the players' text of
  // a line drawn from such a table (empty when its row gives none), nothing for every other
  // line. Empty for a hoard of the built-in tables alone.
  std::vector<std::optional<std::string>> TablePlayers = {};
};

// A DM list as generated and the origin of each of its lines. The whole hoard, with the players
// list derived from this one, is made a layer up: playersview/hoard_lists.h.
struct DMLines {
  LineList lines;
  std::vector<LineOrigin> origins;
};

// "Vorneth - " followed by the title exactly as typed, or "Vorneth" when the title holds
// nothing but blanks and control characters. An untitled hoard never shows another's title.
std::string HoardCaption(std::string_view title);

// The DM list alone, drawn from the random source as it stands, in the order AssembleHoard
// (playersview/hoard_lists.h) describes.
DMLines AssembleDMList(const HoardRequest& request, RandomSource& random,
                       std::string_view separator);

// The same list written into `dm`, which keeps its storage from one list to the next: for callers
// that generate many lists in a row.
void AssembleDMList(const HoardRequest& request, RandomSource& random, std::string_view separator,
                    DMLines& dm);

}  // namespace vorneth
