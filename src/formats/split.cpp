#include "formats/split.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "core/line_forms.h"
#include "playersview/players_view.h"
#include "worth/worth_text.h"

namespace vorneth::formats {

namespace {

using worth::Copper;
using worth::LineKind;

// The lines one share gets, each with the position of the hoard line it comes from.
using ShareLines = std::vector<std::pair<std::size_t, std::string>>;

// A magic item: its line, the spell lines that follow it, and its price if it has one.
struct Item {
  std::size_t first;
  std::size_t end;
  std::optional<Copper> price;
};

class Division {
 public:
  Division(const HoardRecord& record, std::size_t shares)
      : record_(record), lines_(shares), worth_(shares, 0), items_(shares, 0) {}

  void DivideCoins();
  void DivideLots();
  void DivideItems();
  std::vector<HoardRecord> Shares() const;

 private:
  std::size_t Count() const { return lines_.size(); }
  std::size_t LeastWorth() const {
    return static_cast<std::size_t>(std::min_element(worth_.begin(), worth_.end()) -
                                    worth_.begin());
  }
  std::size_t FewestItems() const {
    return static_cast<std::size_t>(std::min_element(items_.begin(), items_.end()) -
                                    items_.begin());
  }
  void GiveItem(std::size_t share, const Item& item);
  std::string Amount(std::int64_t n) const { return NumberText(n, record_.separator); }

  const HoardRecord& record_;
  std::vector<ShareLines> lines_;
  std::vector<Copper> worth_;  // of each share so far
  std::vector<std::int64_t> items_;
};

void Division::DivideCoins() {
  const auto& values = record_.dm.lines;
  const auto exchange = record_.dm.totals.exchange;
  for (std::size_t metal = 0; metal < worth::kMetalCount; ++metal) {
    std::int64_t total = 0;
    std::size_t first = values.size();
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (values[i].kind == LineKind::Coins && static_cast<std::size_t>(values[i].metal) == metal) {
        total += values[i].amount;
        first = std::min(first, i);
      }
    }
    const auto count = static_cast<std::int64_t>(Count());
    const Copper each = worth::CopperPer(static_cast<worth::Metal>(metal), exchange);
    for (std::size_t s = 0; s < Count(); ++s) {
      const std::int64_t n = total / count + (static_cast<std::int64_t>(s) < total % count ? 1 : 0);
      if (n > 0) {
        lines_[s].emplace_back(first, Amount(n) + std::string(kCoinSuffixes[metal]));
        worth_[s] += n * each;
      }
    }
  }
}

void Division::DivideLots() {
  const auto& values = record_.dm.lines;
  const Copper perGold = worth::CopperPerGold(record_.dm.totals.exchange);
  for (std::size_t i = 0; i < values.size(); ++i) {
    const worth::LineValue& lot = values[i];
    if (lot.kind != LineKind::Gems && lot.kind != LineKind::Jewelry) {
      continue;
    }
    const Copper total = lot.value.value_or(0);
    if (lot.pieces <= 0 || total % (lot.pieces * perGold) != 0) {
      // Not pieces of one value (an edited line): the lot stays whole.
      const std::size_t s = LeastWorth();
      lines_[s].emplace_back(i, record_.hoard.DMList[i]);
      worth_[s] += total;
      continue;
    }
    const Copper each = total / lot.pieces;
    const auto count = static_cast<std::int64_t>(Count());
    std::vector<std::int64_t> pieces(Count(), lot.pieces / count);
    for (std::size_t s = 0; s < Count(); ++s) {
      worth_[s] += pieces[s] * each;
    }
    for (std::int64_t left = lot.pieces % count; left > 0; --left) {
      const std::size_t s = LeastWorth();
      ++pieces[s];
      worth_[s] += each;
    }
    const std::string_view word = lot.kind == LineKind::Gems ? kGemsWord : kJewelryWord;
    const std::string_view name = worth::LotName(record_.hoard.DMList[i], record_.separator);
    for (std::size_t s = 0; s < Count(); ++s) {
      if (pieces[s] > 0) {
        lines_[s].emplace_back(i,
                               Amount(pieces[s]) + std::string(word) +
                                   LotBracket(name, pieces[s] * each / perGold, record_.separator));
      }
    }
  }
}

void Division::GiveItem(std::size_t share, const Item& item) {
  for (std::size_t i = item.first; i < item.end; ++i) {
    if (record_.dm.lines[i].kind != LineKind::Blank) {
      lines_[share].emplace_back(i, record_.hoard.DMList[i]);
    }
  }
  worth_[share] += item.price.value_or(0);
  ++items_[share];
}

void Division::DivideItems() {
  const auto& values = record_.dm.lines;
  std::vector<Item> priced;
  std::vector<Item> unpriced;
  for (std::size_t i = 0; i < values.size(); ++i) {
    // A map, or a line of no hoard's form (a note added in an edit), goes whole to one share
    // as an unpriced item does.
    if (values[i].kind != LineKind::Magic && values[i].kind != LineKind::Map &&
        values[i].kind != LineKind::Other) {
      continue;
    }
    Item item{i, i + 1, values[i].kind == LineKind::Magic ? values[i].value : std::nullopt};
    // A scroll's further spells (blank lines between them do not part them).
    while (item.end < values.size() && (values[item.end].kind == LineKind::ScrollSpell ||
                                        values[item.end].kind == LineKind::Blank)) {
      ++item.end;
    }
    (item.price ? priced : unpriced).push_back(item);
  }
  std::stable_sort(priced.begin(), priced.end(),
                   [](const Item& a, const Item& b) { return *a.price > *b.price; });
  for (const Item& item : priced) {
    GiveItem(LeastWorth(), item);
  }
  for (const Item& item : unpriced) {
    GiveItem(FewestItems(), item);
  }
}

std::vector<HoardRecord> Division::Shares() const {
  std::vector<HoardRecord> shares;
  shares.reserve(Count());
  for (ShareLines lines : lines_) {
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    const Hoard& hoard = record_.hoard;
    Hoard share{hoard.Caption, {}, {}};
    for (const auto& [from, text] : lines) {
      share.DMList.push_back(text);
      // A line drawn from a game master's table keeps what the players see of it.
      if (!hoard.TablePlayers.empty()) {
        share.DMOrigins.push_back(hoard.DMOrigins[from]);
        share.TablePlayers.push_back(hoard.TablePlayers[from]);
      }
    }
    if (share.DMList.empty()) {
      share.DMList.push_back(kNothingFound);
      share.DMOrigins.clear();
      share.TablePlayers.clear();
    }
    playersview::ParsePlayers(share.DMList, share.DMOrigins, share.TablePlayers, share.PlayersList);
    shares.push_back(
        RecordOf(record_.request, record_.separator, std::move(share), record_.dm.totals.exchange));
  }
  return shares;
}

}  // namespace

std::vector<HoardRecord> SplitHoard(const HoardRecord& record, int shares) {
  Division division(record, static_cast<std::size_t>(std::clamp(shares, 1, kMaxShares)));
  division.DivideCoins();
  division.DivideLots();
  division.DivideItems();
  return division.Shares();
}

std::string ShareHeading(int share, int shares, const HoardRecord& record) {
  const worth::Totals& totals = record.dm.totals;
  return "Share " + std::to_string(share) + " of " + std::to_string(shares) + ", worth " +
         worth::MoneyText(totals.totalValue(), totals.exchange, record.separator) +
         worth::CoinWeightNote(totals, record.separator);
}

}  // namespace vorneth::formats
