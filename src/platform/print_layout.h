#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorneth::platform {

// Measures text in device units for a font of the printout ("Arial" at `pointSize`).
class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  virtual int Width(std::string_view utf8, int pointSize) const = 0;
  virtual int Height(std::string_view utf8, int pointSize) const = 0;
};

// One line written to the text device, in the font size current when it is written.
struct PrintLine {
  std::string text;  // UTF-8
  int pointSize = 10;
};

// Text placed on a page: its top-left corner in device units.
struct TextRun {
  int x = 0;
  int y = 0;
  int pointSize = 10;
  std::string text;
  bool opaqueWhite = false;  // drawn on an opaque white background (the footer)

  friend bool operator==(const TextRun&, const TextRun&) = default;
};

struct PrintPage {
  std::vector<TextRun> runs;
};

struct PageSize {
  int width = 0;
  int height = 0;
};

// Lays lines out the way the printer's text device does, with no margin:
// - the first line starts at the top-left corner of the page;
// - after a line the position moves down by the line's text height + 2, after an empty line
//   by the height of the font's characters;
// - a new page begins when the position then lies lower than the page height minus twice the
//   finished line's height (after an empty line: lower than the page height);
// - a line wider than the page is broken after the last character that fits, and the rest
//   continues as the next line.
// The result has at least one page (the job's first page exists before anything is written).
std::vector<PrintPage> PlanPages(const std::vector<PrintLine>& lines, const TextMetrics& metrics,
                                 PageSize page);

// Places the footer on the last page: left edge at `x`, top at the page height minus the
// height of "X" in the footer's font, on an opaque white background.
void PlaceFooter(std::vector<PrintPage>& pages, std::string text, int x, int pointSize,
                 const TextMetrics& metrics, PageSize page);

// The byte length of the longest prefix of `utf8` that fits into `width`, cut only between
// characters; at least one character when the text is not empty, so a line always advances.
std::size_t FittingPrefix(std::string_view utf8, int pointSize, int width,
                          const TextMetrics& metrics);

}  // namespace vorneth::platform
