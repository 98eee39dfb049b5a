#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/line_list.h"
#include "core/line_origin.h"

namespace vorneth::playersview {

// The players' list of a hoard: every DM line rewritten to what the players see, continuation
// lines of many-spell scrolls (" plus ") left out. Pure text work; no roll is made.
LineList ParsePlayers(const LineList& dmLines);

// The same list written into `players`, which keeps its storage from one list to the next.
void ParsePlayers(const LineList& dmLines, LineList& players);

// What the players see of an item drawn from a game master's table whose row gives no players'
// text: the outward word of its family.
inline constexpr std::array<std::string_view, kFamilyCount + 1> kFamilyOutward = {
    "", "Potion", "Scroll", "Ring", "Wand", "Wondrous Item", "Armour", "Sword", "Weapon"};

// The players' line of an item drawn from a game master's table: the players' text its row gives
// (`given`); else, when the line names an item of an outward form the players' view knows
// ("Potion", "Bag", "Book"), that form, as for any hoard's line; else the family's outward word.
// Never the game master's text itself, unless the row says so.
std::string TableItemPlayersLine(std::string_view dmLine, Family family, std::string_view given);

// The players' list of a hoard drawn with a game master's tables: each line drawn from one
// (`tablePlayers` as Hoard::TablePlayers holds them) by TableItemPlayersLine, every other as
// ParsePlayers rewrites it.
void ParsePlayers(const LineList& dmLines, std::span<const LineOrigin> origins,
                  std::span<const std::optional<std::string>> tablePlayers, LineList& players);

// The three rewrites ParsePlayers applies to each kept line, in this order.
void ParseSubs(std::string& line);   // an item's outward form replaces the whole line
void ParseTrunc(std::string& line);  // cut what reveals the item's nature
void ParseGems(std::string& line);   // a gem lot shows the stones' appearance

}  // namespace vorneth::playersview
