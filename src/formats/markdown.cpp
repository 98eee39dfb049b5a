#include "formats/markdown.h"

#include "core/utf8.h"
#include "formats/json_export.h"
#include "formats/split.h"
#include "worth/worth_text.h"

namespace vorneth::formats {

namespace {

constexpr std::string_view kEscaped = "\\`*_[]<>|~#&!";

void BulletList(std::string& out, const LineList& lines) {
  for (const std::string_view line : lines) {
    out += "- " + MarkdownText(line) + "\n";
  }
}

// "# " caption, then the seed and the request in an HTML comment.
std::string Head(const HoardRecord& record) {
  std::string out = "# " + MarkdownText(record.hoard.Caption) + "\n\n";
  // "--" may not appear inside an HTML comment: a title holding it is written as "-\u002d".
  std::string request = JsonText(Json{{"seed", record.request.Seed},
                                      {"request", RequestJson(record.request, record.separator)}},
                                 -1);
  for (std::size_t at = request.find("--"); at != std::string::npos; at = request.find("--", at)) {
    request.replace(at + 1, 1, "\\u002d");
  }
  return out + "<!-- vorneth " + request + " -->\n\n";
}

// `level` "## " or "### " headed DM's and players lists.
void Lists(std::string& out, const HoardRecord& record, std::string_view level) {
  out.append(level).append("DM's List\n\n");
  BulletList(out, record.hoard.DMList);
  out.append("\n").append(level).append("Player's List\n\n");
  BulletList(out, record.hoard.PlayersList);
}

}  // namespace

std::string MarkdownText(std::string_view text) {
  // One line of rendered text: a line break in a title or an edited line would end the heading
  // or the list item and start whatever followed it. Bytes that are not UTF-8 become U+FFFD, as
  // in the JSON exports, so the file is well-formed text.
  std::string flat = WellFormedUtf8(text);
  for (char& c : flat) {
    if (c == '\r' || c == '\n') {
      c = ' ';
    }
  }
  const std::string_view line = flat;
  std::string out;
  std::size_t first = 0;
  std::size_t end = line.size();
  std::string lead;
  std::string trail;
  while (first < end && line[first] == ' ') {
    lead += "&#32;";
    ++first;
  }
  while (end > first && line[end - 1] == ' ') {
    trail += "&#32;";
    --end;
  }
  out += lead;
  for (std::size_t i = first; i < end; ++i) {
    const char c = line[i];
    // A list marker or a numbered item at the start would make a nested list.
    const bool atStart = i == first;
    const bool marker = atStart && (c == '+' || c == '-');
    const bool numbered =
        c == '.' && i > first &&
        line.substr(first, i - first).find_first_not_of("0123456789") == std::string_view::npos;
    if (kEscaped.find(c) != std::string_view::npos || marker || numbered) {
      out += '\\';
    }
    out += c;
  }
  out += trail;
  return out;
}

std::string Markdown(const HoardRecord& record) {
  std::string out = Head(record);
  Lists(out, record, "## ");
  out += "\n## Worth\n\n| | |\n|---|---|\n";
  for (const std::string_view line : worth::WorthBreakdown(record.dm.totals, record.separator)) {
    const std::size_t colon = line.find(": ");
    out += "| " + MarkdownText(line.substr(0, colon)) + " | " +
           MarkdownText(line.substr(colon + 2)) + " |\n";
  }
  return out;
}

std::string SplitMarkdown(const HoardRecord& record, const std::vector<HoardRecord>& shares) {
  std::string out = Head(record);
  const int count = static_cast<int>(shares.size());
  for (int k = 1; k <= count; ++k) {
    const HoardRecord& share = shares[static_cast<std::size_t>(k - 1)];
    out.append(k > 1 ? "\n## " : "## ").append(MarkdownText(ShareHeading(k, count, share)));
    out.append("\n\n");
    Lists(out, share, "### ");
  }
  return out;
}

}  // namespace vorneth::formats
