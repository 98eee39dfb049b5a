#pragma once

#include <string>
#include <string_view>

namespace vorneth::search {

// ASCII letters in lower case, every other byte as it is: the tables' texts are ASCII, and a
// search for a part of a line ignores the case of its letters only.
constexpr char LowerCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string LowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    c = LowerCase(c);
  }
  return lower;
}

}  // namespace vorneth::search
