#include "core/utf8.h"

namespace vorneth {

Utf8Step DecodeUtf8(std::string_view text) {
  const auto byteAt = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byteAt(0);
  if (lead < 0x80) {
    return {true, lead, 1};
  }
  // The lead byte gives the length and its payload bits; the first continuation byte's range
  // is narrowed where that rules out overlong forms (E0, F0), surrogates (ED) and code points
  // above U+10FFFF (F4). C0, C1 and F5 to FF never start a well-formed sequence.
  std::size_t length = 0;
  char32_t codePoint = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    codePoint = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    codePoint = lead & 0x0Fu;
    low = lead == 0xE0 ? 0xA0 : low;
    high = lead == 0xED ? 0x9F : high;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    codePoint = lead & 0x07u;
    low = lead == 0xF0 ? 0x90 : low;
    high = lead == 0xF4 ? 0x8F : high;
  } else {
    return {false, 0, 1};
  }
  for (std::size_t i = 1; i < length; ++i) {
    if (i >= text.size() || byteAt(i) < low || byteAt(i) > high) {
      return {false, 0, i};
    }
    codePoint = (codePoint << 6) | (byteAt(i) & 0x3Fu);
    low = 0x80;
    high = 0xBF;
  }
  return {true, codePoint, length};
}

bool IsWellFormedUtf8(std::string_view text) {
  while (!text.empty()) {
    // ASCII, most of any list, a byte at a time without decoding.
    if (static_cast<unsigned char>(text.front()) < 0x80) {
      text.remove_prefix(1);
      continue;
    }
    const Utf8Step step = DecodeUtf8(text);
    if (!step.valid) {
      return false;
    }
    text.remove_prefix(step.length);
  }
  return true;
}

std::string WellFormedUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const Utf8Step step = DecodeUtf8(text);
    out += step.valid ? text.substr(0, step.length) : kReplacementCharacter;
    text.remove_prefix(step.length);
  }
  return out;
}

}  // namespace vorneth
