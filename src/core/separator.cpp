#include "core/separator.h"

#include <array>
#include <utility>

#include "core/utf8.h"

namespace vorneth {

namespace {

// Code points that print nothing of their own: controls (C0, DEL, C1), combining marks, and the
// invisible format, line and paragraph characters.
constexpr std::array<std::pair<char32_t, char32_t>, 11> kUnprintable = {{
    {0x0000, 0x001F},
    {0x007F, 0x009F},
    {0x0300, 0x036F},
    {0x00AD, 0x00AD},
    {0x200B, 0x200F},
    {0x2028, 0x202E},
    {0x2060, 0x206F},
    {0x20D0, 0x20FF},
    {0xFE20, 0xFE2F},
    {0xFEFF, 0xFEFF},
    {0xFFF9, 0xFFFF},
}};

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
  if (step.codePoint >= U'0' && step.codePoint <= U'9') {
    return "must not be a digit";
  }
  for (const auto& [first, last] : kUnprintable) {
    if (step.codePoint >= first && step.codePoint <= last) {
      return "must be a printable character";
    }
  }
  return {};
}

}  // namespace vorneth
