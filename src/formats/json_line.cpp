#include "formats/json_line.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "formats/json_export.h"
#include "formats/json_line_sink.h"
#include "version.h"

namespace vorneth::formats {

namespace {

using jsonl::kNumberRoom;
using jsonl::Piece;
using jsonl::Put;
using jsonl::PutInteger;
using jsonl::Sink;
using namespace std::string_view_literals;

// Copper amounts below this are worth less than 10^12 gold pieces: at most twelve whole digits
// and three decimals.
constexpr worth::Copper kExactGoldBelow = 100'000'000'000'000;

// The kinds of line, Blank the last.
constexpr std::size_t kKindCount = static_cast<std::size_t>(worth::LineKind::Blank) + 1;

// The names of this program's own (kinds, metals, families) with the keys around them, each
// copied whole: they are plain ASCII words and need no look for escapes.
struct Pieces {
  std::array<Piece, kKindCount> kind;              // ","kind":"coins"
  std::array<Piece, worth::kMetalCount> amountOf;  // ,"metal":"gold","amount":
  std::array<Piece, worth::kMetalCount> coinsKey;  // ,"gold":   (the first without its comma)
  std::array<Piece, kFamilyNames.size()> family;   // ,"family":"potion","table":"
};

const Pieces kPieces = [] {
  Pieces pieces;
  for (std::size_t k = 0; k < kKindCount; ++k) {
    pieces.kind[k] = jsonl::MakePiece(
        {R"(","kind":")", worth::KindName(static_cast<worth::LineKind>(k)), R"(")"});
  }
  for (std::size_t m = 0; m < worth::kMetalCount; ++m) {
    const std::string_view metal = worth::MetalName(static_cast<worth::Metal>(m));
    pieces.amountOf[m] = jsonl::MakePiece({R"(,"metal":")", metal, R"(","amount":)"});
    pieces.coinsKey[m] = jsonl::MakePiece({m > 0 ? R"(,")" : R"(")", metal, R"(":)"});
  }
  for (std::size_t f = 0; f < kFamilyNames.size(); ++f) {
    pieces.family[f] = jsonl::MakePiece({R"(,"family":")", kFamilyNames[f], R"(","table":")"});
  }
  return pieces;
}();

// Gold pieces of `value` copper at `perGold` copper a gold piece; PerGold, when not 0, is
// perGold known when compiled, so the divisions by it are multiplications.
template <worth::Copper PerGold>
char* PutGoldAt(char* at, worth::Copper value, worth::Copper perGold) {
  if constexpr (PerGold != 0) {
    perGold = PerGold;
  }
  const worth::Copper whole = value / perGold;
  const worth::Copper rest = value % perGold;
  if (rest == 0) {
    return PutInteger(at, whole);
  }
  // Below kExactGoldBelow the exact decimal of value / perGold has at most fifteen significant
  // digits, so no other decimal as short reads back as the same double: it is the double's
  // shortest form. The JSON library finds it too: a whole number of thousandths is a whole
  // number of 125ths of a unit in the last place away from the double, so it lies at least a
  // 250th of a unit inside the double's bounds, and the library's digit search misses only what
  // lies within about a thousandth of a unit of them.
  if (value > 0 && value < kExactGoldBelow && 1000 % perGold == 0) {
    at = PutInteger(at, whole);
    const worth::Copper thousandths = rest * (1000 / perGold);
    at[0] = '.';
    at[1] = static_cast<char>('0' + thousandths / 100);
    at[2] = static_cast<char>('0' + thousandths / 10 % 10);
    at[3] = static_cast<char>('0' + thousandths % 10);
    std::size_t length = 4;
    while (at[length - 1] == '0') {
      --length;
    }
    return at + length;
  }
  return nlohmann::detail::to_chars(at, at + kNumberRoom,
                                    static_cast<double>(value) / static_cast<double>(perGold));
}

// The exchanges' rates as a batch meets them, each with divisions of its own; any other rate is
// divided by as it comes.
constexpr worth::Copper kFirstEditionPerGold = worth::CopperPerGold(worth::Exchange::FirstEdition);
constexpr worth::Copper kBasicPerGold = worth::CopperPerGold(worth::Exchange::Basic);

// Gold pieces as a JSON number, byte for byte JsonText(GoldJson(value, exchange), -1).
char* PutGold(char* at, worth::Copper value, worth::Copper perGold) {
  switch (perGold) {
    case kFirstEditionPerGold:
      return PutGoldAt<kFirstEditionPerGold>(at, value, perGold);
    case kBasicPerGold:
      return PutGoldAt<kBasicPerGold>(at, value, perGold);
    default:
      return PutGoldAt<0>(at, value, perGold);
  }
}

// Room for a line copied as it is, kBlock bytes past its end and a few more.
constexpr std::size_t RoomForLine(std::size_t bytes) {
  return bytes + jsonl::kBlock + 16;
}

// `[` the strings `]`; `copyable` when no byte of any line needs more than a copy.
void AddStrings(Sink& out, const LineList& lines, bool copyable) {
  if (lines.empty()) {
    out += "[]"sv;
    return;
  }
  const char* const readableEnd = lines.Text().data() + lines.Text().size();
  out += "[\""sv;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (copyable && RoomForLine(line.size()) <= Sink::kMaxPiece) {
      char* at = out.Room(RoomForLine(line.size()));
      at = jsonl::PutCopied(i > 0 ? Put(at, R"(",")") : at, line, readableEnd);
      out.CommitTo(at);
    } else {
      if (i > 0) {
        out += "\",\""sv;
      }
      jsonl::AddBody(out, line);
    }
  }
  out += "\"]"sv;
}

// The request's keys and numbers, up to its title: well under a piece.
constexpr std::size_t kRequestRoom = 26 * (5 + kNumberRoom) + 80 + 4 * kNumberRoom;
static_assert(kRequestRoom <= Sink::kMaxPiece);

void AddRequest(Sink& out, const HoardRequest& request, std::string_view separator) {
  char* at = Put(out.Room(kRequestRoom), R"({"types":{)");
  bool first = true;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (request.Count(letter) > 0) {
      if (!first) {
        at = Put(at, ',');
      }
      const char key[] = {'"', letter, '"', ':'};
      std::memcpy(at, key, sizeof key);
      at = PutInteger(at + sizeof key, request.Count(letter));
      first = false;
    }
  }
  at = PutInteger(Put(at, R"(},"coins":)"), request.CustCoins);
  at = PutInteger(Put(at, R"(,"gems":)"), request.CustGems);
  at = PutInteger(Put(at, R"(,"jewelry":)"), request.CustJewelry);
  at = PutInteger(Put(at, R"(,"magic":)"), request.CustMagic);
  out.CommitTo(Put(at, R"(,"title":")"));
  jsonl::AddBody(out, request.Title);
  out += R"(","separator":")"sv;
  jsonl::AddBody(out, separator);
  out += R"("})"sv;
}

char* PutPiecesAndGold(char* at, std::int64_t pieces, worth::Copper gp, worth::Copper perGold) {
  at = PutInteger(Put(at, R"({"pieces":)"), pieces);
  return Put(PutGold(Put(at, R"(,"gp":)"), gp, perGold), '}');
}

// The totals' keys and an exchange's name (a few bytes), fifteen numbers and the pieces of
// five metals: well under a piece.
constexpr std::size_t kWorthRoom = 400 + 15 * kNumberRoom + worth::kMetalCount * Piece::kRoom;
static_assert(kWorthRoom <= Sink::kMaxPiece);

void AddWorth(Sink& out, const worth::Totals& t) {
  const worth::Copper perGold = worth::CopperPerGold(t.exchange);
  char* at = Put(out.Room(kWorthRoom), R"({"rates":")");
  at = Put(Put(at, worth::ExchangeName(t.exchange)), R"(","coins":{)");
  for (std::size_t m = 0; m < worth::kMetalCount; ++m) {
    at = PutInteger(Put(at, kPieces.coinsKey[m]), t.coins[m]);
  }
  at = PutGold(Put(at, R"(},"coins_gp":)"), t.coinsValue, perGold);
  at = PutPiecesAndGold(Put(at, R"(,"gems":)"), t.gemPieces, t.gemsValue, perGold);
  at = PutPiecesAndGold(Put(at, R"(,"jewelry":)"), t.jewelryPieces, t.jewelryValue, perGold);
  at = PutInteger(Put(at, R"(,"magic_items":{"count":)"), t.magicItems);
  at = PutInteger(Put(at, R"(,"priced":)"), t.pricedItems);
  at = PutGold(Put(at, R"(,"gp":)"), t.itemsValue, perGold);
  at = PutInteger(Put(at, R"(},"maps":)"), t.maps);
  at = PutGold(Put(at, R"(,"treasure_gp":)"), t.treasureValue(), perGold);
  at = PutGold(Put(at, R"(,"total_gp":)"), t.totalValue(), perGold);
  out.CommitTo(Put(at, '}'));
}

// What follows a DM line's text up to its table's name: a few keys, three pieces and three
// numbers.
constexpr std::size_t kLineFactsRoom = 64 + 3 * Piece::kRoom + 3 * kNumberRoom;

// `copyable` when no byte of any DM line needs more than a copy.
void AddDMLines(Sink& out, const Hoard& hoard, const worth::Valuation& valuation, bool copyable) {
  const worth::Copper perGold = worth::CopperPerGold(valuation.totals.exchange);
  const LineList& lines = hoard.DMList;
  const char* const readableEnd = lines.Text().data() + lines.Text().size();
  const std::vector<LineOrigin>& origins = hoard.DMOrigins;
  out += "["sv;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const worth::LineValue& value = valuation.lines[i];
    const std::string_view line = lines[i];
    const std::size_t room = kLineFactsRoom + RoomForLine(line.size());
    char* at = nullptr;
    if (copyable && room <= Sink::kMaxPiece) {
      at = out.Room(room);
      at = Put(i > 0 ? Put(at, ',') : at, R"({"text":")");
      at = jsonl::PutCopied(at, line, readableEnd);
    } else {
      out += i > 0 ? R"(,{"text":")"sv : R"({"text":")"sv;
      jsonl::AddBody(out, line);
      at = out.Room(kLineFactsRoom);
    }
    at = Put(at, kPieces.kind[static_cast<std::size_t>(value.kind)]);
    if (value.kind == worth::LineKind::Coins) {
      at = PutInteger(Put(at, kPieces.amountOf[static_cast<std::size_t>(value.metal)]),
                      value.amount);
    }
    if (value.kind == worth::LineKind::Gems || value.kind == worth::LineKind::Jewelry) {
      at = PutInteger(Put(at, R"(,"pieces":)"), value.pieces);
    }
    if (value.value) {
      at = PutGold(Put(at, R"(,"gp":)"), *value.value, perGold);
    }
    if (i < origins.size() && origins[i].family != Family::None) {
      out.CommitTo(Put(at, kPieces.family[static_cast<std::size_t>(origins[i].family)]));
      out += origins[i].table;
      out += R"("})"sv;
    } else {
      out.CommitTo(Put(at, '}'));
    }
  }
  out += "]"sv;
}

}  // namespace

void AppendGold(std::string& text, worth::Copper value, worth::Exchange exchange) {
  Sink out(text);
  out.CommitTo(PutGold(out.Room(kNumberRoom), value, worth::CopperPerGold(exchange)));
}

void AppendHoardJsonLine(std::string& text, const HoardRecord& record) {
  Sink out(text);
  const Hoard& hoard = record.hoard;
  out += R"({"title":")"sv;
  jsonl::AddBody(out, record.request.Title);
  char* at = Put(out.Room(32 + kNumberRoom), R"(","seed":)");
  out.CommitTo(Put(PutInteger(at, record.request.Seed), R"(,"request":)"));
  AddRequest(out, record.request, record.separator);
  out += R"(,"caption":")"sv;
  jsonl::AddBody(out, hoard.Caption);
  // The DM lines, written twice, and the players lines are mostly plain ASCII: looked at once
  // as a whole, they are then copied without a look.
  const bool dmCopyable = jsonl::AllCopyable(hoard.DMList.Text());
  out += R"(","dm":)"sv;
  AddStrings(out, hoard.DMList, dmCopyable);
  out += R"(,"players":)"sv;
  AddStrings(out, hoard.PlayersList, jsonl::AllCopyable(hoard.PlayersList.Text()));
  out += R"(,"worth":)"sv;
  AddWorth(out, record.dm.totals);
  out += R"(,"dm_lines":)"sv;
  AddDMLines(out, hoard, record.dm, dmCopyable);
  out += R"(,"vorneth":{"version":")"sv;
  out += kVersion;
  at = Put(out.Room(32 + kNumberRoom), R"(","format":)");
  out.CommitTo(Put(PutInteger(at, kExportFormat), "}}"));
}

}  // namespace vorneth::formats
