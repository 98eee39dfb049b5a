#include "formats/html_text.h"

#include <array>
#include <charconv>
#include <utility>

namespace vorneth::formats {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kNamedReferences = {
    {{"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"nbsp", " "}}};

void AppendUtf8(std::string& out, std::uint32_t c) {
  const auto byte = [](std::uint32_t bits) { return static_cast<char>(bits); };
  if (c < 0x80) {
    out += byte(c);
  } else if (c < 0x800) {
    out += byte(0xC0 | (c >> 6));
    out += byte(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += byte(0xE0 | (c >> 12));
    out += byte(0x80 | ((c >> 6) & 0x3F));
    out += byte(0x80 | (c & 0x3F));
  } else {
    out += byte(0xF0 | (c >> 18));
    out += byte(0x80 | ((c >> 12) & 0x3F));
    out += byte(0x80 | ((c >> 6) & 0x3F));
    out += byte(0x80 | (c & 0x3F));
  }
}

// The character of a reference's name ("amp", "#39", "#x2014"), appended; false when unknown.
bool AppendReference(std::string& out, std::string_view name) {
  for (const auto& [known, text] : kNamedReferences) {
    if (name == known) {
      out += text;
      return true;
    }
  }
  if (name.size() < 2 || name[0] != '#') {
    return false;
  }
  const bool hex = name[1] == 'x' || name[1] == 'X';
  const std::string_view digits = name.substr(hex ? 2 : 1);
  std::uint32_t c = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), c, hex ? 16 : 10);
  if (error != std::errc() || end != digits.data() + digits.size() || c == 0 || c > 0x10FFFF ||
      (c >= 0xD800 && c <= 0xDFFF)) {
    return false;
  }
  AppendUtf8(out, c);
  return true;
}

}  // namespace

std::string PlainText(std::string_view html) {
  std::string out;
  out.reserve(html.size());
  for (std::size_t i = 0; i < html.size();) {
    const char c = html[i];
    if (c == '<') {
      const std::size_t close = html.find('>', i);
      if (close != std::string_view::npos) {
        out += ' ';
        i = close + 1;
        continue;
      }
    } else if (c == '&') {
      const std::size_t semicolon = html.find(';', i);
      if (semicolon != std::string_view::npos && semicolon - i <= 10 &&
          AppendReference(out, html.substr(i + 1, semicolon - i - 1))) {
        i = semicolon + 1;
        continue;
      }
    } else if (c == '@') {
      // @UUID[...]{label}: the label, or the target when there is none.
      const std::size_t open =
          html.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", i + 1);
      const std::size_t close = open == std::string_view::npos || open == i + 1 || html[open] != '['
                                    ? std::string_view::npos
                                    : html.find(']', open);
      if (close != std::string_view::npos) {
        const std::size_t labelEnd = close + 1 < html.size() && html[close + 1] == '{'
                                         ? html.find('}', close)
                                         : std::string_view::npos;
        if (labelEnd != std::string_view::npos) {
          out += html.substr(close + 2, labelEnd - close - 2);
          i = labelEnd + 1;
        } else {
          out += html.substr(open + 1, close - open - 1);
          i = close + 1;
        }
        continue;
      }
    }
    out += c;
    ++i;
  }
  return out;
}

}  // namespace vorneth::formats
