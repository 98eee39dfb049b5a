#include "platform/print_layout.h"

#include <utility>

namespace vorneth::platform {

namespace {

bool StartsCharacter(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0u) != 0x80u;
}

// Byte offsets at which each character after the first ends, followed by the text's end.
std::vector<std::size_t> CharacterEnds(std::string_view utf8) {
  std::vector<std::size_t> ends;
  for (std::size_t i = 1; i < utf8.size(); ++i) {
    if (StartsCharacter(utf8[i])) {
      ends.push_back(i);
    }
  }
  ends.push_back(utf8.size());
  return ends;
}

class PageWriter {
 public:
  PageWriter(const TextMetrics& metrics, PageSize page) : metrics_(metrics), page_(page) {
    pages_.emplace_back();
  }

  void WriteLine(const PrintLine& line) {
    if (line.text.empty()) {
      y_ += metrics_.Height("0", line.pointSize);
      BreakPageIfLowerThan(page_.height);
      return;
    }
    std::string_view rest = line.text;
    while (!rest.empty()) {
      const std::size_t fits = FittingPrefix(rest, line.pointSize, page_.width, metrics_);
      const std::string_view piece = rest.substr(0, fits);
      rest.remove_prefix(fits);
      pages_.back().runs.push_back(TextRun{0, y_, line.pointSize, std::string(piece), false});
      const int lineHeight = metrics_.Height(piece, line.pointSize) + 2;
      y_ += lineHeight;
      BreakPageIfLowerThan(page_.height - 2 * lineHeight);
    }
  }

  std::vector<PrintPage> Take() { return std::move(pages_); }

 private:
  void BreakPageIfLowerThan(int limit) {
    if (y_ > limit) {
      pages_.emplace_back();
      y_ = 0;
    }
  }

  const TextMetrics& metrics_;
  PageSize page_;
  std::vector<PrintPage> pages_;
  int y_ = 0;
};

}  // namespace

std::size_t FittingPrefix(std::string_view utf8, int pointSize, int width,
                          const TextMetrics& metrics) {
  if (metrics.Width(utf8, pointSize) <= width) {
    return utf8.size();
  }
  // Widths grow with the prefix, so search the character ends for the last one that fits.
  const std::vector<std::size_t> ends = CharacterEnds(utf8);
  std::size_t lo = 0;  // ends[lo] is known to be acceptable (the first character always is)
  std::size_t hi = ends.size() - 1;  // ends[hi] (the whole text) is known not to fit
  while (hi - lo > 1) {
    const std::size_t mid = lo + (hi - lo) / 2;
    if (metrics.Width(utf8.substr(0, ends[mid]), pointSize) <= width) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return ends[lo];
}

std::vector<PrintPage> PlanPages(const std::vector<PrintLine>& lines, const TextMetrics& metrics,
                                 PageSize page) {
  PageWriter writer(metrics, page);
  for (const PrintLine& line : lines) {
    writer.WriteLine(line);
  }
  return writer.Take();
}

void PlaceFooter(std::vector<PrintPage>& pages, std::string text, int x, int pointSize,
                 const TextMetrics& metrics, PageSize page) {
  if (pages.empty()) {
    pages.emplace_back();
  }
  const int top = page.height - metrics.Height("X", pointSize);
  pages.back().runs.push_back(TextRun{x, top, pointSize, std::move(text), true});
}

}  // namespace vorneth::platform
