#include "formats/json_line.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>

#include "formats/json_export.h"
#include "version.h"

namespace vorneth::formats {

namespace {

// What a byte of a string needs: nothing (copied as it is), an escape, or the JSON library.
enum class ByteNeed : unsigned char { Copy, Escape, Library };

constexpr std::array<ByteNeed, 256> kByteNeeds = [] {
  std::array<ByteNeed, 256> needs{};
  for (std::size_t b = 0; b < 256; ++b) {
    needs[b] = b < 0x20 || b == '"' || b == '\\' ? ByteNeed::Escape
               : b >= 0x80                       ? ByteNeed::Library
                                                 : ByteNeed::Copy;
  }
  return needs;
}();

ByteNeed NeedOf(char c) {
  return kByteNeeds[static_cast<unsigned char>(c)];
}

void AppendEscape(std::string& out, char c) {
  switch (c) {
    case '"':
      out += "\\\"";
      break;
    case '\\':
      out += "\\\\";
      break;
    case '\b':
      out += "\\b";
      break;
    case '\f':
      out += "\\f";
      break;
    case '\n':
      out += "\\n";
      break;
    case '\r':
      out += "\\r";
      break;
    case '\t':
      out += "\\t";
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

// A JSON string as JsonText writes it. Plain ASCII is copied in runs and escaped here; text
// holding other bytes goes to the JSON library, which decides what is well-formed UTF-8 and
// replaces the rest.
void AppendString(std::string& out, std::string_view text) {
  const std::size_t mark = out.size();
  out += '"';
  std::size_t run = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const ByteNeed need = NeedOf(text[i]);
    if (need == ByteNeed::Copy) {
      continue;
    }
    if (need == ByteNeed::Library) {
      out.resize(mark);
      out += Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace);
      return;
    }
    out.append(text.data() + run, i - run);
    AppendEscape(out, text[i]);
    run = i + 1;
  }
  out.append(text.data() + run, text.size() - run);
  out += '"';
}

template <typename Integer>
void AppendInteger(std::string& out, Integer value) {
  std::array<char, 24> digits{};
  char* end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  out.append(digits.data(), end);
}

// As GoldJson: an integer when whole, else the double the JSON library writes (its own
// shortest form, so the bytes are the same).
void AppendGold(std::string& out, worth::Copper value, worth::Exchange exchange) {
  const worth::Copper perGold = worth::CopperPerGold(exchange);
  if (value % perGold == 0) {
    AppendInteger(out, value / perGold);
    return;
  }
  std::array<char, 64> text{};
  char* end = nlohmann::detail::to_chars(text.data(), text.data() + text.size(),
                                         static_cast<double>(value) / static_cast<double>(perGold));
  out.append(text.data(), end);
}

// `"key":`, after a comma unless it is the first member.
void AppendKey(std::string& out, std::string_view key, bool first = false) {
  if (!first) {
    out += ',';
  }
  out += '"';
  out += key;
  out += "\":";
}

void AppendStrings(std::string& out, const std::vector<std::string>& lines) {
  out += '[';
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) {
      out += ',';
    }
    AppendString(out, lines[i]);
  }
  out += ']';
}

void AppendRequest(std::string& out, const HoardRequest& request, std::string_view separator) {
  AppendKey(out, "types", true);
  out += '{';
  bool first = true;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (request.Count(letter) > 0) {
      AppendKey(out, std::string_view(&letter, 1), first);
      AppendInteger(out, request.Count(letter));
      first = false;
    }
  }
  out += '}';
  AppendKey(out, "coins");
  AppendInteger(out, request.CustCoins);
  AppendKey(out, "gems");
  AppendInteger(out, request.CustGems);
  AppendKey(out, "jewelry");
  AppendInteger(out, request.CustJewelry);
  AppendKey(out, "magic");
  AppendInteger(out, request.CustMagic);
  AppendKey(out, "title");
  AppendString(out, request.Title);
  AppendKey(out, "separator");
  AppendString(out, separator);
}

void AppendPiecesAndGold(std::string& out, std::int64_t pieces, worth::Copper gp,
                         worth::Exchange exchange) {
  out += '{';
  AppendKey(out, "pieces", true);
  AppendInteger(out, pieces);
  AppendKey(out, "gp");
  AppendGold(out, gp, exchange);
  out += '}';
}

void AppendWorth(std::string& out, const worth::Totals& t) {
  AppendKey(out, "rates", true);
  AppendString(out, worth::ExchangeName(t.exchange));
  AppendKey(out, "coins");
  out += '{';
  for (std::size_t m = 0; m < worth::kMetalCount; ++m) {
    AppendKey(out, worth::MetalName(static_cast<worth::Metal>(m)), m == 0);
    AppendInteger(out, t.coins[m]);
  }
  out += '}';
  AppendKey(out, "coins_gp");
  AppendGold(out, t.coinsValue, t.exchange);
  AppendKey(out, "gems");
  AppendPiecesAndGold(out, t.gemPieces, t.gemsValue, t.exchange);
  AppendKey(out, "jewelry");
  AppendPiecesAndGold(out, t.jewelryPieces, t.jewelryValue, t.exchange);
  AppendKey(out, "magic_items");
  out += '{';
  AppendKey(out, "count", true);
  AppendInteger(out, t.magicItems);
  AppendKey(out, "priced");
  AppendInteger(out, t.pricedItems);
  AppendKey(out, "gp");
  AppendGold(out, t.itemsValue, t.exchange);
  out += '}';
  AppendKey(out, "maps");
  AppendInteger(out, t.maps);
  AppendKey(out, "treasure_gp");
  AppendGold(out, t.treasureValue(), t.exchange);
  AppendKey(out, "total_gp");
  AppendGold(out, t.totalValue(), t.exchange);
}

void AppendDMLines(std::string& out, const Hoard& hoard, const worth::Valuation& valuation) {
  const std::vector<std::string>& lines = hoard.DMList;
  const std::vector<LineOrigin>& origins = hoard.DMOrigins;
  out += '[';
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const worth::LineValue& value = valuation.lines[i];
    out += i > 0 ? ",{" : "{";
    AppendKey(out, "text", true);
    AppendString(out, lines[i]);
    AppendKey(out, "kind");
    AppendString(out, worth::KindName(value.kind));
    if (value.kind == worth::LineKind::Coins) {
      AppendKey(out, "metal");
      AppendString(out, worth::MetalName(value.metal));
      AppendKey(out, "amount");
      AppendInteger(out, value.amount);
    }
    if (value.kind == worth::LineKind::Gems || value.kind == worth::LineKind::Jewelry) {
      AppendKey(out, "pieces");
      AppendInteger(out, value.pieces);
    }
    if (value.value) {
      AppendKey(out, "gp");
      AppendGold(out, *value.value, valuation.totals.exchange);
    }
    if (i < origins.size() && origins[i].family != Family::None) {
      AppendKey(out, "family");
      AppendString(out, FamilyName(origins[i].family));
      AppendKey(out, "table");
      AppendString(out, origins[i].table);
    }
    out += '}';
  }
  out += ']';
}

}  // namespace

void AppendHoardJsonLine(std::string& out, const HoardRecord& record) {
  const Hoard& hoard = record.hoard;
  out += '{';
  AppendKey(out, "title", true);
  AppendString(out, record.request.Title);
  AppendKey(out, "seed");
  AppendInteger(out, record.request.Seed);
  AppendKey(out, "request");
  out += '{';
  AppendRequest(out, record.request, record.separator);
  out += '}';
  AppendKey(out, "caption");
  AppendString(out, hoard.Caption);
  AppendKey(out, "dm");
  AppendStrings(out, hoard.DMList);
  AppendKey(out, "players");
  AppendStrings(out, hoard.PlayersList);
  AppendKey(out, "worth");
  out += '{';
  AppendWorth(out, record.dm.totals);
  out += '}';
  AppendKey(out, "dm_lines");
  AppendDMLines(out, hoard, record.dm);
  AppendKey(out, "vorneth");
  out += '{';
  AppendKey(out, "version", true);
  AppendString(out, kVersion);
  AppendKey(out, "format");
  AppendInteger(out, kExportFormat);
  out += "}}";
}

}  // namespace vorneth::formats
