#include "tables/fraction.h"

#include <numeric>

namespace vorneth::tables {

namespace {

__extension__ using Wide = unsigned __int128;

constexpr std::uint64_t kPercentScale = 1000000;  // 100% with four decimals
constexpr std::uint64_t kDecimalScale = 10000;

}  // namespace

Fraction Lowest(std::uint64_t num, std::uint64_t den) {
  const std::uint64_t common = std::gcd(num, den);
  return {num / common, den / common};
}

std::optional<Fraction> Times(Fraction a, Fraction b) {
  const Fraction first = Lowest(a.num, b.den);
  const Fraction second = Lowest(b.num, a.den);
  Fraction product;
  if (__builtin_mul_overflow(first.num, second.num, &product.num) ||
      __builtin_mul_overflow(first.den, second.den, &product.den)) {
    return std::nullopt;
  }
  return product;
}

std::optional<Fraction> Plus(Fraction a, Fraction b) {
  const std::uint64_t common = std::gcd(a.den, b.den);
  std::uint64_t den = 0;
  std::uint64_t left = 0;
  std::uint64_t right = 0;
  std::uint64_t num = 0;
  if (__builtin_mul_overflow(a.den / common, b.den, &den) ||
      __builtin_mul_overflow(a.num, b.den / common, &left) ||
      __builtin_mul_overflow(b.num, a.den / common, &right) ||
      __builtin_add_overflow(left, right, &num)) {
    return std::nullopt;
  }
  return Lowest(num, den);
}

std::string FractionText(Fraction chance) {
  return std::to_string(chance.num) + "/" + std::to_string(chance.den);
}

std::string PercentText(Fraction chance) {
  const Wide den = chance.den;
  const auto scaled =
      static_cast<std::uint64_t>((Wide{chance.num} * kPercentScale * 2 + den) / (den * 2));
  if (scaled == 0 && chance.num != 0) {
    return "<0.0001%";
  }
  std::string text = std::to_string(scaled / kDecimalScale);
  if (std::uint64_t decimals = scaled % kDecimalScale; decimals != 0) {
    std::string digits = std::to_string(decimals + kDecimalScale).substr(1);
    digits.erase(digits.find_last_not_of('0') + 1);
    text += "." + digits;
  }
  return text + "%";
}

}  // namespace vorneth::tables
