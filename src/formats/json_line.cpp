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
constexpr std::size_t kKindCount = static_cast<std::size_t>(worth::LineKind::Other) + 1;

// Whether a line of the kind carries a count: its coins' amount or its pieces.
constexpr bool Counted(worth::LineKind kind) {
  return kind == worth::LineKind::Coins || kind == worth::LineKind::Gems ||
         kind == worth::LineKind::Jewelry;
}

// The names of this program's own (kinds, metals, families) with the keys around them, each
// copied whole: they are plain ASCII words and need no look for escapes.
struct Pieces {
  // By kind and metal: ","kind":"coins","metal":"gold","amount":  or  ","kind":"gems","pieces":
  // or  ","kind":"magic"  (the metal counts for coins only), up to the count of a Counted kind.
  std::array<std::array<Piece, worth::kMetalCount>, kKindCount> kind;
  std::array<Piece, worth::kMetalCount> coinsKey;  // ,"gold":   (the first without its comma)
  std::array<Piece, kFamilyNames.size()> family;   // ,"family":"potion","table":"
};

const Pieces kPieces = [] {
  Pieces pieces;
  for (std::size_t k = 0; k < kKindCount; ++k) {
    const auto kind = static_cast<worth::LineKind>(k);
    for (std::size_t m = 0; m < worth::kMetalCount; ++m) {
      const std::string_view metal = worth::MetalName(static_cast<worth::Metal>(m));
      pieces.kind[k][m] = jsonl::MakePiece({R"(","kind":")", worth::KindName(kind), R"(")",
                                            kind == worth::LineKind::Coins ? R"(,"metal":")" : "",
                                            kind == worth::LineKind::Coins ? metal : "",
                                            kind == worth::LineKind::Coins ? R"(","amount":)"
                                            : Counted(kind)                ? R"(,"pieces":)"
                                                                           : ""});
    }
  }
  for (std::size_t m = 0; m < worth::kMetalCount; ++m) {
    const std::string_view metal = worth::MetalName(static_cast<worth::Metal>(m));
    pieces.coinsKey[m] = jsonl::MakePiece({m > 0 ? R"(,")" : R"(")", metal, R"(":)"});
  }
  for (std::size_t f = 0; f < kFamilyNames.size(); ++f) {
    pieces.family[f] = jsonl::MakePiece({R"(,"family":")", kFamilyNames[f], R"(","table":")"});
  }
  return pieces;
}();

// The decimals of each copper amount below a gold piece of PerGold copper, when a copper piece
// is a whole number of thousandths: a point and three digits, of which those up to the last that
// is not 0 are written (none for no copper), and in the last byte how many bytes that is.
template <worth::Copper PerGold>
constexpr auto kDecimals = [] {
  std::array<std::array<char, 8>, static_cast<std::size_t>(PerGold)> decimals{};
  for (std::size_t copper = 1; copper < decimals.size(); ++copper) {
    const std::size_t thousandths = copper * (1000 / PerGold);
    std::array<char, 8>& d = decimals[copper];
    d = {'.',
         static_cast<char>('0' + thousandths / 100),
         static_cast<char>('0' + thousandths / 10 % 10),
         static_cast<char>('0' + thousandths % 10),
         0,
         0,
         0,
         4};
    while (d[static_cast<std::size_t>(d[7]) - 1] == '0') {
      --d[7];
    }
  }
  return decimals;
}();

// Gold pieces of `value` copper at PerGold copper a gold piece, a rate known when compiled so
// that the divisions by it are multiplications; byte for byte JsonText(GoldJson(value,
// exchange), -1).
template <worth::Copper PerGold>
char* PutGold(char* at, worth::Copper value) {
  // Below kExactGoldBelow the exact decimal of value / PerGold has at most fifteen significant
  // digits, so no other decimal as short reads back as the same double: it is the double's
  // shortest form. The JSON library finds it too: a whole number of thousandths is a whole
  // number of 125ths of a unit in the last place away from the double, so it lies at least a
  // 250th of a unit inside the double's bounds, and the library's digit search misses only what
  // lies within about a thousandth of a unit of them.
  if constexpr (1000 % PerGold == 0) {
    if (value >= 0 && value < kExactGoldBelow) {
      // The whole pieces, then the decimals written whole and kept as long as they are.
      at = jsonl::PutUnsigned(at, static_cast<std::uint64_t>(value / PerGold));
      const std::array<char, 8>& decimals =
          kDecimals<PerGold>[static_cast<std::size_t>(value % PerGold)];
      std::memcpy(at, decimals.data(), 4);
      return at + decimals[7];
    }
  }
  if (value % PerGold == 0) {
    return PutInteger(at, value / PerGold);
  }
  return nlohmann::detail::to_chars(at, at + kNumberRoom,
                                    static_cast<double>(value) / static_cast<double>(PerGold));
}

// Calls `write` with the exchange's copper per gold piece as a constant: write.template
// operator()<PerGold>().
template <typename Write>
void AtRate(worth::Exchange exchange, Write&& write) {
  switch (exchange) {
    case worth::Exchange::FirstEdition:
      write.template operator()<worth::CopperPerGold(worth::Exchange::FirstEdition)>();
      return;
    case worth::Exchange::Basic:
      write.template operator()<worth::CopperPerGold(worth::Exchange::Basic)>();
      return;
  }
}

// Room for a line copied as it is, kLineBlock bytes past its end and a few more.
constexpr std::size_t RoomForLine(std::size_t bytes) {
  return bytes + jsonl::kLineBlock + 16;
}

// The longest list text copied where its lines can be read past their ends.
constexpr std::size_t kListRoom = 2048;
using ListRoom = std::array<char, kListRoom + jsonl::kLineBlock>;

// Where a list's lines are copied from. Its text is looked at once as a whole: when no byte
// needs more than a copy, as for most lists, the lines are then copied without a look. A text
// that fits in `room` is copied there on the way, so that every line, the last ones too, can be
// read past its end.
class ListSource {
 public:
  ListSource(const LineList& lines, ListRoom& room) : text_(lines.Text().data()) {
    const std::string_view text = lines.Text();
    if (text.size() <= kListRoom) {
      copyable_ = jsonl::AllCopyable(text, room.data());
      from_ = room.data();
      end_ = room.data() + room.size();
    } else {
      copyable_ = jsonl::AllCopyable(text);
      from_ = text.data();
      end_ = text.data() + text.size();
    }
  }

  // Whether no byte of any line needs more than a copy.
  bool Copyable() const { return copyable_; }

  // Copies `line`, a line of the list, as PutCopied does.
  char* PutLine(char* at, std::string_view line) const {
    return jsonl::PutCopied(at, {from_ + (line.data() - text_), line.size()}, end_);
  }

 private:
  const char* text_;
  const char* from_ = nullptr;
  const char* end_ = nullptr;
  bool copyable_ = false;
};

// `[` the strings `]`.
void AddStrings(Sink& out, const LineList& lines, const ListSource& source) {
  if (lines.empty()) {
    out += "[]"sv;
    return;
  }
  // Each string is written with the `","` after it, the last one's `,"` taken back.
  out += "[\""sv;
  const std::size_t room = RoomForLine(lines.Text().size() + 3 * lines.size());
  if (source.Copyable() && room <= Sink::kMaxPiece) {
    char* at = out.Room(room);
    for (const std::string_view line : lines) {
      at = Put(source.PutLine(at, line), R"(",")");
    }
    out.CommitTo(at);
  } else {
    for (const std::string_view line : lines) {
      if (source.Copyable() && RoomForLine(line.size()) <= Sink::kMaxPiece) {
        char* at = out.Room(RoomForLine(line.size()));
        out.CommitTo(Put(source.PutLine(at, line), R"(",")"));
      } else {
        jsonl::AddBody(out, line);
        out += R"(",")"sv;
      }
    }
  }
  out.Back(2);
  out += "]"sv;
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
  if (!request.Tables.empty()) {
    out += R"(","tables":{)"sv;
    for (const TableChoice& choice : request.Tables) {
      out += choice.family == request.Tables.front().family ? R"(")"sv : R"(,")"sv;
      out += FamilyName(choice.family);
      out += R"(":")"sv;
      jsonl::AddBody(out, choice.file);
      out += R"(")"sv;
    }
    out += "}}"sv;
    return;
  }
  out += R"("})"sv;
}

// What comes before the seed: {"title":"…","seed":
void AddBeforeSeed(Sink& out, const HoardRecord& record) {
  out += R"({"title":")"sv;
  jsonl::AddBody(out, record.request.Title);
  out += R"(","seed":)"sv;
}

// What comes after the seed up to the DM list: ,"request":{…},"caption":"…","dm":
void AddAfterSeed(Sink& out, const HoardRecord& record) {
  out += R"(,"request":)"sv;
  AddRequest(out, record.request, record.separator);
  out += R"(,"caption":")"sv;
  jsonl::AddBody(out, record.hoard.Caption);
  out += R"(","dm":)"sv;
}

char* PutSeed(char* at, const HoardRecord& record) {
  return jsonl::PutUnsigned(at, record.request.Seed);
}

template <worth::Copper PerGold>
char* PutPiecesAndGold(char* at, std::int64_t pieces, worth::Copper gp) {
  at = jsonl::PutCount(Put(at, R"({"pieces":)"), pieces);
  return Put(PutGold<PerGold>(Put(at, R"(,"gp":)"), gp), '}');
}

// The totals' keys and an exchange's name (a few bytes), seventeen numbers and the pieces of
// five metals: well under a piece.
constexpr std::size_t kWorthRoom = 440 + 17 * kNumberRoom + worth::kMetalCount * Piece::kRoom;
static_assert(kWorthRoom <= Sink::kMaxPiece);

template <worth::Copper PerGold>
void AddWorth(Sink& out, const worth::Totals& t) {
  char* at = Put(out.Room(kWorthRoom), R"({"rates":")");
  at = Put(Put(at, worth::ExchangeName(t.exchange)), R"(","coins":{)");
  for (std::size_t m = 0; m < worth::kMetalCount; ++m) {
    at = PutInteger(Put(at, kPieces.coinsKey[m]), t.coins[m]);
  }
  at = PutGold<PerGold>(Put(at, R"(},"coins_gp":)"), t.coinsValue);
  // Pounds are written as gold would be at kCoinsPerPound copper to the gold piece.
  at = PutGold<worth::kCoinsPerPound>(Put(at, R"(,"coin_weight_lb":)"), t.coinCount());
  at = PutPiecesAndGold<PerGold>(Put(at, R"(,"gems":)"), t.gemPieces, t.gemsValue);
  at = PutPiecesAndGold<PerGold>(Put(at, R"(,"jewelry":)"), t.jewelryPieces, t.jewelryValue);
  at = jsonl::PutCount(Put(at, R"(,"magic_items":{"count":)"), t.magicItems);
  at = jsonl::PutCount(Put(at, R"(,"priced":)"), t.pricedItems);
  at = PutGold<PerGold>(Put(at, R"(,"gp":)"), t.itemsValue);
  at = jsonl::PutCount(Put(at, R"(},"maps":)"), t.maps);
  at = PutGold<PerGold>(Put(at, R"(,"treasure_gp":)"), t.treasureValue());
  at = PutGold<PerGold>(Put(at, R"(,"total_gp":)"), t.totalValue());
  if (t.otherLines > 0) {  // as WorthJson writes it
    at = jsonl::PutCount(Put(at, R"(,"other_lines":)"), t.otherLines);
  }
  out.CommitTo(Put(at, '}'));
}

// What follows a DM line's text, its table's name aside: a few keys, two pieces and two
// numbers.
constexpr std::size_t kLineFactsRoom = 64 + 2 * Piece::kRoom + 2 * kNumberRoom;

template <worth::Copper PerGold>
void AddDMLines(Sink& out, const Hoard& hoard, const worth::Valuation& valuation,
                const ListSource& source) {
  const LineList& lines = hoard.DMList;
  const std::vector<LineOrigin>& origins = hoard.DMOrigins;
  if (lines.empty()) {
    out += "[]"sv;
    return;
  }
  // Each line is written with the comma after it, the last one's taken back.
  out += "["sv;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const worth::LineValue& value = valuation.lines[i];
    const std::string_view line = lines[i];
    const LineOrigin origin = i < origins.size() ? origins[i] : LineOrigin{};
    const std::size_t room = kLineFactsRoom + RoomForLine(line.size()) + origin.table.size();
    char* at = nullptr;
    if (source.Copyable() && room <= Sink::kMaxPiece) {
      at = source.PutLine(Put(out.Room(room), R"({"text":")"), line);
    } else {
      out += R"({"text":")"sv;
      jsonl::AddBody(out, line);
      at = out.Room(kLineFactsRoom + origin.table.size());
    }
    const auto kind = static_cast<std::size_t>(value.kind);
    at = Put(at, kPieces.kind[kind][static_cast<std::size_t>(value.metal)]);
    if (Counted(value.kind)) {
      at = PutInteger(at, value.kind == worth::LineKind::Coins ? value.amount : value.pieces);
    }
    if (value.value) {
      at = PutGold<PerGold>(Put(at, R"(,"gp":)"), *value.value);
    }
    if (origin.family != Family::None) {
      at = jsonl::PutName(Put(at, kPieces.family[static_cast<std::size_t>(origin.family)]),
                          origin.table);
      at = Put(at, '"');
    }
    out.CommitTo(Put(at, "},"));
  }
  out.Back(1);
  out += "]"sv;
}

// The end of every record, known when compiled: the program's version and the export's format.
struct End {
  std::array<char, 80> bytes{};
  std::size_t size = 0;
};

constexpr End kEnd = [] {
  End end;
  const auto add = [&end](std::string_view part) {
    for (const char c : part) {
      end.bytes[end.size++] = c;
    }
  };
  add(R"(,"vorneth":{"version":")");
  add(kVersion);
  add(R"(","format":)");
  std::array<char, 16> digits{};
  std::size_t count = 0;
  for (int format = kExportFormat; count == 0 || format > 0; format /= 10) {
    digits[count++] = static_cast<char>('0' + format % 10);
  }
  while (count > 0) {
    end.bytes[end.size++] = digits[--count];
  }
  add("}}");
  return end;
}();

char* Put(char* at, const End& end) {
  std::memcpy(at, end.bytes.data(), end.bytes.size());
  return at + end.size;
}

// Everything after the frame: the lists, the worth and the program.
void AddLists(Sink& out, const HoardRecord& record) {
  const Hoard& hoard = record.hoard;
  ListRoom dmRoom;
  ListRoom playersRoom;
  const ListSource dm(hoard.DMList, dmRoom);
  AddStrings(out, hoard.DMList, dm);
  out += R"(,"players":)"sv;
  AddStrings(out, hoard.PlayersList, ListSource(hoard.PlayersList, playersRoom));
  AtRate(record.dm.totals.exchange, [&]<worth::Copper PerGold>() {
    out += R"(,"worth":)"sv;
    AddWorth<PerGold>(out, record.dm.totals);
    out += R"(,"dm_lines":)"sv;
    AddDMLines<PerGold>(out, hoard, record.dm, dm);
  });
  out.CommitTo(Put(out.Room(kEnd.bytes.size()), kEnd));
}

// Whether the requests' counts are the same: compared all at once, without a branch or a call.
bool SameCounts(const HoardRequest& a, const HoardRequest& b) {
  int differ = 0;
  for (std::size_t i = 0; i < a.TypeCount.size(); ++i) {
    differ |= a.TypeCount[i] ^ b.TypeCount[i];
  }
  return differ == 0;
}

}  // namespace

bool JsonLineFrame::Fits(const HoardRecord& record) const {
  // The request's fields that its bytes show.
  const HoardRequest& r = record.request;
  return made_ && SameCounts(r, request_) && r.CustCoins == request_.CustCoins &&
         r.CustGems == request_.CustGems && r.CustJewelry == request_.CustJewelry &&
         r.CustMagic == request_.CustMagic && r.Title == request_.Title &&
         r.Tables == request_.Tables && record.separator == separator_ &&
         record.hoard.Caption == caption_;
}

void JsonLineFrame::Fit(const HoardRecord& record) {
  if (Fits(record)) {
    return;
  }
  bytes_.clear();
  {
    Sink out(bytes_);
    AddBeforeSeed(out, record);
  }
  seedAt_ = bytes_.size();
  {
    Sink out(bytes_);
    AddAfterSeed(out, record);
  }
  size_ = bytes_.size();
  bytes_.append(kReadablePast, '\0');
  request_ = record.request;
  separator_ = record.separator;
  caption_ = record.hoard.Caption;
  made_ = true;
}

void AppendGold(std::string& text, worth::Copper value, worth::Exchange exchange) {
  Sink out(text);
  AtRate(exchange, [&]<worth::Copper PerGold>() {
    out.CommitTo(PutGold<PerGold>(out.Room(kNumberRoom), value));
  });
}

void AppendHoardJsonLine(std::string& text, const HoardRecord& record) {
  Sink out(text);
  AddBeforeSeed(out, record);
  out.CommitTo(PutSeed(out.Room(kNumberRoom), record));
  AddAfterSeed(out, record);
  AddLists(out, record);
}

void AppendHoardJsonLine(std::string& text, const HoardRecord& record, JsonLineFrame& frame) {
  frame.Fit(record);
  Sink out(text);
  const std::string_view before = frame.BeforeSeed();
  const std::string_view after = frame.AfterSeed();
  const std::size_t room = RoomForLine(before.size()) + kNumberRoom + RoomForLine(after.size());
  static_assert(JsonLineFrame::kReadablePast >= jsonl::kLineBlock);
  if (room <= Sink::kMaxPiece) {
    // Read from the frame's own bytes, which can be read past their ends.
    const char* const readable = after.data() + after.size() + JsonLineFrame::kReadablePast;
    char* at = jsonl::PutCopied(out.Room(room), before, readable);
    at = jsonl::PutCopied(PutSeed(at, record), after, readable);
    out.CommitTo(at);
  } else {
    out += before;
    out.CommitTo(PutSeed(out.Room(kNumberRoom), record));
    out += after;
  }
  AddLists(out, record);
}

}  // namespace vorneth::formats
