#include "core/text_lines.h"

#include <utility>

namespace vorneth {

std::vector<std::string> SplitTextLines(std::string_view text, std::size_t maxLines) {
  std::vector<std::string> lines;
  std::string current;
  bool pending = false;  // something (even an empty line's break) started a line not yet ended
  for (std::size_t i = 0; i < text.size() && lines.size() <= maxLines; ++i) {
    const char c = text[i];
    if (c == '\0') {
      break;
    }
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      pending = false;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
        ++i;
      }
      continue;
    }
    current.push_back(c);
    pending = true;
  }
  if (pending) {
    lines.push_back(std::move(current));
  }
  return lines;
}

}  // namespace vorneth
