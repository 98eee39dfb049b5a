#include "formats/foundry.h"

#include "version.h"

namespace vorneth::formats {

namespace {

// Foundry's ownership levels: none for everyone but the game master, or observer.
constexpr int kOwnershipNone = 0;
constexpr int kOwnershipObserver = 2;
constexpr int kTextFormatHtml = 1;

std::string HtmlEscaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

Json Page(const char* name, const std::vector<std::string>& lines, int ownership) {
  return Json{{"name", name},
              {"type", "text"},
              {"text", {{"content", HtmlList(lines)}, {"format", kTextFormatHtml}}},
              {"ownership", {{"default", ownership}}}};
}

}  // namespace

std::string HtmlList(const std::vector<std::string>& lines) {
  std::string out = "<ul>";
  for (const std::string& line : lines) {
    out += "<li>" + HtmlEscaped(line) + "</li>";
  }
  return out + "</ul>";
}

Json FoundryJournal(const HoardRecord& record) {
  return Json{{"name", record.hoard.Caption},
              {"pages",
               {Page("DM's List", record.hoard.DMList, kOwnershipNone),
                Page("Player's List", record.hoard.PlayersList, kOwnershipObserver)}},
              {"ownership", {{"default", kOwnershipNone}}},
              {"flags",
               {{"vorneth",
                 {{"seed", record.request.Seed},
                  {"request", RequestJson(record.request, record.separator)},
                  {"version", kVersion}}}}}};
}

}  // namespace vorneth::formats
