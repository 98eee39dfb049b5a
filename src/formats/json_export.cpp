#include "formats/json_export.h"

#include "version.h"

namespace vorneth::formats {

namespace {

// `value` / `per` as a JSON number: an integer when whole, else the double the JSON library
// writes as its shortest decimal, which for the few decimals of gold and pounds is the exact one.
Json Quotient(std::int64_t value, std::int64_t per) {
  if (value % per == 0) {
    return value / per;
  }
  return static_cast<double>(value) / static_cast<double>(per);
}

}  // namespace

Json GoldJson(worth::Copper value, worth::Exchange exchange) {
  return Quotient(value, worth::CopperPerGold(exchange));
}

Json PoundsJson(std::int64_t coins) {
  return Quotient(coins, worth::kCoinsPerPound);
}

Json RequestJson(const HoardRequest& request, std::string_view separator) {
  Json types = Json::object();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (request.Count(letter) > 0) {
      types[std::string(1, letter)] = request.Count(letter);
    }
  }
  Json json{{"types", std::move(types)},          {"coins", request.CustCoins},
            {"gems", request.CustGems},           {"jewelry", request.CustJewelry},
            {"magic", request.CustMagic},         {"title", request.Title},
            {"separator", std::string(separator)}};
  if (!request.Tables.empty()) {
    Json tables = Json::object();
    for (const TableChoice& choice : request.Tables) {
      tables[std::string(FamilyName(choice.family))] = choice.file;
    }
    json["tables"] = std::move(tables);
  }
  return json;
}

Json WorthJson(const worth::Totals& t) {
  using worth::Metal;
  Json coins = Json::object();
  for (std::size_t m = 0; m < worth::kMetalCount; ++m) {
    coins[std::string(worth::MetalName(static_cast<Metal>(m)))] = t.coins[m];
  }
  const auto gold = [&t](worth::Copper value) { return GoldJson(value, t.exchange); };
  Json worth{{"rates", worth::ExchangeName(t.exchange)},
             {"coins", std::move(coins)},
             {"coins_gp", gold(t.coinsValue)},
             {"coin_weight_lb", PoundsJson(t.coinCount())},
             {"gems", {{"pieces", t.gemPieces}, {"gp", gold(t.gemsValue)}}},
             {"jewelry", {{"pieces", t.jewelryPieces}, {"gp", gold(t.jewelryValue)}}},
             {"magic_items",
              {{"count", t.magicItems}, {"priced", t.pricedItems}, {"gp", gold(t.itemsValue)}}},
             {"maps", t.maps},
             {"treasure_gp", gold(t.treasureValue())},
             {"total_gp", gold(t.totalValue())}};
  // Only an edited list or a file valued has lines of no form of a hoard's.
  if (t.otherLines > 0) {
    worth["other_lines"] = t.otherLines;
  }
  return worth;
}

Json LinesJson(const LineList& lines) {
  Json out = Json::array();
  for (const std::string_view line : lines) {
    out.push_back(line);
  }
  return out;
}

Json DMLinesJson(const LineList& lines, const worth::Valuation& valuation,
                 std::span<const LineOrigin> origins) {
  Json out = Json::array();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const worth::LineValue& value = valuation.lines[i];
    Json line{{"text", lines[i]}, {"kind", worth::KindName(value.kind)}};
    if (value.kind == worth::LineKind::Coins) {
      line["metal"] = worth::MetalName(value.metal);
      line["amount"] = value.amount;
    }
    if (value.kind == worth::LineKind::Gems || value.kind == worth::LineKind::Jewelry) {
      line["pieces"] = value.pieces;
    }
    if (value.value) {
      line["gp"] = GoldJson(*value.value, valuation.totals.exchange);
    }
    if (i < origins.size() && origins[i].family != Family::None) {
      line["family"] = FamilyName(origins[i].family);
      line["table"] = origins[i].table;
    }
    out.push_back(std::move(line));
  }
  return out;
}

Json HoardJson(const HoardRecord& record) {
  const Hoard& hoard = record.hoard;
  return Json{{"title", record.request.Title},
              {"seed", record.request.Seed},
              {"request", RequestJson(record.request, record.separator)},
              {"caption", hoard.Caption},
              {"dm", LinesJson(hoard.DMList)},
              {"players", LinesJson(hoard.PlayersList)},
              {"worth", WorthJson(record.dm.totals)},
              {"dm_lines", DMLinesJson(hoard.DMList, record.dm, hoard.DMOrigins)},
              {"vorneth", VornethJson()}};
}

Json SplitJson(const HoardRecord& record, const std::vector<HoardRecord>& shares) {
  Json list = Json::array();
  for (std::size_t i = 0; i < shares.size(); ++i) {
    list.push_back(Json{{"share", i + 1},
                        {"worth", WorthJson(shares[i].dm.totals)},
                        {"dm", LinesJson(shares[i].hoard.DMList)},
                        {"players", LinesJson(shares[i].hoard.PlayersList)}});
  }
  return Json{{"title", record.request.Title},
              {"seed", record.request.Seed},
              {"request", RequestJson(record.request, record.separator)},
              {"caption", record.hoard.Caption},
              {"shares", std::move(list)},
              {"vorneth", VornethJson()}};
}

Json VornethJson() {
  return Json{{"version", kVersion}, {"format", kExportFormat}};
}

std::string JsonText(const Json& json, int indent) {
  return json.dump(indent, ' ', false, Json::error_handler_t::replace);
}

}  // namespace vorneth::formats
