#include "formats/foundry.h"

#include <utility>

#include "formats/split.h"
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

Json Page(const std::string& name, const std::vector<std::string>& lines, int ownership) {
  return Json{{"name", name},
              {"type", "text"},
              {"text", {{"content", HtmlList(lines)}, {"format", kTextFormatHtml}}},
              {"ownership", {{"default", ownership}}}};
}

Json Journal(const HoardRecord& record, Json pages) {
  return Json{{"name", record.hoard.Caption},
              {"pages", std::move(pages)},
              {"ownership", {{"default", kOwnershipNone}}},
              {"flags",
               {{"vorneth",
                 {{"seed", record.request.Seed},
                  {"request", RequestJson(record.request, record.separator)},
                  {"version", kVersion}}}}}};
}

// The owner's page of the DM list and the observers' page of the players list.
void AddPages(Json& pages, const HoardRecord& record, const std::string& prefix) {
  pages.push_back(Page(prefix + "DM's List", record.hoard.DMList, kOwnershipNone));
  pages.push_back(Page(prefix + "Player's List", record.hoard.PlayersList, kOwnershipObserver));
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
  Json pages = Json::array();
  AddPages(pages, record, "");
  return Journal(record, std::move(pages));
}

Json SplitJournal(const HoardRecord& record, const std::vector<HoardRecord>& shares) {
  Json pages = Json::array();
  const int count = static_cast<int>(shares.size());
  for (int k = 1; k <= count; ++k) {
    const HoardRecord& share = shares[static_cast<std::size_t>(k - 1)];
    AddPages(pages, share, ShareHeading(k, count, share) + ": ");
  }
  return Journal(record, std::move(pages));
}

}  // namespace vorneth::formats
