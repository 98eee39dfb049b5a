#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "worth/worth.h"

namespace vorneth::worth {

// The worth in one line, as the report window shows it: "Worth 12,345 gp", followed by
// " + 5 magic items (27,500 gp)" when there are magic items (the listed prices of those priced),
// then CoinWeightNote.
std::string WorthLine(const Totals& totals, std::string_view separator);

// ", coins 487.4 lb": what the coins weigh, as a line of worth ends; empty when there are none.
std::string CoinWeightNote(const Totals& totals, std::string_view separator);

// The worth broken down, one line per total: coins by metal, coins in gold pieces, the coins'
// weight, gems, jewelry, magic items (priced and unpriced), maps, the treasure and the total.
LineList WorthBreakdown(const Totals& totals, std::string_view separator);

}  // namespace vorneth::worth
