#include "formats/json_line.h"

#include <array>
#include <charconv>
#include <cstdint>
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

void AppendEscape(std::string& out, char c) {
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
      out.append(code, sizeof code);
    }
  }
}

// The inside of a JSON string as JsonText writes it, without its quotes: plain ASCII and
// well-formed UTF-8 are copied in runs and escapes written here; text that is not UTF-8 goes to
// the JSON library, which replaces what is ill-formed.
void AppendBody(std::string& out, std::string_view text) {
  const std::size_t mark = out.size();
  std::size_t run = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const ByteNeed need = kByteNeeds[static_cast<unsigned char>(text[i])];
    if (need == ByteNeed::Copy) {
      ++i;
    } else if (need == ByteNeed::Escape) {
      out.append(text.data() + run, i - run);
      AppendEscape(out, text[i]);
      run = ++i;
    } else if (const Utf8Step step = DecodeUtf8(text.substr(i)); step.valid) {
      i += step.length;
    } else {
      out.resize(mark);
      const std::string quoted =
          Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace);
      out.append(quoted, 1, quoted.size() - 2);
      return;
    }
  }
  out.append(text.data() + run, text.size() - run);
}

template <typename Integer>
void AppendInteger(std::string& out, Integer value) {
  std::array<char, 24> digits{};
  char* end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  out.append(digits.data(), end);
}

// `[` the strings `]`.
void AppendStrings(std::string& out, const std::vector<std::string>& lines) {
  if (lines.empty()) {
    out += "[]"sv;
    return;
  }
  out += "[\""sv;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) {
      out += "\",\""sv;
    }
    AppendBody(out, lines[i]);
  }
  out += "\"]"sv;
}

void AppendRequest(std::string& out, const HoardRequest& request, std::string_view separator) {
  out += "{\"types\":{"sv;
  bool first = true;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (request.Count(letter) > 0) {
      const char key[] = {',', '"', letter, '"', ':'};
      out.append(key + (first ? 1 : 0), key + sizeof key);
      AppendInteger(out, request.Count(letter));
      first = false;
    }
  }
  out += "},\"coins\":"sv;
  AppendInteger(out, request.CustCoins);
  out += ",\"gems\":"sv;
  AppendInteger(out, request.CustGems);
  out += ",\"jewelry\":"sv;
  AppendInteger(out, request.CustJewelry);
  out += ",\"magic\":"sv;
  AppendInteger(out, request.CustMagic);
  out += ",\"title\":\""sv;
  AppendBody(out, request.Title);
  out += "\",\"separator\":\""sv;
  AppendBody(out, separator);
  out += "\"}"sv;
}

void AppendPiecesAndGold(std::string& out, std::int64_t pieces, worth::Copper gp,
                         worth::Exchange exchange) {
  out += "{\"pieces\":"sv;
  AppendInteger(out, pieces);
  out += ",\"gp\":"sv;
  AppendGold(out, gp, exchange);
  out += '}';
}

void AppendWorth(std::string& out, const worth::Totals& t) {
  out += "{\"rates\":\""sv;
  AppendBody(out, worth::ExchangeName(t.exchange));
  out += "\",\"coins\":{"sv;
  for (std::size_t m = 0; m < worth::kMetalCount; ++m) {
    out += m > 0 ? ",\""sv : "\""sv;
    out += worth::MetalName(static_cast<worth::Metal>(m));
    out += "\":"sv;
    AppendInteger(out, t.coins[m]);
  }
  out += "},\"coins_gp\":"sv;
  AppendGold(out, t.coinsValue, t.exchange);
  out += ",\"gems\":"sv;
  AppendPiecesAndGold(out, t.gemPieces, t.gemsValue, t.exchange);
  out += ",\"jewelry\":"sv;
  AppendPiecesAndGold(out, t.jewelryPieces, t.jewelryValue, t.exchange);
  out += ",\"magic_items\":{\"count\":"sv;
  AppendInteger(out, t.magicItems);
  out += ",\"priced\":"sv;
  AppendInteger(out, t.pricedItems);
  out += ",\"gp\":"sv;
  AppendGold(out, t.itemsValue, t.exchange);
  out += "},\"maps\":"sv;
  AppendInteger(out, t.maps);
  out += ",\"treasure_gp\":"sv;
  AppendGold(out, t.treasureValue(), t.exchange);
  out += ",\"total_gp\":"sv;
  AppendGold(out, t.totalValue(), t.exchange);
  out += '}';
}

void AppendDMLines(std::string& out, const Hoard& hoard, const worth::Valuation& valuation) {
  const std::vector<std::string>& lines = hoard.DMList;
  const std::vector<LineOrigin>& origins = hoard.DMOrigins;
  out += '[';
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const worth::LineValue& value = valuation.lines[i];
    out += i > 0 ? ",{\"text\":\""sv : "{\"text\":\""sv;
    AppendBody(out, lines[i]);
    out += "\",\"kind\":\""sv;
    AppendBody(out, worth::KindName(value.kind));
    out += '"';
    if (value.kind == worth::LineKind::Coins) {
      out += ",\"metal\":\""sv;
      AppendBody(out, worth::MetalName(value.metal));
      out += "\",\"amount\":"sv;
      AppendInteger(out, value.amount);
    }
    if (value.kind == worth::LineKind::Gems || value.kind == worth::LineKind::Jewelry) {
      out += ",\"pieces\":"sv;
      AppendInteger(out, value.pieces);
    }
    if (value.value) {
      out += ",\"gp\":"sv;
      AppendGold(out, *value.value, valuation.totals.exchange);
    }
    if (i < origins.size() && origins[i].family != Family::None) {
      out += ",\"family\":\""sv;
      AppendBody(out, FamilyName(origins[i].family));
      out += "\",\"table\":\""sv;
      AppendBody(out, origins[i].table);
      out += '"';
    }
    out += '}';
  }
  out += ']';
}

}  // namespace

void AppendGold(std::string& out, worth::Copper value, worth::Exchange exchange) {
  const worth::Copper perGold = worth::CopperPerGold(exchange);
  if (value % perGold == 0) {
    AppendInteger(out, value / perGold);
    return;
  }
  // Below kExactGoldBelow the exact decimal of value / perGold has at most fifteen significant
  // digits, so it is the shortest form of the nearest double, the form the JSON library writes.
  if (value > 0 && value < kExactGoldBelow && 1000 % perGold == 0) {
    AppendInteger(out, value / perGold);
    const worth::Copper thousandths = value % perGold * (1000 / perGold);
    const char decimals[] = {'.', static_cast<char>('0' + thousandths / 100),
                             static_cast<char>('0' + thousandths / 10 % 10),
                             static_cast<char>('0' + thousandths % 10)};
    std::size_t length = sizeof decimals;
    while (decimals[length - 1] == '0') {
      --length;
    }
    out.append(decimals, length);
    return;
  }
  std::array<char, 64> text{};
  char* end = nlohmann::detail::to_chars(text.data(), text.data() + text.size(),
                                         static_cast<double>(value) / static_cast<double>(perGold));
  out.append(text.data(), end);
}

void AppendHoardJsonLine(std::string& out, const HoardRecord& record) {
  const Hoard& hoard = record.hoard;
  out += "{\"title\":\""sv;
  AppendBody(out, record.request.Title);
  out += "\",\"seed\":"sv;
  AppendInteger(out, record.request.Seed);
  out += ",\"request\":"sv;
  AppendRequest(out, record.request, record.separator);
  out += ",\"caption\":\""sv;
  AppendBody(out, hoard.Caption);
  out += "\",\"dm\":"sv;
  AppendStrings(out, hoard.DMList);
  out += ",\"players\":"sv;
  AppendStrings(out, hoard.PlayersList);
  out += ",\"worth\":"sv;
  AppendWorth(out, record.dm.totals);
  out += ",\"dm_lines\":"sv;
  AppendDMLines(out, hoard, record.dm);
  out += ",\"vorneth\":{\"version\":\""sv;
  AppendBody(out, kVersion);
  out += "\",\"format\":"sv;
  AppendInteger(out, kExportFormat);
  out += "}}"sv;
}

}  // namespace vorneth::formats
