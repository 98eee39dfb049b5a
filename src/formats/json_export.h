#pragma once

#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/hoard_record.h"

namespace vorneth::formats {

using Json = nlohmann::ordered_json;

// The version of the export's layout, in "vorneth": {"format": ...}.
inline constexpr int kExportFormat = 1;

// The request as exports carry it: {"types": {"A": n, ...}, "coins", "gems", "jewelry",
// "magic", "title", "separator"}; the seed goes beside it.
Json RequestJson(const HoardRequest& request, std::string_view separator);

// {"rates", "coins": {"copper" ... "platinum"}, "coins_gp", "coin_weight_lb", "gems": {"pieces",
// "gp"}, "jewelry", "magic_items": {"count", "priced", "gp"}, "maps", "treasure_gp", "total_gp"}.
Json WorthJson(const worth::Totals& totals);

// The lines as an array of strings.
Json LinesJson(const LineList& lines);

// One object per DM line: {"text", "kind", and where they apply "metal", "amount", "pieces",
// "gp", and for a line of a magic item as generated "family" and "table"}. `origins` is empty
// or has one entry per line.
Json DMLinesJson(const LineList& lines, const worth::Valuation& valuation,
                 std::span<const LineOrigin> origins = {});

// The whole hoard: title, seed, request, caption, both lists, worth, dm_lines, and "vorneth":
// {"version", "format"}.
Json HoardJson(const HoardRecord& record);

// A hoard divided among a party: title, seed, request, caption, "shares": [{"share" (from 1),
// "worth", "dm", "players"}, ...] and "vorneth".
Json SplitJson(const HoardRecord& record, const std::vector<HoardRecord>& shares);

// {"version", "format"}: what wrote an export.
Json VornethJson();

// Gold pieces as a JSON number: an integer when whole, else exact to three decimals.
Json GoldJson(worth::Copper value, worth::Exchange exchange);

// The pounds that `coins` coins weigh as a JSON number: an integer when whole, else to a tenth.
Json PoundsJson(std::int64_t coins);

// The text of a JSON document; bytes that are not UTF-8 are written as U+FFFD, so the result is
// always valid JSON. `indent` < 0 writes one line.
std::string JsonText(const Json& json, int indent = 2);

}  // namespace vorneth::formats
