// The C interface of the browser module (wasm32-wasi reactor): a request goes in through the
// setters, Generate makes the hoard, and Output hands out each text the CLI writes for it, byte
// for byte. Texts cross as UTF-8 in the module's memory: the page writes into the buffer of
// vorneth_input and reads vorneth_output_size bytes at the address vorneth_output returns.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/hoard_request.h"
#include "core/separator.h"
#include "formats/batch.h"
#include "formats/csv.h"
#include "formats/foundry.h"
#include "formats/hoard_record.h"
#include "formats/json_export.h"
#include "formats/markdown.h"
#include "formats/replay.h"
#include "formats/split.h"
#include "formats/stats.h"
#include "formats/stats_run.h"
#include "generator/treasure_type_text.h"
#include "platform/list_kind.h"
#include "playersview/players_view.h"
#include "search/conditions.h"
#include "search/find_range.h"
#include "search/hoard_filter.h"
#include "version.h"
#include "web/module_interface.h"
#include "web/web_tables.h"
#include "worth/worth_text.h"

namespace {

using vorneth::HoardRequest;
using vorneth::LineList;
using vorneth::formats::HoardRecord;
using vorneth::platform::ListKind;

// The figures the page checks its fields against; the numbers are vorneth_limit's argument.
enum class Limit : std::int32_t {
  TypeCount = 0,
  CustCoins = 1,
  CustGems = 2,
  CustJewelry = 3,
  CustMagic = 4,
  Seed = 5,
  DefaultSeed = 6,
  MinShares = 7,
  MaxShares = 8,
  MaxBatch = 9,       // the most hoards of the odds and of an export rolled again
  DefaultTries = 10,  // the seeds a search tries unless told otherwise
};

// The figures beyond 32 bits, for vorneth_limit_wide.
enum class WideLimit : std::int32_t {
  MostTries = 0,   // every seed once: 2^32
  MostAmount = 1,  // the most gold pieces or pounds of a condition
};

// What vorneth_output gives; the numbers are its argument.
enum class Text : std::int32_t {
  DMList = 0,       // the lines of `vorneth-cli --list dm`, each ended by LF
  PlayersList = 1,  // of `--list players`
  WorthLine = 2,    // "Worth 12,345 gp + ...", no line end
  Breakdown = 3,    // the lines `--worth` writes after the empty line, each ended by LF
  Markdown = 4,     // `--format markdown`
  Csv = 5,          // `--format csv`
  Json = 6,         // `--format json`
  Foundry = 7,      // `--format foundry`
  Caption = 8,      // the window caption, no line end
  SavedDM = 9,      // the DM list as the desktop saves it: title, heading, lines, CR LF
  SavedPlayers = 10,
  SharesDM = 11,          // `--split K --list dm` for the K of vorneth_share
  SharesPlayers = 12,     // `--split K --list players`
  Request = 13,           // the request as exports carry it (JSON, one line), the seed beside it
  ReplayError = 14,       // why the last vorneth_replay failed, no line end
  Version = 15,           // the version as the programs show it
  SeparatorProblem = 16,  // why the input buffer's text cannot be the separator; empty if it can
  FoundryDM = 17,         // `--format foundry --list dm`: a journal of the DM list alone
  FoundryPlayers = 18,    // `--format foundry --list players`
  TypeDescriptions = 19,  // `--describe-types` with the request's separator
  Stats = 20,             // `--stats --count N` of vorneth_stats_begin, as text; finishes it
  FindWords = 21,         // the WHAT names of `--with` and `--without`, each ended by LF
  FindProblem = 22,       // why the conditions given since vorneth_find_clear cannot be taken
  PlayersSources = 23,    // for each players' line, the index (from 0) of the DM line it comes from
  TableCheck = 24,        // `--check-table` of the files of vorneth_table_add
  TableDraws = 25,        // `--roll-table` of those files, as vorneth_table_roll drew
  TablesInUse = 26,       // "potions=potions.csv" a line: the tables the hoards draw from
  TablesWanted = 27,      // the same of the tables the request names (a replayed export's)
  TableFamilies = 28,     // the families a table may replace, as --table names them, a line each
};

// A search: the conditions as they are given, then the filter of vorneth_find_begin and the
// seeds of the last range tried.
struct Search {
  vorneth::search::Conditions conditions;
  std::string problem;  // the first reason the conditions cannot be taken; empty if none
  std::optional<vorneth::search::HoardFilter> filter;
  std::vector<std::uint32_t> seeds;
};

// The odds begun by vorneth_stats_begin: their run until it is finished, then their figures.
struct Odds {
  std::optional<vorneth::formats::StatsRun> run;
  std::optional<vorneth::formats::HoardStats> figures;
  std::string separator;
};

struct State {
  HoardRequest request;
  std::string separator = ",";
  vorneth::worth::Exchange exchange = vorneth::worth::Exchange::FirstEdition;
  std::string input;
  std::string output;
  HoardRecord record;
  std::vector<HoardRecord> shares;
  std::vector<vorneth::formats::RecordedRequest> replayed;
  std::string replayError;
  Odds odds;
  Search search;
};

State& TheState() {
  static State state;
  return state;
}

}  // namespace

std::string_view vorneth::web::InputText() {
  return TheState().input;
}

namespace {

// Each line followed by `end`; a braced list of lines is a LineList.
template <typename Range = LineList>
std::string Lines(const Range& lines, std::string_view end = "\n") {
  std::string text;
  for (const std::string_view line : lines) {
    text.append(line).append(end);
  }
  return text;
}

std::string SavedList(const State& s, ListKind kind) {
  const auto& lines = kind == ListKind::DM ? s.record.hoard.DMList : s.record.hoard.PlayersList;
  return Lines({s.request.Title, "", vorneth::platform::ListHeading(kind), ""}, "\r\n") +
         Lines(lines, "\r\n");
}

// Each share under its heading, shares apart by an empty line, as `--split` writes them.
std::string SharesText(const State& s, ListKind kind) {
  std::string text;
  const int count = static_cast<int>(s.shares.size());
  for (int k = 1; k <= count; ++k) {
    const HoardRecord& share = s.shares[static_cast<std::size_t>(k - 1)];
    text += (k > 1 ? "\n" : "") + vorneth::formats::ShareHeading(k, count, share) + "\n";
    text += Lines(kind == ListKind::DM ? share.hoard.DMList : share.hoard.PlayersList);
  }
  return text;
}

// The figures of the odds begun last, as `vorneth-cli --stats` writes them; empty when none.
std::string OddsText(Odds& odds) {
  if (odds.run) {
    odds.figures = odds.run->Finish();
    odds.run.reset();
  }
  return odds.figures ? Lines(vorneth::formats::StatsText(*odds.figures, odds.separator)) : "";
}

// The DM line each players' line is derived from, by its index, one a line: the lines
// ParsePlayers keeps are those that give a players' line on their own. A DM line it leaves out
// (a further spell of a scroll) belongs with the kept line above it. A line drawn from a game
// master's table always gives one.
std::string PlayersSources(const vorneth::Hoard& hoard) {
  std::string text;
  std::size_t index = 0;
  for (const std::string_view line : hoard.DMList) {
    const bool drawn = index < hoard.TablePlayers.size() && hoard.TablePlayers[index];
    if (drawn || !vorneth::playersview::ParsePlayers(LineList{line}).empty()) {
      text.append(std::to_string(index)).append("\n");
    }
    ++index;
  }
  return text;
}

std::string TextOf(State& s, Text which) {
  namespace f = vorneth::formats;
  const HoardRecord& r = s.record;
  switch (which) {
    case Text::DMList:
      return Lines(r.hoard.DMList);
    case Text::PlayersList:
      return Lines(r.hoard.PlayersList);
    case Text::WorthLine:
      return vorneth::worth::WorthLine(r.dm.totals, r.separator);
    case Text::Breakdown:
      return Lines(vorneth::worth::WorthBreakdown(r.dm.totals, r.separator));
    case Text::Markdown:
      return f::Markdown(r);
    case Text::Csv:
      return f::CsvHeader() + f::CsvRows(r, 1);
    case Text::Json:
      return f::JsonText(f::HoardJson(r)) + "\n";
    case Text::Foundry:
      return f::JsonText(f::FoundryJournal(r)) + "\n";
    case Text::Caption:
      return r.hoard.Caption;
    case Text::SavedDM:
      return SavedList(s, ListKind::DM);
    case Text::SavedPlayers:
      return SavedList(s, ListKind::Players);
    case Text::SharesDM:
      return SharesText(s, ListKind::DM);
    case Text::SharesPlayers:
      return SharesText(s, ListKind::Players);
    case Text::Request:
      return f::JsonText(
          f::Json{{"seed", s.request.Seed}, {"request", f::RequestJson(s.request, s.separator)}},
          -1);
    case Text::ReplayError:
      return s.replayError;
    case Text::Version:
      return vorneth::kShownVersion;
    case Text::SeparatorProblem:
      return vorneth::SeparatorProblem(s.input);
    case Text::FoundryDM:
      return f::JsonText(f::FoundryJournal(r, f::JournalLists::DM)) + "\n";
    case Text::FoundryPlayers:
      return f::JsonText(f::FoundryJournal(r, f::JournalLists::Players)) + "\n";
    case Text::TypeDescriptions:
      return Lines(vorneth::TreasureTypeTexts(s.separator));
    case Text::Stats:
      return OddsText(s.odds);
    case Text::FindWords: {
      std::string names;
      for (const vorneth::search::FeatureName& feature : vorneth::search::kFeatureNames) {
        names.append(feature.name).append("\n");
      }
      return names;
    }
    case Text::FindProblem:
      return s.search.problem;
    case Text::PlayersSources:
      return PlayersSources(r.hoard);
    case Text::TableCheck:
      return vorneth::web::TableCheckText();
    case Text::TableDraws:
      return vorneth::web::TableDrawsText();
    case Text::TablesInUse:
      return vorneth::web::TableChoicesText(vorneth::web::TablesInUse().Choices());
    case Text::TablesWanted:
      return vorneth::web::TableChoicesText(s.request.Tables);
    case Text::TableFamilies:
      return Lines(std::span(vorneth::kFamilyTableWords).subspan(1));
  }
  return {};
}

}  // namespace

VORNETH_EXPORT(vorneth_limit) std::uint32_t vorneth_limit(std::int32_t which) {
  switch (static_cast<Limit>(which)) {
    case Limit::TypeCount:
      return vorneth::kMaxTypeCount;
    case Limit::CustCoins:
      return static_cast<std::uint32_t>(vorneth::kMaxCustCoins);
    case Limit::CustGems:
      return vorneth::kMaxCustGems;
    case Limit::CustJewelry:
      return vorneth::kMaxCustJewelry;
    case Limit::CustMagic:
      return vorneth::kMaxCustMagic;
    case Limit::Seed:
      return UINT32_MAX;
    case Limit::DefaultSeed:
      return vorneth::kDefaultSeed;
    case Limit::MinShares:
      return vorneth::formats::kMinShares;
    case Limit::MaxShares:
      return vorneth::formats::kMaxShares;
    case Limit::MaxBatch:
      return vorneth::formats::kMaxBatch;
    case Limit::DefaultTries:
      return vorneth::search::kDefaultTries;
  }
  return 0;
}

VORNETH_EXPORT(vorneth_limit_wide) double vorneth_limit_wide(std::int32_t which) {
  switch (static_cast<WideLimit>(which)) {
    case WideLimit::MostTries:
      return static_cast<double>(vorneth::search::kMostTries);
    case WideLimit::MostAmount:
      return static_cast<double>(vorneth::search::kMostAmount);
  }
  return 0;
}

// A buffer of `size` bytes for the page to write a text into, valid until the next call.
VORNETH_EXPORT(vorneth_input) char* vorneth_input(std::uint32_t size) {
  std::string& input = TheState().input;
  input.assign(size, '\0');
  return input.data();
}

// Starts a new request: no treasure, the default seed, "," between thousands, the first
// edition's exchange.
VORNETH_EXPORT(vorneth_request_clear) void vorneth_request_clear() {
  TheState().request = HoardRequest{};
  TheState().separator = ",";
  TheState().exchange = vorneth::worth::Exchange::FirstEdition;
}

// The page checks every number against vorneth_limit before it sets it.
VORNETH_EXPORT(vorneth_request_type)
void vorneth_request_type(std::int32_t letter, std::int32_t count) {
  if (letter >= 0 && letter < 26) {
    TheState().request.TypeCount[static_cast<std::size_t>(letter)] = count;
  }
}

VORNETH_EXPORT(vorneth_request_custom)
void vorneth_request_custom(std::int32_t coins, std::int32_t gems, std::int32_t jewelry,
                            std::int32_t magic) {
  HoardRequest& r = TheState().request;
  r.CustCoins = coins;
  r.CustGems = gems;
  r.CustJewelry = jewelry;
  r.CustMagic = magic;
}

VORNETH_EXPORT(vorneth_request_seed) void vorneth_request_seed(std::uint32_t seed) {
  TheState().request.Seed = seed;
}

// The exchange of coins into gold pieces: 0 the first edition's ("1e"), 1 Basic ("bx"), as
// `--rates` names them.
VORNETH_EXPORT(vorneth_request_exchange) void vorneth_request_exchange(std::int32_t exchange) {
  TheState().exchange =
      exchange == 1 ? vorneth::worth::Exchange::Basic : vorneth::worth::Exchange::FirstEdition;
}

// The input buffer's text becomes the title (`which` 0) or the separator (1).
VORNETH_EXPORT(vorneth_request_text) void vorneth_request_text(std::int32_t which) {
  State& s = TheState();
  (which == 0 ? s.request.Title : s.separator) = s.input;
}

// Makes the hoard of the request and values its DM list; forgets the last shares.
VORNETH_EXPORT(vorneth_generate) void vorneth_generate() {
  State& s = TheState();
  const vorneth::tables::HoardTables& tables = vorneth::web::TablesInUse();
  vorneth::formats::MakeRecord(s.request, s.separator, s.exchange, s.record,
                               tables.empty() ? nullptr : &tables);
  s.shares.clear();
}

// Divides the last hoard among `count` characters (kMinShares to kMaxShares).
VORNETH_EXPORT(vorneth_share) void vorneth_share(std::int32_t count) {
  State& s = TheState();
  s.shares = vorneth::formats::SplitHoard(s.record, count);
}

// Reads the requests of the export text in the input buffer; returns how many, 0 with the
// reason as Text::ReplayError when the text is no good export or holds more than MaxBatch
// hoards. The exchange is not part of an export's request: the request's own stays.
VORNETH_EXPORT(vorneth_replay) std::uint32_t vorneth_replay() {
  State& s = TheState();
  vorneth::formats::ReplayResult result = vorneth::formats::ReadExport(s.input);
  s.replayed = std::move(result.requests);
  s.replayError = std::move(result.error);
  return static_cast<std::uint32_t>(s.replayed.size());
}

// Makes request `index` of the last replay the request (Text::Request shows it).
VORNETH_EXPORT(vorneth_replay_pick) void vorneth_replay_pick(std::uint32_t index) {
  State& s = TheState();
  if (index < s.replayed.size()) {
    s.request = s.replayed[index].request;
    s.separator = s.replayed[index].separator;
  }
}

// The text `which` (a Text) of the last hoard; its size is vorneth_output_size().
VORNETH_EXPORT(vorneth_output) const char* vorneth_output(std::int32_t which) {
  State& s = TheState();
  s.output = TextOf(s, static_cast<Text>(which));
  return s.output.data();
}

VORNETH_EXPORT(vorneth_output_size) std::uint32_t vorneth_output_size() {
  return static_cast<std::uint32_t>(TheState().output.size());
}

// Begins the odds of `count` hoards (1 to MaxBatch) of the request, over the seeds Seed, +1, ...,
// with its separator and exchange; vorneth_stats_step makes them.
VORNETH_EXPORT(vorneth_stats_begin) void vorneth_stats_begin(std::uint32_t count) {
  State& s = TheState();
  s.odds.figures.reset();
  s.odds.run.reset();  // its memory is free before the next run takes as much
  s.odds.run.emplace(s.request, std::min(count, vorneth::formats::kMaxBatch), s.exchange);
  s.odds.separator = s.separator;
}

// Makes up to `hoards` more hoards of the odds begun; returns how many are done so far.
VORNETH_EXPORT(vorneth_stats_step) std::uint32_t vorneth_stats_step(std::uint32_t hoards) {
  Odds& odds = TheState().odds;
  return odds.run ? odds.run->Step(hoards) : odds.figures ? odds.figures->count : 0;
}

// Forgets the conditions given so far, to give new ones.
VORNETH_EXPORT(vorneth_find_clear) void vorneth_find_clear() {
  TheState().search.conditions = {};
  TheState().search.problem.clear();
}

// Adds the condition of option `which` (search::ConditionOption: 0 --worth-min, 1 --worth-max,
// 2 --with, 3 --without, 4 --max-weight) with the input buffer's text as its value, as the
// command line takes it. Returns 1 when taken, 0 with the reason as Text::FindProblem; after a
// refusal the conditions are not taken at all.
VORNETH_EXPORT(vorneth_find_condition) std::int32_t vorneth_find_condition(std::int32_t which) {
  Search& search = TheState().search;
  if (search.problem.empty() && which >= 0 &&
      static_cast<std::size_t>(which) < vorneth::search::kConditionOptions.size()) {
    search.problem = vorneth::search::AddCondition(
        search.conditions, static_cast<vorneth::search::ConditionOption>(which), TheState().input);
  }
  return search.problem.empty() ? 1 : 0;
}

// Checks that the conditions given can hold together: 1 when they can, 0 with the reason as
// Text::FindProblem.
VORNETH_EXPORT(vorneth_find_check) std::int32_t vorneth_find_check() {
  Search& search = TheState().search;
  if (search.problem.empty()) {
    search.problem = vorneth::search::ConditionsProblem(search.conditions);
  }
  return search.problem.empty() ? 1 : 0;
}

// Begins a search for hoards of the request (its exchange included) that meet the conditions
// given, once vorneth_find_check has taken them.
VORNETH_EXPORT(vorneth_find_begin) void vorneth_find_begin() {
  State& s = TheState();
  s.search.filter.emplace(s.request, s.exchange, s.search.conditions);
  s.search.seeds.clear();
}

// Tries `tries` seeds from `first` upward (modulo 2^32); returns how many hoards meet the
// conditions and keeps the first `limit` of their seeds for vorneth_find_seeds.
VORNETH_EXPORT(vorneth_find_range)
std::uint32_t vorneth_find_range(std::uint32_t first, std::uint32_t tries, std::uint32_t limit) {
  Search& search = TheState().search;
  if (!search.filter) {
    return 0;
  }
  vorneth::search::Found found = vorneth::search::FindInRange(*search.filter, first, tries, limit);
  search.seeds = std::move(found.seeds);
  return static_cast<std::uint32_t>(found.matches);
}

// The seeds kept by the last vorneth_find_range, vorneth_find_seed_count of them.
VORNETH_EXPORT(vorneth_find_seeds) const std::uint32_t* vorneth_find_seeds() {
  return TheState().search.seeds.data();
}

VORNETH_EXPORT(vorneth_find_seed_count) std::uint32_t vorneth_find_seed_count() {
  return static_cast<std::uint32_t>(TheState().search.seeds.size());
}
