#include "core/separator.h"

#include <algorithm>
#include <iterator>

#include "core/unicode_ranges.h"
#include "core/utf8.h"

namespace vorneth {

namespace {

// Whether `c` lies in one of `ranges`, which are sorted and do not overlap.
template <std::size_t N>
bool InRanges(const unicode::CodeRange (&ranges)[N], char32_t c) {
  const auto* after = std::upper_bound(
      std::begin(ranges), std::end(ranges), c,
      [](char32_t code, const unicode::CodeRange& range) { return code < range.first; });
  return after != std::begin(ranges) && c <= std::prev(after)->last;
}

}  // namespace

std::string SeparatorProblem(std::string_view text) {
  if (text.empty()) {
    return {};
  }
  const Utf8Step step = DecodeUtf8(text);
  if (!step.valid) {
    return "is not well-formed UTF-8";
  }
  if (step.length != text.size()) {
    return "must be one character";
  }
  if (InRanges(unicode::kDecimalDigits, step.codePoint)) {
    return "must not be a digit";
  }
  if (InRanges(unicode::kUnprintable, step.codePoint)) {
    return "must be a printable character";
  }
  return {};
}

}  // namespace vorneth
