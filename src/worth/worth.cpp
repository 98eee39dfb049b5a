#include "worth/worth.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "core/line_forms.h"
#include "core/number_text.h"

namespace vorneth::worth {

namespace {

// The most digits of an amount read from a line: at most 999,999,999,999. Generated lines stay
// far below it; an edited line with more digits is not read as an amount at all, so no sum of
// lines can overflow before it saturates.
constexpr std::size_t kMaxDigits = 12;

static_assert(kCoinSuffixes.size() == kMetalCount);
constexpr std::string_view kMetalNames[kMetalCount] = {"copper", "silver", "electrum", "gold",
                                                       "platinum"};
constexpr std::pair<std::string_view, LineKind> kLots[] = {{kGemsWord, LineKind::Gems},
                                                           {kJewelryWord, LineKind::Jewelry}};
constexpr std::string_view kPriceEnd = "gp)";

// Where `word`, which begins with a blank, first occurs in `line`, or npos. Tested at each
// start by its second letter first, compared by hand: lines are short, have many blanks but few
// "G", "J" or "p", and a call into the C library would cost more than the whole scan.
std::size_t FindBlankWord(std::string_view line, std::string_view word) {
  if (line.size() < word.size()) {
    return std::string_view::npos;
  }
  const std::size_t lastStart = line.size() - word.size();
  for (std::size_t start = 0; start <= lastStart; ++start) {
    if (line[start + 1] != word[1]) {
      continue;
    }
    std::size_t k = 0;
    while (k < word.size() && line[start + k] == word[k]) {
      ++k;
    }
    if (k == word.size()) {
      return start;
    }
  }
  return std::string_view::npos;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
  if (a > std::numeric_limits<std::int64_t>::max() - b) {
    return std::numeric_limits<std::int64_t>::max();
  }
  return a + b;
}

// For amounts and rates, never negative. The overflow check is the processor's flag, not a
// division, which would cost more than the rest of a line's valuation.
std::int64_t SaturatingMul(std::int64_t a, std::int64_t b) {
  std::int64_t product = 0;
  if (__builtin_mul_overflow(a, b, &product)) {
    return std::numeric_limits<std::int64_t>::max();
  }
  return product;
}

// What the readers below return for text that is not an amount. They return plain numbers, not
// std::optional: GCC writes an optional's flag and reads it back whole, a stall on every line.
constexpr std::int64_t kNoAmount = -1;

// Whether `separator` (not empty) stands at `at`, which has room for it; compared by hand, as
// it is a byte or a few, and a call into the C library for each would cost more than the
// amount's digits.
bool SeparatorAt(const char* at, std::string_view separator) {
  for (std::size_t k = 0; k < separator.size(); ++k) {
    if (at[k] != separator[k]) {
      return false;
    }
  }
  return true;
}

// A whole amount: plain digits, or groups of three digits after a first group of one to three,
// with `separator` between them. Nothing else may be in `text`. A separator that begins with a
// digit never separates: its digit counts as one of the amount's.
std::int64_t ParseAmount(std::string_view text, std::string_view separator) {
  const char* p = text.data();
  const char* const end = p + text.size();
  std::int64_t value = 0;
  // The first group, or all the digits: at most one more than an amount holds, so that a long
  // run of digits stops early and cannot overflow.
  std::size_t digits = 0;
  for (; p != end && IsDigit(*p) && digits <= kMaxDigits; ++p) {
    value = value * 10 + (*p - '0');
    ++digits;
  }
  if (digits == 0 || digits > kMaxDigits) {
    return kNoAmount;
  }
  if (p == end) {
    return value;
  }
  if (digits > 3 || separator.empty() || IsDigit(separator.front())) {
    return kNoAmount;
  }
  // Then groups of a separator and three digits, to the end.
  const std::size_t groupSize = separator.size() + 3;
  while (p != end) {
    if (static_cast<std::size_t>(end - p) < groupSize || !SeparatorAt(p, separator)) {
      return kNoAmount;
    }
    p += separator.size();
    if (!IsDigit(p[0]) || !IsDigit(p[1]) || !IsDigit(p[2])) {
      return kNoAmount;
    }
    value = value * 1000 + (p[0] - '0') * 100 + (p[1] - '0') * 10 + (p[2] - '0');
    digits += 3;
    p += 3;
    if (digits > kMaxDigits) {
      return kNoAmount;
    }
  }
  return value;
}

// "N<suffix>" with N an amount: the amount.
std::int64_t AmountBefore(std::string_view line, std::string_view suffix,
                          std::string_view separator) {
  if (line.size() <= suffix.size() || !line.ends_with(suffix)) {
    return kNoAmount;
  }
  return ParseAmount(line.substr(0, line.size() - suffix.size()), separator);
}

// The parts of "N Gems (name total gp)" or "N Jewelry Items (material total gp)".
struct Lot {
  std::int64_t pieces = 0;
  std::int64_t total = 0;  // gold pieces
  std::string_view name;
};

bool ParseLot(std::string_view line, std::string_view word, std::string_view separator, Lot& lot) {
  constexpr std::string_view kEnd = " gp)";
  if (!line.ends_with(kEnd)) {
    return false;
  }
  const std::size_t at = FindBlankWord(line, word);
  const std::size_t open = at + word.size();
  if (at == std::string_view::npos || open >= line.size() || line[open] != '(' ||
      line.size() < open + 1 + kEnd.size()) {
    return false;
  }
  const std::string_view inside = line.substr(open + 1, line.size() - open - 1 - kEnd.size());
  // The total is the longest amount after a blank at the end: a separator may be a blank too.
  // Without a blank in the separator only the last word can be it.
  const bool blankSeparator = separator.find(' ') != std::string_view::npos;
  lot.total = kNoAmount;
  for (std::size_t blank = inside.rfind(' '); blank != std::string_view::npos && blank > 0;
       blank = blankSeparator ? inside.rfind(' ', blank - 1) : std::string_view::npos) {
    const std::int64_t amount = ParseAmount(inside.substr(blank + 1), separator);
    if (amount == kNoAmount) {
      break;
    }
    lot.total = amount;
    lot.name = inside.substr(0, blank);
  }
  lot.pieces = ParseAmount(line.substr(0, at), separator);
  return lot.pieces != kNoAmount && lot.total != kNoAmount;  // a lot names its kind, then its total
}

// The price of a magic item line: the last word of its last bracket, when the line ends in
// "gp)", read with "," between thousands ("(Undead 1,500 gp)", "(Petrification 2,000gp)").
std::int64_t ItemPrice(std::string_view line) {
  if (!line.ends_with(kPriceEnd)) {
    return kNoAmount;
  }
  const std::size_t open = line.rfind('(');
  if (open == std::string_view::npos) {
    return kNoAmount;
  }
  std::string_view inside = line.substr(open + 1, line.size() - open - 1 - kPriceEnd.size());
  while (!inside.empty() && inside.back() == ' ') {
    inside.remove_suffix(1);
  }
  const std::size_t blank = inside.rfind(' ');
  return ParseAmount(blank == std::string_view::npos ? inside : inside.substr(blank + 1), ",");
}

// Only blanks and \t \n \v \f \r, or nothing.
bool IsBlank(std::string_view line) {
  return std::all_of(line.begin(), line.end(),
                     [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); });
}

// Fills `value`, a default LineValue, in place.
void Classify(std::string_view line, std::string_view separator, Exchange exchange, bool itemAbove,
              LineValue& value) {
  if (IsBlank(line)) {
    value.kind = LineKind::Blank;
    return;
  }
  if (line == kMapLine) {
    value.kind = LineKind::Map;
    return;
  }
  if (line == kNothingFound) {
    value.kind = LineKind::Nothing;
    return;
  }
  // Coin and lot lines begin with their amount; most item lines begin with a letter and are
  // spared both searches.
  const bool amountFirst = IsDigit(line.front());
  if (amountFirst && line.ends_with(" coins")) {
    for (std::size_t m = 0; m < kMetalCount; ++m) {
      if (const std::int64_t amount = AmountBefore(line, kCoinSuffixes[m], separator);
          amount != kNoAmount) {
        value.kind = LineKind::Coins;
        value.metal = static_cast<Metal>(m);
        value.amount = amount;
        value.value = SaturatingMul(amount, CopperPer(value.metal, exchange));
        return;
      }
    }
  }
  Lot lot;
  for (const auto& [word, kind] : kLots) {
    if (amountFirst && ParseLot(line, word, separator, lot)) {
      value.kind = kind;
      value.pieces = lot.pieces;
      value.value = SaturatingMul(lot.total, CopperPerGold(exchange));
      return;
    }
  }
  if (itemAbove && FindBlankWord(line, kScrollSpellStart) != std::string_view::npos) {
    value.kind = LineKind::ScrollSpell;
    return;
  }
  value.kind = LineKind::Magic;
  if (const std::int64_t price = ItemPrice(line); price != kNoAmount) {
    value.value = SaturatingMul(price, CopperPerGold(exchange));
  }
}

void Add(Totals& totals, const LineValue& line) {
  const Copper value = line.value.value_or(0);
  switch (line.kind) {
    case LineKind::Coins: {
      auto& coins = totals.coins[static_cast<std::size_t>(line.metal)];
      coins = SaturatingAdd(coins, line.amount);
      totals.coinsValue = SaturatingAdd(totals.coinsValue, value);
      break;
    }
    case LineKind::Gems:
      totals.gemPieces = SaturatingAdd(totals.gemPieces, line.pieces);
      totals.gemsValue = SaturatingAdd(totals.gemsValue, value);
      break;
    case LineKind::Jewelry:
      totals.jewelryPieces = SaturatingAdd(totals.jewelryPieces, line.pieces);
      totals.jewelryValue = SaturatingAdd(totals.jewelryValue, value);
      break;
    case LineKind::Magic:
      ++totals.magicItems;
      if (line.value) {
        ++totals.pricedItems;
        totals.itemsValue = SaturatingAdd(totals.itemsValue, value);
      }
      break;
    case LineKind::Map:
      ++totals.maps;
      break;
    case LineKind::ScrollSpell:
    case LineKind::Nothing:
    case LineKind::Blank:
      break;
  }
}

}  // namespace

Copper Totals::treasureValue() const {
  return SaturatingAdd(SaturatingAdd(coinsValue, gemsValue), jewelryValue);
}

Copper Totals::totalValue() const {
  return SaturatingAdd(treasureValue(), itemsValue);
}

Valuation ValueList(const LineList& lines, std::string_view separator, Exchange exchange) {
  Valuation valuation;
  ValueList(lines, separator, exchange, valuation);
  return valuation;
}

void ValueList(const LineList& lines, std::string_view separator, Exchange exchange,
               Valuation& valuation) {
  valuation.lines.clear();
  valuation.totals = Totals{};
  valuation.totals.exchange = exchange;
  valuation.lines.reserve(lines.size());
  bool itemAbove = false;  // the last line that was not blank belongs to a magic item
  for (const std::string_view line : lines) {
    LineValue& value = valuation.lines.emplace_back();
    Classify(line, separator, exchange, itemAbove, value);
    Add(valuation.totals, value);
    if (value.kind != LineKind::Blank) {
      itemAbove = value.kind == LineKind::Magic || value.kind == LineKind::ScrollSpell;
    }
  }
}

std::string_view LotName(std::string_view line, std::string_view separator) {
  Lot lot;
  for (const auto& [word, kind] : kLots) {
    if (ParseLot(line, word, separator, lot)) {
      return lot.name;
    }
  }
  return {};
}

std::string GoldText(Copper value, Exchange exchange, std::string_view separator) {
  const Copper perGold = CopperPerGold(exchange);
  std::string text = NumberText(value / perGold, separator);
  // 1 copper is 1/200 or 1/100 of a gold piece: three decimals always suffice.
  Copper thousandths = (value % perGold) * 1000 / perGold;
  if (thousandths != 0) {
    std::string decimals = std::to_string(1000 + thousandths).substr(1);
    while (decimals.back() == '0') {
      decimals.pop_back();
    }
    text += '.';
    text += decimals;
  }
  return text;
}

std::string MoneyText(Copper value, Exchange exchange, std::string_view separator) {
  const Copper perGold = CopperPerGold(exchange);
  const Copper perSilver = CopperPer(Metal::Silver, exchange);
  const Copper gold = value / perGold;
  const Copper silver = value % perGold / perSilver;
  const Copper copper = value % perSilver;
  std::string text;
  if (gold != 0 || (silver == 0 && copper == 0)) {
    text = NumberText(gold, separator) + " gp";
  }
  for (const auto& [pieces, name] : {std::pair{silver, " sp"}, {copper, " cp"}}) {
    if (pieces != 0) {
      if (!text.empty()) {
        text += ' ';
      }
      text += std::to_string(pieces);
      text += name;
    }
  }
  return text;
}

std::string ExchangeWords(Exchange exchange) {
  const Copper perGold = CopperPerGold(exchange);
  return std::string(exchange == Exchange::FirstEdition ? "first edition" : "Basic") +
         " exchange, " + std::to_string(perGold / CopperPer(Metal::Silver, exchange)) + " sp or " +
         std::to_string(perGold) + " cp to the gp";
}

std::string_view MetalName(Metal metal) {
  return kMetalNames[static_cast<std::size_t>(metal)];
}

std::string_view KindName(LineKind kind) {
  constexpr std::string_view kNames[] = {"coins",        "gems", "jewelry", "magic",
                                         "scroll_spell", "map",  "nothing", "blank"};
  return kNames[static_cast<std::size_t>(kind)];
}

std::string_view ExchangeName(Exchange exchange) {
  return exchange == Exchange::FirstEdition ? "1e" : "bx";
}

std::optional<Exchange> ExchangeNamed(std::string_view name) {
  if (name == "1e") {
    return Exchange::FirstEdition;
  }
  if (name == "bx") {
    return Exchange::Basic;
  }
  return std::nullopt;
}

}  // namespace vorneth::worth
