#include "core/number_text.h"

namespace vorneth {

std::string NumberText(long long n, std::string_view separator) {
  unsigned long long magnitude =
      n < 0 ? 0ull - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
  const std::string digits = std::to_string(magnitude);
  std::string text;
  text.reserve(digits.size() + (digits.size() / 3) * separator.size() + 1);
  if (n < 0) {
    text += '-';
  }
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) {
      text += separator;
    }
    text += digits[i];
  }
  return text;
}

}  // namespace vorneth
