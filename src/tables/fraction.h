#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vorneth::tables {

// An exact chance: num/den in lowest terms, 64 bits each.
struct Fraction {
  std::uint64_t num = 0;
  std::uint64_t den = 1;

  bool operator==(const Fraction&) const = default;
};

// num/den (den above 0) in lowest terms.
Fraction Lowest(std::uint64_t num, std::uint64_t den);

// a × b and a + b in lowest terms; nothing when the result outgrows 64 bits.
std::optional<Fraction> Times(Fraction a, Fraction b);
std::optional<Fraction> Plus(Fraction a, Fraction b);

// "3/20"; "1/1" for a certainty.
std::string FractionText(Fraction chance);

// The chance of at most 1 as a percentage with up to four decimals, rounded half up: "15%",
// "33.3333%"; "<0.0001%" for a chance that rounds to nothing.
std::string PercentText(Fraction chance);

}  // namespace vorneth::tables
