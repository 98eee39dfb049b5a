#include "core/text_lines.h"

#include <algorithm>

namespace vorneth {

LineList SplitTextLines(std::string_view text, std::size_t maxLines) {
  text = text.substr(0, text.find('\0'));
  LineList lines;
  std::size_t start = 0;  // where the line not yet ended starts
  while (start < text.size() && lines.size() <= maxLines) {
    const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') {
      ++start;
    }
  }
  return lines;
}

}  // namespace vorneth
