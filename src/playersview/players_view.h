#pragma once

#include <string>

#include "core/line_list.h"

namespace vorneth::playersview {

// The players' list of a hoard: every DM line rewritten to what the players see, continuation
// lines of many-spell scrolls (" plus ") left out. Pure text work; no roll is made.
LineList ParsePlayers(const LineList& dmLines);

// The same list written into `players`, which keeps its storage from one list to the next.
void ParsePlayers(const LineList& dmLines, LineList& players);

// The three rewrites ParsePlayers applies to each kept line, in this order.
void ParseSubs(std::string& line);   // an item's outward form replaces the whole line
void ParseTrunc(std::string& line);  // cut what reveals the item's nature
void ParseGems(std::string& line);   // a gem lot shows the stones' appearance

}  // namespace vorneth::playersview
