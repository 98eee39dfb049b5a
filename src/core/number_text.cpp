#include "core/number_text.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <iterator>

namespace vorneth {

std::string NumberText(long long n, std::string_view separator) {
  std::string text;
  AppendNumberText(text, n, separator);
  return text;
}

namespace {

// The three digits of each number from 0 to 999, "000" to "999": a group is written in one
// lookup instead of three divisions.
constexpr std::array<std::array<char, 3>, 1000> kGroupDigits = [] {
  std::array<std::array<char, 3>, 1000> digits{};
  for (std::size_t n = 0; n < digits.size(); ++n) {
    digits[n] = {static_cast<char>('0' + n / 100), static_cast<char>('0' + n / 10 % 10),
                 static_cast<char>('0' + n % 10)};
  }
  return digits;
}();

// The most a number's text holds besides its separators: a sign and 7 groups (2^64 has 20
// digits), with 6 separators between them.
constexpr std::size_t kMostDigitsAndSign = 1 + 7 * 3;
constexpr std::size_t kMostSeparators = 6;

// Writes the text of `n` so that it ends at `end`, from the right, group by group; returns where
// it begins. The pieces are a few bytes each, copied by hand: a call into the C library for
// each would cost more than the copy.
char* WriteEndingAt(char* end, long long n, std::string_view separator) {
  unsigned long long magnitude =
      n < 0 ? 0ull - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
  char* first = end;
  for (; magnitude >= 1000; magnitude /= 1000) {
    first -= 3;
    std::memcpy(first, kGroupDigits[static_cast<std::size_t>(magnitude % 1000)].data(), 3);
    for (std::size_t k = separator.size(); k > 0; --k) {
      *--first = separator[k - 1];
    }
  }
  // The first group without its leading zeros.
  const char* group = kGroupDigits[static_cast<std::size_t>(magnitude)].data();
  *--first = group[2];
  if (magnitude >= 10) {
    *--first = group[1];
  }
  if (magnitude >= 100) {
    *--first = group[0];
  }
  if (n < 0) {
    *--first = '-';
  }
  return first;
}

}  // namespace

void AppendNumberText(std::string& text, long long n, std::string_view separator) {
  // The text in a buffer, then one append. A separator is one character, at most 4 bytes in
  // UTF-8; a longer one takes a buffer of its own size.
  constexpr std::size_t kSeparatorBytes = 4;
  if (separator.size() <= kSeparatorBytes) {
    char buffer[kMostDigitsAndSign + kMostSeparators * kSeparatorBytes];
    char* const end = std::end(buffer);
    const char* first = WriteEndingAt(end, n, separator);
    text.append(first, static_cast<std::size_t>(end - first));
    return;
  }
  std::string buffer(kMostDigitsAndSign + kMostSeparators * separator.size(), '\0');
  char* const end = buffer.data() + buffer.size();
  const char* first = WriteEndingAt(end, n, separator);
  text.append(first, static_cast<std::size_t>(end - first));
}

std::string FixedText(double value, int decimals) {
  std::array<char, 64> text{};
  const auto end = std::to_chars(text.data(), text.data() + text.size(), value,
                                 std::chars_format::fixed, decimals)
                       .ptr;
  return std::string(text.data(), end);
}

std::string PercentText(double share) {
  return FixedText(share * 100, 1) + "%";
}

}  // namespace vorneth
