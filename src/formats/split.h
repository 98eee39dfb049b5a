#pragma once

#include <string>
#include <vector>

#include "formats/hoard_record.h"

namespace vorneth::formats {

// How many characters a hoard may be divided among.
inline constexpr int kMinShares = 2;
inline constexpr int kMaxShares = 12;

// Divides a hoard among `shares` characters, each share a hoard of its own (same request and
// caption; its DM lines, the players list derived from them, their worth). Nothing is lost or
// invented: every coin, every piece of a lot and every item line goes to exactly one share.
// - Coins of each metal are divided evenly; the remainder one coin at a time to shares 1, 2, ...
// - A gem or jewelry lot is divided by pieces: evenly, then the remainder one piece at a time to
//   the share worth least so far; each share's part is a lot line of the same form.
// - Magic items stay whole: priced items, dearest first, go to the share worth least so far;
//   unpriced items and maps then to the share with the fewest items. A scroll's spell lines
//   stay with it. Every tie goes to the lowest-numbered share.
// - A share that gets nothing holds the one line "Nothing Found".
// Lines keep the order they had in the hoard; a metal's coins stand where its first line stood.
std::vector<HoardRecord> SplitHoard(const HoardRecord& record, int shares);

// "Share k of K, worth X gp, coins W lb", X the share's total worth and W its coins' weight (left
// out, with its comma, when the share has no coins).
std::string ShareHeading(int share, int shares, const HoardRecord& record);

}  // namespace vorneth::formats
