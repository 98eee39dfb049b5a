#include "formats/json_line.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/utf8.h"
#include "formats/json_export.h"
#include "version.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#define VORNETH_JSON_SSE2 1
#elif defined(__wasm_simd128__)
#include <wasm_simd128.h>
#define VORNETH_JSON_WASM 1
#endif

namespace vorneth::formats {

namespace {

using namespace std::string_view_literals;

// What a byte of a string needs: nothing (copied as it is), an escape, or a look at the UTF-8
// character it starts.
enum class ByteNeed : unsigned char { Copy, Escape, Utf8 };

constexpr std::array<ByteNeed, 256> kByteNeeds = [] {
  std::array<ByteNeed, 256> needs{};
  for (std::size_t b = 0; b < 256; ++b) {
    needs[b] = b < 0x20 || b == '"' || b == '\\' ? ByteNeed::Escape
               : b >= 0x80                       ? ByteNeed::Utf8
                                                 : ByteNeed::Copy;
  }
  return needs;
}();

// Copper amounts below this are worth less than 10^12 gold pieces: at most twelve whole digits
// and three decimals.
constexpr worth::Copper kExactGoldBelow = 100'000'000'000'000;

// Gathers a record's bytes in a small buffer and appends them to the string a buffer at a time,
// so each of the many short pieces of a record costs a copy rather than a call into the string.
class Sink {
 public:
  explicit Sink(std::string& out) : out_(out) {}
  Sink(const Sink&) = delete;
  Sink& operator=(const Sink&) = delete;
  ~Sink() { Flush(); }

  Sink& operator+=(char c) {
    *Room(1) = c;
    ++used_;
    return *this;
  }

  Sink& operator+=(std::string_view text) {
    if (text.size() > buffer_.size() - used_) {
      Spill(text);
    } else {
      std::memcpy(buffer_.data() + used_, text.data(), text.size());
      used_ += text.size();
    }
    return *this;
  }

  // The most bytes Room hands out.
  static constexpr std::size_t kMaxPiece = 1024;

  // Where `bytes` more, at most kMaxPiece, can be written; Commit then takes those written.
  char* Room(std::size_t bytes) {
    if (bytes > buffer_.size() - used_) {
      Flush();
    }
    return buffer_.data() + used_;
  }
  void Commit(std::size_t bytes) { used_ += bytes; }

  template <typename Integer>
  void AddInteger(Integer value) {
    Advance(std::to_chars(Room(kNumberRoom), End(), value).ptr);
  }

  // The JSON library's shortest form of the double.
  void AddDouble(double value) {
    Advance(nlohmann::detail::to_chars(Room(kNumberRoom), End(), value));
  }

 private:
  static constexpr std::size_t kNumberRoom = 64;  // more than the longest number written

  char* End() { return buffer_.data() + buffer_.size(); }
  void Advance(const char* written) { used_ = static_cast<std::size_t>(written - buffer_.data()); }

  void Flush() {
    out_.append(buffer_.data(), used_);
    used_ = 0;
  }

  // Text that does not fit in what is left of the buffer: out of line, so that adding a piece
  // stays a few instructions.
  [[gnu::noinline]] void Spill(std::string_view text) {
    Flush();
    if (text.size() > buffer_.size()) {
      out_ += text;
    } else {
      *this += text;
    }
  }

  std::string& out_;
  std::array<char, 2 * kMaxPiece> buffer_;  // written before it is read
  std::size_t used_ = 0;
};

void AddEscape(Sink& out, char c) {
  switch (c) {
    case '"':
      out += "\\\""sv;
      break;
    case '\\':
      out += "\\\\"sv;
      break;
    case '\b':
      out += "\\b"sv;
      break;
    case '\f':
      out += "\\f"sv;
      break;
    case '\n':
      out += "\\n"sv;
      break;
    case '\r':
      out += "\\r"sv;
      break;
    case '\t':
      out += "\\t"sv;
      break;
    default: {
      constexpr char kHex[] = "0123456789abcdef";
      const char code[] = {'\\',
                           'u',
                           '0',
                           '0',
                           kHex[static_cast<unsigned char>(c) >> 4U],
                           kHex[static_cast<unsigned char>(c) & 0xFU]};
      out += std::string_view(code, sizeof code);
    }
  }
}

// Bytes looked at a time by the scan of a string.
constexpr std::size_t kBlock = 16;

// Copies the sixteen bytes at `from` to `to` and returns a bit per byte (the first byte's the
// lowest) set where the byte needs more than a copy: one below 0x20, a quote, a backslash, or
// one of 0x80 and above. Compared as signed bytes, those of 0x80 and above are below 0x20 too.
unsigned CopyBlock(char* to, const char* from) {
#if defined(VORNETH_JSON_SSE2)
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(to), bytes);
  const __m128i special = _mm_or_si128(_mm_cmplt_epi8(bytes, _mm_set1_epi8(0x20)),
                                       _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('"')),
                                                    _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\\'))));
  return static_cast<unsigned>(_mm_movemask_epi8(special));
#elif defined(VORNETH_JSON_WASM)
  const v128_t bytes = wasm_v128_load(from);
  wasm_v128_store(to, bytes);
  const v128_t special = wasm_v128_or(wasm_i8x16_lt(bytes, wasm_i8x16_splat(0x20)),
                                      wasm_v128_or(wasm_i8x16_eq(bytes, wasm_i8x16_splat('"')),
                                                   wasm_i8x16_eq(bytes, wasm_i8x16_splat('\\'))));
  return static_cast<unsigned>(wasm_i8x16_bitmask(special));
#else
  std::memcpy(to, from, kBlock);
  unsigned special = 0;
  for (std::size_t i = 0; i < kBlock; ++i) {
    if (kByteNeeds[static_cast<unsigned char>(from[i])] != ByteNeed::Copy) {
      special |= 1U << i;
    }
  }
  return special;
#endif
}

// Whether any of the eight bytes of `word` needs more than a copy.
constexpr bool NeedsMoreThanCopy(std::uint64_t word) {
  constexpr std::uint64_t kOnes = 0x0101010101010101U;
  const auto anyZero = [](std::uint64_t w) { return (w - kOnes) & ~w; };
  return (((word - kOnes * 0x20U) & ~word) | anyZero(word ^ (kOnes * '"')) |
          anyZero(word ^ (kOnes * '\\')) | word) &
         (kOnes * 0x80U);
}

// How many bytes at the front of `text` need no more than a copy, when fewer than kBlock.
std::size_t ShortCopyable(std::string_view text) {
  if (text.size() >= sizeof(std::uint64_t)) {
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    std::memcpy(&first, text.data(), sizeof first);
    std::memcpy(&last, text.data() + text.size() - sizeof last, sizeof last);
    if (!NeedsMoreThanCopy(first) && !NeedsMoreThanCopy(last)) {
      return text.size();
    }
  }
  std::size_t i = 0;
  while (i < text.size() && kByteNeeds[static_cast<unsigned char>(text[i])] == ByteNeed::Copy) {
    ++i;
  }
  return i;
}

// Copies the front of `text` up to its first byte that needs more than a copy, or a piece of
// kMaxPiece bytes; returns how many bytes it took. A long text is copied a block at a time
// straight into the sink's buffer while the block is looked at; the last block overlaps the one
// before it rather than reading past the text.
std::size_t AddCopyable(Sink& out, std::string_view text) {
  const std::size_t size = std::min(text.size(), Sink::kMaxPiece);
  if (size < kBlock) {
    const std::size_t copyable = ShortCopyable(text.substr(0, size));
    out += text.substr(0, copyable);
    return copyable;
  }
  char* to = out.Room(size);
  const char* from = text.data();
  std::size_t i = 0;
  for (; i + kBlock < size; i += kBlock) {
    if (const unsigned special = CopyBlock(to + i, from + i)) {
      i += static_cast<std::size_t>(std::countr_zero(special));
      out.Commit(i);
      return i;
    }
  }
  const std::size_t last = size - kBlock;
  if (const unsigned special = CopyBlock(to + last, from + last) >> (i - last)) {
    i += static_cast<std::size_t>(std::countr_zero(special));
    out.Commit(i);
    return i;
  }
  out.Commit(size);
  return size;
}

// From its first byte that is not UTF-8 on, text as the JSON library writes it, which replaces
// what is ill-formed. Out of line, as text is seldom ill-formed.
[[gnu::noinline]] void AddIllFormed(Sink& out, std::string_view text) {
  const std::string quoted =
      Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace);
  out += std::string_view(quoted).substr(1, quoted.size() - 2);
}

// The inside of a JSON string as JsonText writes it, without its quotes: plain ASCII and
// well-formed UTF-8 are copied, escapes written here.
void AddBody(Sink& out, std::string_view text) {
  for (;;) {
    text.remove_prefix(AddCopyable(out, text));
    if (text.empty()) {
      return;
    }
    const ByteNeed need = kByteNeeds[static_cast<unsigned char>(text.front())];
    if (need == ByteNeed::Escape) {
      AddEscape(out, text.front());
      text.remove_prefix(1);
    } else if (need == ByteNeed::Utf8) {
      const Utf8Step step = DecodeUtf8(text);
      if (!step.valid) {
        AddIllFormed(out, text);
        return;
      }
      out += text.substr(0, step.length);
      text.remove_prefix(step.length);
    }
  }
}

// Gold pieces of `value` copper at `perGold` copper a gold piece; PerGold, when not 0, is
// perGold known when compiled, so the divisions by it are multiplications.
template <worth::Copper PerGold>
void AddGoldAt(Sink& out, worth::Copper value, worth::Copper perGold) {
  if constexpr (PerGold != 0) {
    perGold = PerGold;
  }
  const worth::Copper whole = value / perGold;
  const worth::Copper rest = value % perGold;
  if (rest == 0) {
    out.AddInteger(whole);
    return;
  }
  // Below kExactGoldBelow the exact decimal of value / perGold has at most fifteen significant
  // digits, so no other decimal as short reads back as the same double: it is the double's
  // shortest form. The JSON library finds it too: a whole number of thousandths is a whole
  // number of 125ths of a unit in the last place away from the double, so it lies at least a
  // 250th of a unit inside the double's bounds, and the library's digit search misses only what
  // lies within about a thousandth of a unit of them.
  if (value > 0 && value < kExactGoldBelow && 1000 % perGold == 0) {
    out.AddInteger(whole);
    const worth::Copper thousandths = rest * (1000 / perGold);
    const char decimals[] = {'.', static_cast<char>('0' + thousandths / 100),
                             static_cast<char>('0' + thousandths / 10 % 10),
                             static_cast<char>('0' + thousandths % 10)};
    std::size_t length = sizeof decimals;
    while (decimals[length - 1] == '0') {
      --length;
    }
    out += std::string_view(decimals, length);
    return;
  }
  out.AddDouble(static_cast<double>(value) / static_cast<double>(perGold));
}

// The exchanges' rates as a batch meets them, each with divisions of its own; any other rate is
// divided by as it comes.
constexpr worth::Copper kFirstEditionPerGold = 200;
constexpr worth::Copper kBasicPerGold = 100;

void AddGold(Sink& out, worth::Copper value, worth::Exchange exchange) {
  const worth::Copper perGold = worth::CopperPerGold(exchange);
  switch (perGold) {
    case kFirstEditionPerGold:
      AddGoldAt<kFirstEditionPerGold>(out, value, perGold);
      break;
    case kBasicPerGold:
      AddGoldAt<kBasicPerGold>(out, value, perGold);
      break;
    default:
      AddGoldAt<0>(out, value, perGold);
  }
}

// `[` the strings `]`.
void AddStrings(Sink& out, const LineList& lines) {
  if (lines.empty()) {
    out += "[]"sv;
    return;
  }
  out += "[\""sv;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) {
      out += "\",\""sv;
    }
    AddBody(out, lines[i]);
  }
  out += "\"]"sv;
}

void AddRequest(Sink& out, const HoardRequest& request, std::string_view separator) {
  out += "{\"types\":{"sv;
  bool first = true;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (request.Count(letter) > 0) {
      const char key[] = {',', '"', letter, '"', ':'};
      out += std::string_view(key, sizeof key).substr(first ? 1 : 0);
      out.AddInteger(request.Count(letter));
      first = false;
    }
  }
  out += "},\"coins\":"sv;
  out.AddInteger(request.CustCoins);
  out += ",\"gems\":"sv;
  out.AddInteger(request.CustGems);
  out += ",\"jewelry\":"sv;
  out.AddInteger(request.CustJewelry);
  out += ",\"magic\":"sv;
  out.AddInteger(request.CustMagic);
  out += ",\"title\":\""sv;
  AddBody(out, request.Title);
  out += "\",\"separator\":\""sv;
  AddBody(out, separator);
  out += "\"}"sv;
}

void AddPiecesAndGold(Sink& out, std::int64_t pieces, worth::Copper gp, worth::Exchange exchange) {
  out += "{\"pieces\":"sv;
  out.AddInteger(pieces);
  out += ",\"gp\":"sv;
  AddGold(out, gp, exchange);
  out += '}';
}

void AddWorth(Sink& out, const worth::Totals& t) {
  out += "{\"rates\":\""sv;
  out += worth::ExchangeName(t.exchange);
  out += "\",\"coins\":{"sv;
  for (std::size_t m = 0; m < worth::kMetalCount; ++m) {
    out += m > 0 ? ",\""sv : "\""sv;
    out += worth::MetalName(static_cast<worth::Metal>(m));
    out += "\":"sv;
    out.AddInteger(t.coins[m]);
  }
  out += "},\"coins_gp\":"sv;
  AddGold(out, t.coinsValue, t.exchange);
  out += ",\"gems\":"sv;
  AddPiecesAndGold(out, t.gemPieces, t.gemsValue, t.exchange);
  out += ",\"jewelry\":"sv;
  AddPiecesAndGold(out, t.jewelryPieces, t.jewelryValue, t.exchange);
  out += ",\"magic_items\":{\"count\":"sv;
  out.AddInteger(t.magicItems);
  out += ",\"priced\":"sv;
  out.AddInteger(t.pricedItems);
  out += ",\"gp\":"sv;
  AddGold(out, t.itemsValue, t.exchange);
  out += "},\"maps\":"sv;
  out.AddInteger(t.maps);
  out += ",\"treasure_gp\":"sv;
  AddGold(out, t.treasureValue(), t.exchange);
  out += ",\"total_gp\":"sv;
  AddGold(out, t.totalValue(), t.exchange);
  out += '}';
}

void AddDMLines(Sink& out, const Hoard& hoard, const worth::Valuation& valuation) {
  const LineList& lines = hoard.DMList;
  const std::vector<LineOrigin>& origins = hoard.DMOrigins;
  out += '[';
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const worth::LineValue& value = valuation.lines[i];
    out += i > 0 ? ",{\"text\":\""sv : "{\"text\":\""sv;
    AddBody(out, lines[i]);
    out += "\",\"kind\":\""sv;
    out += worth::KindName(value.kind);
    out += '"';
    if (value.kind == worth::LineKind::Coins) {
      out += ",\"metal\":\""sv;
      out += worth::MetalName(value.metal);
      out += "\",\"amount\":"sv;
      out.AddInteger(value.amount);
    }
    if (value.kind == worth::LineKind::Gems || value.kind == worth::LineKind::Jewelry) {
      out += ",\"pieces\":"sv;
      out.AddInteger(value.pieces);
    }
    if (value.value) {
      out += ",\"gp\":"sv;
      AddGold(out, *value.value, valuation.totals.exchange);
    }
    if (i < origins.size() && origins[i].family != Family::None) {
      out += ",\"family\":\""sv;
      out += FamilyName(origins[i].family);
      out += "\",\"table\":\""sv;
      out += origins[i].table;
      out += '"';
    }
    out += '}';
  }
  out += ']';
}

}  // namespace

void AppendGold(std::string& text, worth::Copper value, worth::Exchange exchange) {
  Sink out(text);
  AddGold(out, value, exchange);
}

void AppendHoardJsonLine(std::string& text, const HoardRecord& record) {
  Sink out(text);
  const Hoard& hoard = record.hoard;
  out += "{\"title\":\""sv;
  AddBody(out, record.request.Title);
  out += "\",\"seed\":"sv;
  out.AddInteger(record.request.Seed);
  out += ",\"request\":"sv;
  AddRequest(out, record.request, record.separator);
  out += ",\"caption\":\""sv;
  AddBody(out, hoard.Caption);
  out += "\",\"dm\":"sv;
  AddStrings(out, hoard.DMList);
  out += ",\"players\":"sv;
  AddStrings(out, hoard.PlayersList);
  out += ",\"worth\":"sv;
  AddWorth(out, record.dm.totals);
  out += ",\"dm_lines\":"sv;
  AddDMLines(out, hoard, record.dm);
  out += ",\"vorneth\":{\"version\":\""sv;
  out += kVersion;
  out += "\",\"format\":"sv;
  out.AddInteger(kExportFormat);
  out += "}}"sv;
}

}  // namespace vorneth::formats
