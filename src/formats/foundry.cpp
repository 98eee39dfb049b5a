#include "formats/foundry.h"

#include <cstdint>
#include <string_view>
#include <utility>

#include "core/line_forms.h"
#include "formats/split.h"
#include "version.h"

namespace vorneth::formats {

namespace {

// Foundry's ownership levels: none for everyone but the game master, or observer.
constexpr int kOwnershipNone = 0;
constexpr int kOwnershipObserver = 2;
constexpr int kTextFormatHtml = 1;
// The sort of the first page and the step between pages, as Foundry numbers them.
constexpr int kSortStep = 100000;

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

// A page's _id as Foundry's own exports have it: 16 letters and digits, here derived from the
// hoard's seed and the page's number so that the same hoard always gives the same pages.
std::string PageId(std::uint32_t seed, int page) {
  constexpr std::string_view kDigits =
      "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  std::uint64_t state = (std::uint64_t{seed} << 16) ^ static_cast<std::uint64_t>(page);
  std::string id;
  for (int i = 0; i < 16; ++i) {
    // splitmix64: every step well mixed, whatever the seed and page.
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    id += kDigits[z % kDigits.size()];
  }
  return id;
}

// The pages of one hoard or share, added to `pages`: the owner's page of the DM list and the
// observers' page of the players list, as `lists` asks. `first` is the number of this share's
// DM page among the hoard's pages (1, 3, 5 ...), whichever pages are written.
void AddPages(Json& pages, const HoardRecord& record, std::uint32_t seed, int first,
              const std::string& prefix, JournalLists lists) {
  const auto add = [&](int number, const char* name, const LineList& lines, int ownership) {
    pages.push_back(Json{{"_id", PageId(seed, number)},
                         {"name", prefix + name},
                         {"type", "text"},
                         {"sort", kSortStep * static_cast<int>(pages.size() + 1)},
                         {"text", {{"content", HtmlList(lines)}, {"format", kTextFormatHtml}}},
                         {"ownership", {{"default", ownership}}}});
  };
  if (lists != JournalLists::Players) {
    add(first, "DM's List", record.hoard.DMList, kOwnershipNone);
  }
  if (lists != JournalLists::DM) {
    add(first + 1, "Player's List", record.hoard.PlayersList, kOwnershipObserver);
  }
}

// The entry's own ownership is left out: Import Data keeps that of the entry imported into.
Json Journal(const HoardRecord& record, Json pages, JournalLists lists) {
  std::string name = record.hoard.Caption;
  if (lists != JournalLists::Both) {
    name += lists == JournalLists::DM ? ": DM's List" : ": Player's List";
  }
  return Json{{"name", std::move(name)},
              {"pages", std::move(pages)},
              {"flags",
               {{"vorneth",
                 {{"seed", record.request.Seed},
                  {"request", RequestJson(record.request, record.separator)},
                  {"version", kVersion}}}}}};
}

}  // namespace

std::string HtmlList(const LineList& lines) {
  std::string out = "<ul>";
  bool item = false;    // an item's <li> is open
  bool spells = false;  // and so is the list of its further spells
  for (const std::string_view line : lines) {
    if (item && line.starts_with(kScrollSpellStart)) {
      out += spells ? "<li>" : "<ul><li>";
      out += HtmlEscaped(line) + "</li>";
      spells = true;
      continue;
    }
    if (item) {
      out += spells ? "</ul></li>" : "</li>";
    }
    out += "<li>" + HtmlEscaped(line);
    item = true;
    spells = false;
  }
  if (item) {
    out += spells ? "</ul></li>" : "</li>";
  }
  return out + "</ul>";
}

Json FoundryJournal(const HoardRecord& record, JournalLists lists) {
  Json pages = Json::array();
  AddPages(pages, record, record.request.Seed, 1, "", lists);
  return Journal(record, std::move(pages), lists);
}

Json SplitJournal(const HoardRecord& record, const std::vector<HoardRecord>& shares,
                  JournalLists lists) {
  Json pages = Json::array();
  const int count = static_cast<int>(shares.size());
  for (int k = 1; k <= count; ++k) {
    const HoardRecord& share = shares[static_cast<std::size_t>(k - 1)];
    AddPages(pages, share, record.request.Seed, 2 * k - 1, ShareHeading(k, count, share) + ": ",
             lists);
  }
  return Journal(record, std::move(pages), lists);
}

}  // namespace vorneth::formats
