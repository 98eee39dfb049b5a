#include "core/number_text.h"

#include <charconv>
#include <cstddef>

namespace vorneth {

std::string NumberText(long long n, std::string_view separator) {
  std::string text;
  AppendNumberText(text, n, separator);
  return text;
}

void AppendNumberText(std::string& text, long long n, std::string_view separator) {
  const unsigned long long magnitude =
      n < 0 ? 0ull - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
  char digits[20];  // 2^64 has 20 digits
  const std::size_t count = static_cast<std::size_t>(
      std::to_chars(digits, digits + sizeof digits, magnitude).ptr - digits);
  text.reserve(text.size() + count + (count / 3) * separator.size() + 1);
  if (n < 0) {
    text += '-';
  }
  // The first group holds 1 to 3 digits, every further group 3.
  std::size_t group = count % 3 == 0 ? 3 : count % 3;
  text.append(digits, group);
  for (std::size_t i = group; i < count; i += 3) {
    text += separator;
    text.append(digits + i, 3);
  }
}

}  // namespace vorneth
