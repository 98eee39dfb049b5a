#include "formats/json_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/utf8.h"
#include "formats/json_export.h"
#include "version.h"

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

  // Where `bytes` more can be written, at most the buffer's size.
  char* Room(std::size_t bytes) {
    if (bytes > buffer_.size() - used_) {
      Flush();
    }
    return buffer_.data() + used_;
  }
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
  std::array<char, 2048> buffer_;  // written before it is read
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

// Whether any of the eight bytes of `word` needs more than a copy: one below 0x20, a quote, a
// backslash, or one of 0x80 and above.
constexpr bool NeedsMoreThanCopy(std::uint64_t word) {
  constexpr std::uint64_t kOnes = 0x0101010101010101U;
  const auto anyZero = [](std::uint64_t w) { return (w - kOnes) & ~w; };
  return (((word - kOnes * 0x20U) & ~word) | anyZero(word ^ (kOnes * '"')) |
          anyZero(word ^ (kOnes * '\\')) | word) &
         (kOnes * 0x80U);
}

// From its first byte that is not UTF-8 on, text as the JSON library writes it, which replaces
// what is ill-formed. Out of line, as text is seldom ill-formed.
[[gnu::noinline]] void AddIllFormed(Sink& out, std::string_view text) {
  const std::string quoted =
      Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace);
  out += std::string_view(quoted).substr(1, quoted.size() - 2);
}

// The inside of a JSON string as JsonText writes it, without its quotes: plain ASCII and
// well-formed UTF-8 are copied in runs, eight bytes looked at a time (the last eight of the text
// for what is left at its end), and escapes written here.
void AddBody(Sink& out, std::string_view text) {
  std::size_t run = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    std::uint64_t word = 0;
    if (text.size() >= sizeof word) {
      const std::size_t at = std::min(i, text.size() - sizeof word);
      std::memcpy(&word, text.data() + at, sizeof word);
      if (!NeedsMoreThanCopy(word)) {
        i = at + sizeof word;
        continue;
      }
    }
    const ByteNeed need = kByteNeeds[static_cast<unsigned char>(text[i])];
    if (need == ByteNeed::Copy) {
      ++i;
    } else if (need == ByteNeed::Escape) {
      out += text.substr(run, i - run);
      AddEscape(out, text[i]);
      run = ++i;
    } else if (const Utf8Step step = DecodeUtf8(text.substr(i)); step.valid) {
      i += step.length;
    } else {
      out += text.substr(run, i - run);
      AddIllFormed(out, text.substr(i));
      return;
    }
  }
  out += text.substr(run);
}

void AddGold(Sink& out, worth::Copper value, worth::Exchange exchange) {
  const worth::Copper perGold = worth::CopperPerGold(exchange);
  if (value % perGold == 0) {
    out.AddInteger(value / perGold);
    return;
  }
  // Below kExactGoldBelow the exact decimal of value / perGold has at most fifteen significant
  // digits, so no other decimal as short reads back as the same double: it is the double's
  // shortest form. The JSON library finds it too: a whole number of thousandths is a whole
  // number of 125ths of a unit in the last place away from the double, so it lies at least a
  // 250th of a unit inside the double's bounds, and the library's digit search misses only what
  // lies within about a thousandth of a unit of them.
  if (value > 0 && value < kExactGoldBelow && 1000 % perGold == 0) {
    out.AddInteger(value / perGold);
    const worth::Copper thousandths = value % perGold * (1000 / perGold);
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
  AddBody(out, worth::ExchangeName(t.exchange));
  out += "\",\"coins\":{"sv;
  for (std::size_t m = 0; m < worth::kMetalCount; ++m) {
    out += m > 0 ? ",\""sv : "\""sv;
    AddBody(out, worth::MetalName(static_cast<worth::Metal>(m)));
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
    AddBody(out, worth::KindName(value.kind));
    out += '"';
    if (value.kind == worth::LineKind::Coins) {
      out += ",\"metal\":\""sv;
      AddBody(out, worth::MetalName(value.metal));
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
      AddBody(out, FamilyName(origins[i].family));
      out += "\",\"table\":\""sv;
      AddBody(out, origins[i].table);
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
  AddBody(out, kVersion);
  out += "\",\"format\":"sv;
  out.AddInteger(kExportFormat);
  out += "}}"sv;
}

}  // namespace vorneth::formats
