#include "worth/worth.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <utility>

#include "core/line_forms.h"
#include "core/number_text.h"
#include "worth/item_lines.h"

namespace vorneth::worth {

namespace {

// The most digits of an amount read from a line: at most 999,999,999,999. Generated lines stay
// far below it; an edited line with more digits is not read as an amount at all, so no sum of
// lines can overflow before it saturates.
constexpr std::size_t kMaxDigits = 12;

static_assert(kCoinSuffixes.size() == kMetalCount);
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

// Whether `line` begins or ends with `word`. Compared with memcmp for equality only, which the
// compiler writes out inline for a word of known length; std::string_view's own forms ask memcmp
// for an order and call the C library.
bool BeginsWith(std::string_view line, std::string_view word) {
  return line.size() >= word.size() && std::memcmp(line.data(), word.data(), word.size()) == 0;
}
bool EndsWith(std::string_view line, std::string_view word) {
  return line.size() >= word.size() &&
         std::memcmp(line.data() + line.size() - word.size(), word.data(), word.size()) == 0;
}

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// For amounts and values, never negative.
std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
  std::int64_t sum = 0;
  if (__builtin_add_overflow(a, b, &sum)) {
    return std::numeric_limits<std::int64_t>::max();
  }
  return sum;
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

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHighs = 0x8080808080808080;

std::uint64_t Load8(const char* at) {
  std::uint64_t word = 0;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// The high bit of each byte of `word` that is zero, and of no other.
std::uint64_t ZeroBytes(std::uint64_t word) {
  return ~(((word & ~kHighs) + ~kHighs) | word) & kHighs;
}

// Where the last `kA` or `kB` of line[from, before) stands, or npos. Eight bytes at a time from
// the end where the line has them, on a little-endian processor: one step, without a branch on
// where it is, finds it in the short words these searches end on.
template <char kA, char kB>
std::size_t FindLast(std::string_view line, std::size_t from, std::size_t before) {
  while (before > from) {
    if (std::endian::native == std::endian::little && before >= 8) {
      const std::uint64_t bytes = Load8(line.data() + before - 8);
      std::uint64_t found = ZeroBytes(bytes ^ (kOnes * static_cast<unsigned char>(kA)));
      if constexpr (kB != kA) {
        found |= ZeroBytes(bytes ^ (kOnes * static_cast<unsigned char>(kB)));
      }
      if (before - from < 8) {
        found &= ~std::uint64_t{0} << (8 * (8 - (before - from)));  // none before `from`
      }
      if (found != 0) {
        return before - 8 + static_cast<std::size_t>(63 - std::countl_zero(found)) / 8;
      }
      before = std::max(from, before - 8);
    } else {
      --before;
      if (line[before] == kA || line[before] == kB) {
        return before;
      }
    }
  }
  return std::string_view::npos;
}

// The separator between thousands that amounts are read with, and what about it the readers ask
// on every amount, found once.
struct Separator {
  explicit constexpr Separator(std::string_view separator)
      : text(separator),
        groups(!separator.empty() && !IsDigit(separator.front())),
        blank(std::find(separator.begin(), separator.end(), ' ') != separator.end()),
        front(separator.empty() ? '\0' : separator.front()) {}

  std::string_view text;
  // It stands between groups of digits: not empty, and not beginning with a digit, which would
  // count as one of the amount's.
  bool groups;
  bool blank;  // a blank in it: an amount may then be more than one word
  char front;  // its first byte, or 0
};

// Item prices are always read with ",".
constexpr Separator kPriceSeparator(",");

// The amount that begins [p, end): plain digits, or groups of three digits after a first group
// of one to three, with the separator between them. `stop` is set where it ends.
std::int64_t ReadAmount(const char* p, const char* end, const Separator& separator,
                        const char*& stop) {
  // The first group, or all the digits: at most one more than an amount holds, so that a long
  // run of digits stops early and cannot overflow.
  const char* const begin = p;
  const char* const digitsEnd =
      static_cast<std::size_t>(end - p) > kMaxDigits ? p + kMaxDigits + 1 : end;
  std::int64_t value = 0;
  for (; p != digitsEnd && IsDigit(*p); ++p) {
    value = value * 10 + (*p - '0');
  }
  auto digits = static_cast<std::size_t>(p - begin);
  if (digits == 0 || digits > kMaxDigits) {
    return kNoAmount;
  }
  // Then groups of a separator and three digits, its first byte tested first: what follows an
  // amount is mostly a blank.
  if (digits <= 3 && separator.groups) {
    const std::string_view text = separator.text;
    const std::size_t groupSize = text.size() + 3;
    while (static_cast<std::size_t>(end - p) >= groupSize && *p == text.front()) {
      std::size_t k = 1;
      while (k < text.size() && p[k] == text[k]) {
        ++k;
      }
      const auto* group = reinterpret_cast<const unsigned char*>(p + text.size());
      const unsigned d0 = group[0] - '0';
      const unsigned d1 = group[1] - '0';
      const unsigned d2 = group[2] - '0';
      if (k != text.size() || (d0 > 9) | (d1 > 9) | (d2 > 9)) {
        break;
      }
      value = value * 1000 + d0 * 100 + d1 * 10 + d2;
      digits += 3;
      p += groupSize;
      if (digits > kMaxDigits) {
        return kNoAmount;
      }
    }
  }
  stop = p;
  return value;
}

// `text` is an amount, as ReadAmount reads it, and nothing else: the amount.
std::int64_t ParseAmount(std::string_view text, const Separator& separator) {
  const char* const end = text.data() + text.size();
  const char* stop = nullptr;
  const std::int64_t value = ReadAmount(text.data(), end, separator, stop);
  return value != kNoAmount && stop == end ? value : kNoAmount;
}

// The high bit of each byte of `bytes` that is no digit.
std::uint64_t NonDigits(std::uint64_t bytes) {
  const std::uint64_t offsets = bytes ^ (kOnes * '0');  // a digit's value, else 10 or more
  return (((offsets & ~kHighs) + kOnes * (0x80 - 10)) | offsets) & kHighs;
}

// The value of the first `count` (1 to 8) bytes of `bytes`, all digits, the first the lowest:
// shifted to the top, with zeros below as leading digits, then summed in pairs, fours, eights.
std::int64_t DigitsValue(std::uint64_t bytes, std::size_t count) {
  std::uint64_t v = (bytes ^ (kOnes * '0')) << (8 * (8 - count));
  v = v * 10 + (v >> 8);
  constexpr std::uint64_t kPairs = 0x000000FF000000FF;
  v = ((v & kPairs) * (100 + (1000000ULL << 32)) + ((v >> 16) & kPairs) * (1 + (10000ULL << 32))) >>
      32;
  return static_cast<std::int64_t>(v & 0xFFFFFFFF);
}

// An amount read eight bytes at once.
struct ShortAmount {
  std::int64_t value = kNoAmount;  // kNoAmount where it cannot tell: ReadAmount then reads it
  std::size_t length = 0;          // of its text, at most 7
  char next = 0;                   // the byte after it, or 0 past the line's end
};

// The amount that begins at `at` in `line`, as ReadAmount reads it where it is short: eight bytes
// at once, on a little-endian processor, with a group behind a one-byte separator squeezed out.
// No branch on how many digits there are or whether a group follows, which amounts vary in.
ShortAmount ReadShortAmount(std::string_view line, std::size_t at, const Separator& separator) {
  if (std::endian::native != std::endian::little || line.size() < 8 ||
      (separator.groups && separator.text.size() != 1)) {
    return {};
  }
  // The eight bytes from `at` on; where fewer remain, the last eight shifted down.
  const std::size_t from = std::min(at, line.size() - 8);
  const std::uint64_t bytes = Load8(line.data() + from) >> (8 * (at - from));
  const std::uint64_t nonDigits = NonDigits(bytes);
  const auto first = static_cast<std::size_t>(std::countr_zero(nonDigits)) / 8;
  if (first == 0 || first == 8) {
    return {};
  }
  const auto byteAt = [&](std::size_t k) { return static_cast<char>(bytes >> (8 * k)); };
  // Whether a group follows, 0 or 1, as plain numbers: GCC turns a chain of bools into branches.
  std::uint64_t grouped = std::uint64_t{separator.groups} & std::uint64_t{first <= 3};
  grouped &= std::uint64_t{byteAt(first) == separator.front};
  grouped &= std::uint64_t{(((nonDigits >> (8 * first)) >> 8) & 0x808080) == 0};
  // The first group's bytes, or all of them where no group follows; the separator after them
  // is squeezed out.
  const std::uint64_t below = ((std::uint64_t{1} << (8 * first)) - 1) | (grouped - 1);
  const std::uint64_t digitBytes = (bytes & below) | ((bytes >> 8) & ~below);
  const auto groups = static_cast<std::size_t>(grouped);
  const std::size_t digits = first + 3 * groups;
  const std::size_t length = digits + groups;
  return {DigitsValue(digitBytes, digits), length, byteAt(length)};
}

// line[at, end) is an amount, and nothing else: the amount.
std::int64_t ParseAmountIn(std::string_view line, std::size_t at, std::size_t end,
                           const Separator& separator) {
  const ShortAmount known = ReadShortAmount(line, at, separator);
  if (known.value != kNoAmount && known.length == end - at) {
    return known.value;
  }
  return ParseAmount(line.substr(at, end - at), separator);
}

// "N<suffix>" with N an amount: the amount.
std::int64_t AmountBefore(std::string_view line, std::string_view suffix,
                          const Separator& separator) {
  if (line.size() <= suffix.size() || !EndsWith(line, suffix)) {
    return kNoAmount;
  }
  return ParseAmount(line.substr(0, line.size() - suffix.size()), separator);
}

// The total of a lot whose bracket opens at `open`: the longest amount after a blank at the end
// of the bracket, which closes the line as " gp)". `name` is set to what stands before it. Only
// with a blank in the separator can the amount be more than the last word.
std::int64_t LotTotal(std::string_view line, std::size_t open, const Separator& separator,
                      std::string_view& name) {
  constexpr std::string_view kEnd = " gp)";
  if (line.size() < open + 1 + kEnd.size() || !EndsWith(line, kEnd)) {
    return kNoAmount;
  }
  const std::size_t start = open + 1;  // of the bracket's inside
  const std::size_t end = line.size() - kEnd.size();
  std::int64_t total = kNoAmount;
  for (std::size_t blank = FindLast<' ', ' '>(line, start, end);
       blank != std::string_view::npos && blank > start;
       blank = separator.blank ? FindLast<' ', ' '>(line, start, blank) : std::string_view::npos) {
    const std::int64_t amount = ParseAmountIn(line, blank + 1, end, separator);
    if (amount == kNoAmount) {
      break;
    }
    total = amount;
    name = line.substr(start, blank - start);
  }
  return total;
}

// The parts of "N Gems (name total gp)" or "N Jewelry Items (material total gp)".
struct Lot {
  std::int64_t pieces = 0;
  std::int64_t total = 0;  // gold pieces
  std::string_view name;
};

// A lot of `word`'s kind, read where `word` first occurs: any separator.
bool ParseLot(std::string_view line, std::string_view word, const Separator& separator, Lot& lot) {
  if (!EndsWith(line, " gp)")) {
    return false;
  }
  const std::size_t at = FindBlankWord(line, word);
  const std::size_t open = at + word.size();
  if (at == std::string_view::npos || open >= line.size() || line[open] != '(') {
    return false;
  }
  lot.total = LotTotal(line, open, separator, lot.name);
  lot.pieces = ParseAmount(line.substr(0, at), separator);
  return lot.pieces != kNoAmount && lot.total != kNoAmount;  // a lot names its kind, then its total
}

// The price of a magic item line: the last word of its last bracket, when the line ends in
// "gp)", read with "," between thousands ("(Undead 1,500 gp)", "(Petrification 2,000gp)").
// Read from the end: the word, then, only when a blank stands before it, the bracket.
std::int64_t ItemPrice(std::string_view line) {
  if (!EndsWith(line, kPriceEnd)) {
    return kNoAmount;
  }
  std::size_t end = line.size() - kPriceEnd.size();
  while (end > 0 && line[end - 1] == ' ') {
    --end;
  }
  const std::size_t before = FindLast<' ', '('>(line, 0, end);
  if (before == std::string_view::npos) {
    return kNoAmount;  // no bracket
  }
  const std::int64_t price =
      ParseAmount(line.substr(before + 1, end - before - 1), kPriceSeparator);
  if (price == kNoAmount ||
      (line[before] == ' ' && FindLast<'(', '('>(line, 0, before) == std::string_view::npos)) {
    return kNoAmount;
  }
  return price;
}

// Only blanks and \t \n \v \f \r, or nothing.
bool IsBlankByte(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsBlank(std::string_view line) {
  return std::all_of(line.begin(), line.end(), IsBlankByte);
}

// Whether `text` is `word`, which has 8 to 16 bytes: two word loads from each, which overlap.
bool SameShortText(std::string_view text, std::string_view word) {
  const std::size_t n = word.size();
  return text.size() == n && ((Load8(text.data()) ^ Load8(word.data())) |
                              (Load8(text.data() + n - 8) ^ Load8(word.data() + n - 8))) == 0;
}

// Whether " plus " occurs in `line`, as FindBlankWord finds it. Eight starts at a time are
// tested for a blank and a "p" with two word loads; only a match is compared by hand.
bool HasScrollSpellStart(std::string_view line) {
  static_assert(kScrollSpellStart == " plus ");
  const std::size_t n = line.size();
  std::size_t start = 0;
  // Starts start .. start + 7 need bytes to start + 8; the last word is read to the line's end.
  while (start + 9 <= n) {
    const std::uint64_t pair = (Load8(line.data() + start) ^ (kOnes * ' ')) |
                               (Load8(line.data() + start + 1) ^ (kOnes * 'p'));
    if (((pair - kOnes) & ~pair & kHighs) != 0 &&
        FindBlankWord(line.substr(start, std::min<std::size_t>(n - start, 8 + 5)),
                      kScrollSpellStart) != std::string_view::npos) {
      return true;
    }
    start += 8;
  }
  return FindBlankWord(line.substr(start), kScrollSpellStart) != std::string_view::npos;
}

// The metal of a coin suffix by its initial (" Copper coins"), a letter's last five bits, which
// tell the five apart; any other byte gives some metal whose suffix the caller then compares.
constexpr auto kMetalByInitial = [] {
  std::array<Metal, 32> metals{};
  for (std::size_t m = 0; m < kMetalCount; ++m) {
    metals[static_cast<unsigned char>(kCoinSuffixes[m][1]) % metals.size()] = static_cast<Metal>(m);
  }
  return metals;
}();
static_assert([] {
  for (std::size_t m = 0; m < kMetalCount; ++m) {
    if (kMetalByInitial[static_cast<unsigned char>(kCoinSuffixes[m][1]) % kMetalByInitial.size()] !=
        static_cast<Metal>(m)) {
      return false;
    }
  }
  return true;
}());

void AddCoins(Totals& totals, Metal metal, std::int64_t amount, LineValue& value) {
  value.kind = LineKind::Coins;
  value.metal = metal;
  value.amount = amount;
  const Copper copper = SaturatingMul(amount, CopperPer(metal, totals.exchange));
  value.value = copper;
  auto& coins = totals.coins[static_cast<std::size_t>(metal)];
  coins = SaturatingAdd(coins, amount);
  totals.coinsValue = SaturatingAdd(totals.coinsValue, copper);
}

void AddLot(Totals& totals, LineKind kind, std::int64_t pieces, std::int64_t total,
            LineValue& value) {
  value.kind = kind;
  value.pieces = pieces;
  const Copper copper = SaturatingMul(total, CopperPerGold(totals.exchange));
  value.value = copper;
  const bool gems = kind == LineKind::Gems;
  std::int64_t& allPieces = gems ? totals.gemPieces : totals.jewelryPieces;
  Copper& allValue = gems ? totals.gemsValue : totals.jewelryValue;
  allPieces = SaturatingAdd(allPieces, pieces);
  allValue = SaturatingAdd(allValue, copper);
}

// Coins or a lot, with any separator: each form tried in turn, a lot where its word first occurs.
bool ValueAmountLineByForms(std::string_view line, const Separator& separator, Totals& totals,
                            LineValue& value) {
  for (std::size_t m = 0; m < kMetalCount; ++m) {
    if (const std::int64_t amount = AmountBefore(line, kCoinSuffixes[m], separator);
        amount != kNoAmount) {
      AddCoins(totals, static_cast<Metal>(m), amount, value);
      return true;
    }
  }
  Lot lot;
  for (const auto& [word, kind] : kLots) {
    if (ParseLot(line, word, separator, lot)) {
      AddLot(totals, kind, lot.pieces, lot.total, value);
      return true;
    }
  }
  return false;
}

// Coins or a lot, when `line`, which begins with a digit, is one. Without a blank in the
// separator the amount of either ends at the line's first blank, where the coin suffix or the
// lot's word must then stand (nowhere else can it first occur), so the amount is read once and
// the form told by the text after it.
bool ValueAmountLine(std::string_view line, const Separator& separator, Totals& totals,
                     LineValue& value) {
  if (separator.blank) {
    return ValueAmountLineByForms(line, separator, totals, value);
  }
  const char* const end = line.data() + line.size();
  const char* stop = nullptr;
  const ShortAmount leading = ReadShortAmount(line, 0, separator);
  std::int64_t amount = leading.value;
  if (amount != kNoAmount && leading.next == ' ') {
    stop = line.data() + leading.length;
  } else {
    amount = ReadAmount(line.data(), end, separator, stop);
  }
  if (amount == kNoAmount || stop == end || *stop != ' ') {
    return false;
  }
  const std::string_view rest(stop, static_cast<std::size_t>(end - stop));
  // Coins: the suffix of the metal its initial names (the suffixes have 11 to 15 bytes, which
  // SameShortText compares).
  if (rest.size() >= 8 && rest.size() <= 16) {
    const Metal metal =
        kMetalByInitial[static_cast<unsigned char>(rest[1]) % kMetalByInitial.size()];
    if (SameShortText(rest, kCoinSuffixes[static_cast<std::size_t>(metal)])) {
      AddCoins(totals, metal, amount, value);
      return true;
    }
  }
  // A lot: its word, then its bracket.
  const bool gems = BeginsWith(rest, kGemsWord);
  if (!gems && !BeginsWith(rest, kJewelryWord)) {
    return false;
  }
  const std::size_t open = line.size() - rest.size() + (gems ? kGemsWord : kJewelryWord).size();
  if (open >= line.size() || line[open] != '(') {
    return false;
  }
  std::string_view name;
  const std::int64_t total = LotTotal(line, open, separator, name);
  if (total == kNoAmount) {
    return false;
  }
  AddLot(totals, gems ? LineKind::Gems : LineKind::Jewelry, amount, total, value);
  return true;
}

// Fills `value`, a default LineValue, in place, and adds it to `totals`.
void ValueLine(std::string_view line, const Separator& separator, bool itemAbove, Totals& totals,
               LineValue& value) {
  // A blank line ends in a blank, and most lines do not.
  if (line.empty() || (IsBlankByte(line.back()) && IsBlank(line))) {
    value.kind = LineKind::Blank;
    return;
  }
  if (line == kMapLine) {
    value.kind = LineKind::Map;
    ++totals.maps;
    return;
  }
  if (line == kNothingFound) {
    value.kind = LineKind::Nothing;
    return;
  }
  // Coin and lot lines begin with their amount; most item lines begin with a letter.
  if (IsDigit(line.front()) && ValueAmountLine(line, separator, totals, value)) {
    return;
  }
  if (itemAbove && HasScrollSpellStart(line)) {
    value.kind = LineKind::ScrollSpell;
    return;
  }
  // A priced line has the form of the tables' priced items; an unpriced one must be a line the
  // tables write.
  const std::int64_t price = ItemPrice(line);
  if (price == kNoAmount && !IsTableItemLine(line)) {
    value.kind = LineKind::Other;
    ++totals.otherLines;
    return;
  }
  value.kind = LineKind::Magic;
  ++totals.magicItems;
  if (price != kNoAmount) {
    const Copper copper = SaturatingMul(price, CopperPerGold(totals.exchange));
    value.value = copper;
    ++totals.pricedItems;
    totals.itemsValue = SaturatingAdd(totals.itemsValue, copper);
  }
}

}  // namespace

Copper Totals::treasureValue() const {
  return SaturatingAdd(SaturatingAdd(coinsValue, gemsValue), jewelryValue);
}

std::int64_t Totals::coinCount() const {
  std::int64_t count = 0;
  for (const std::int64_t metal : coins) {
    count = SaturatingAdd(count, metal);
  }
  return count;
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
  valuation.lines.reserve(lines.size());
  Totals none;  // set whole, as a copy: GCC zeroes a struct in place with a slow "rep stos"
  none.exchange = exchange;
  valuation.totals = none;
  Totals& totals = valuation.totals;
  const Separator thousands(separator);
  bool itemAbove = false;  // the last line that was not blank belongs to a magic item
  for (const std::string_view line : lines) {
    LineValue& value = valuation.lines.emplace_back();
    ValueLine(line, thousands, itemAbove, totals, value);
    if (value.kind != LineKind::Blank) {
      itemAbove = value.kind == LineKind::Magic || value.kind == LineKind::ScrollSpell;
    }
  }
}

std::string_view LotName(std::string_view line, std::string_view separator) {
  Lot lot;
  for (const auto& [word, kind] : kLots) {
    if (ParseLot(line, word, Separator(separator), lot)) {
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

std::string PoundsText(std::int64_t coins, std::string_view separator) {
  std::string text = NumberText(coins / kCoinsPerPound, separator);
  if (const std::int64_t tenths = coins % kCoinsPerPound; tenths != 0) {
    text += '.';
    text += static_cast<char>('0' + tenths);
  }
  return text;
}

std::string WeightText(std::int64_t coins, std::string_view separator) {
  return PoundsText(coins, separator) + " lb";
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
  constexpr std::string_view kNames[] = {"coins", "gems",    "jewelry", "magic", "scroll_spell",
                                         "map",   "nothing", "blank",   "other"};
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
