#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorneth {

// What treasure type `letter` ("A" to "Z") can give, in one line of plain English read from its
// recipe: the letter, whether it is a lair or an individual treasure, then each coin metal, the
// gems, the jewelry and the magic items with their amounts (`separator` between thousands) and
// the true chance of each: "J, individual: copper 3-23 (always)".
std::string TreasureTypeText(char letter, std::string_view separator);

// The lines of the types A to Z, in order.
std::vector<std::string> TreasureTypeTexts(std::string_view separator);

}  // namespace vorneth
