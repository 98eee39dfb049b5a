#include "core/number_text.h"

#include <charconv>
#include <cstddef>
#include <cstring>

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
  // The whole text in one buffer, then one append: a sign, 7 groups and 6 separators of one
  // character (at most 4 bytes in UTF-8) fit; a longer separator is appended piece by piece.
  char buffer[1 + 20 + 6 * 4];
  const bool buffered = separator.size() <= 4;
  std::size_t used = 0;
  const auto put = [&](const char* from, std::size_t size) {
    if (buffered) {
      std::memcpy(buffer + used, from, size);
      used += size;
    } else {
      text.append(from, size);
    }
  };
  if (n < 0) {
    put("-", 1);
  }
  // The first group holds 1 to 3 digits, every further group 3.
  const std::size_t first = count % 3 == 0 ? 3 : count % 3;
  put(digits, first);
  for (std::size_t i = first; i < count; i += 3) {
    put(separator.data(), separator.size());
    put(digits + i, 3);
  }
  if (buffered) {
    text.append(buffer, used);
  }
}

}  // namespace vorneth
