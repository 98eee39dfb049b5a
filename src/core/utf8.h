#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorneth {

// What lies at the front of some text: one well-formed UTF-8 character, or an ill-formed part.
struct Utf8Step {
  bool valid;
  char32_t codePoint;  // the character when valid
  std::size_t length;  // bytes taken, at least 1
};

// Decodes the front of `text`, which must not be empty. Overlong forms, surrogates and code
// points above U+10FFFF are ill-formed. An ill-formed part is the longest start of a sequence
// that could still have been well-formed (at least one byte), so a truncated sequence counts
// once and the byte that cut it short is decoded afresh.
Utf8Step DecodeUtf8(std::string_view text);

// U+FFFD, which stands for an ill-formed part of some text.
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Whether all of `text` is well-formed UTF-8.
bool IsWellFormedUtf8(std::string_view text);

// `text` with each ill-formed part (as DecodeUtf8 takes it) written as U+FFFD.
std::string WellFormedUtf8(std::string_view text);

}  // namespace vorneth
