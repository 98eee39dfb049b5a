#include "tables/die.h"

#include <charconv>

namespace vorneth::tables {

namespace {

// A whole number of at most seven digits filling `digits`, or nothing.
std::optional<int> SmallNumber(std::string_view digits) {
  int value = 0;
  if (digits.empty() || digits.size() > 7 ||
      std::from_chars(digits.data(), digits.data() + digits.size(), value).ptr !=
          digits.data() + digits.size()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<Die> ParseDie(std::string_view formula) {
  const std::size_t first = formula.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return std::nullopt;
  }
  formula = formula.substr(first, formula.find_last_not_of(" \t") + 1 - first);
  const std::size_t d = formula.find_first_of("dD");
  if (d == std::string_view::npos) {
    return std::nullopt;
  }
  const std::optional<int> count = d == 0 ? 1 : SmallNumber(formula.substr(0, d));
  const std::optional<int> sides = SmallNumber(formula.substr(d + 1));
  if (!count || !sides || *count < 1 || *count > kMostDice || *sides < 1 ||
      *sides > kMostFaces / *count) {
    return std::nullopt;
  }
  return Die{*count, *sides};
}

std::string DieText(const Die& die) {
  return (die.count == 1 ? "" : std::to_string(die.count)) + "d" + std::to_string(die.sides);
}

int RollDie(const Die& die, RandomSource& random) {
  int total = 0;
  for (int i = 0; i < die.count; ++i) {
    total += random.Roll(die.sides) + 1;
  }
  return total;
}

}  // namespace vorneth::tables
