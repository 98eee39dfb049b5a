#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/random_source.h"

namespace vorneth::tables {

// The most dice a table rolls together, and the highest total they may show.
inline constexpr int kMostDice = 100;
inline constexpr int kMostFaces = 1000000;

// The roll a table is drawn with: `count` dice of `sides` faces each, added up ("NdM").
struct Die {
  int count = 1;
  int sides = 1;

  int Lowest() const { return count; }
  int Highest() const { return count * sides; }
  bool operator==(const Die&) const = default;
};

// The formulas ParseDie takes, in words for messages.
inline constexpr std::string_view kDieForms = "NdM, such as d20, 1d100 or 2d6";

// "NdM" or "dM", the d in either case and blanks around ignored: N from 1 to kMostDice (1 when
// left out), M at least 1, and N × M at most kMostFaces. Nothing for any other formula.
std::optional<Die> ParseDie(std::string_view formula);

// The die as a formula: "d20" for one die, "2d6" for more.
std::string DieText(const Die& die);

// A roll of the die: Roll(sides) + 1 for each of its dice in turn, added up.
int RollDie(const Die& die, RandomSource& random);

}  // namespace vorneth::tables
