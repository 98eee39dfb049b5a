#include "cli/cli_options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <limits>
#include <string_view>
#include <vector>

#include "cli/echo.h"
#include "cli/find_options.h"
#include "cli/table_options.h"
#include "core/separator.h"
#include "formats/split.h"

namespace vorneth::cli {

namespace {

// Parses a whole decimal number from 0 to max; on failure says why, naming `what`.
std::optional<std::uint64_t> ParseNumber(std::string_view text, std::uint64_t max,
                                         std::string_view what, std::string& error) {
  if (!text.empty() && text[0] == '-') {
    error = std::string(what) + " must not be negative: " + Echo(text);
    return std::nullopt;
  }
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
    error = std::string(what) + " is not a number: '" + Echo(text) + "'";
    return std::nullopt;
  }
  std::uint64_t value = 0;
  for (char c : text) {
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > max) {
      error =
          std::string(what) + " is above its maximum " + std::to_string(max) + ": " + Echo(text);
      return std::nullopt;
    }
  }
  return value;
}

// A number option: its limits, where its value goes, and its text as given.
struct NumberOption {
  const char* name;
  std::uint64_t min;
  std::uint64_t max;
  void (*apply)(CliOptions&, std::uint64_t);
  std::optional<std::string> text = {};
};

// One of the words an option takes.
template <typename T, std::size_t N>
bool PickWord(const std::optional<std::string>& text, const char* option,
              const std::array<std::pair<std::string_view, T>, N>& words, T& into,
              std::string& error) {
  if (!text) {
    return true;
  }
  for (const auto& [word, value] : words) {
    if (*text == word) {
      into = value;
      return true;
    }
  }
  std::string list;
  for (std::size_t i = 0; i < N; ++i) {
    list += (i == 0 ? "" : i + 1 == N ? " or " : ", ") + std::string(words[i].first);
  }
  error = std::string(option) + " takes " + list + ", not '" + Echo(*text) + "'";
  return false;
}

constexpr std::array<std::pair<std::string_view, ListChoice>, 2> kLists = {
    {{"dm", ListChoice::DM}, {"players", ListChoice::Players}}};
constexpr std::array<std::pair<std::string_view, OutputFormat>, 6> kFormats = {
    {{"text", OutputFormat::Text},
     {"json", OutputFormat::Json},
     {"markdown", OutputFormat::Markdown},
     {"csv", OutputFormat::Csv},
     {"jsonl", OutputFormat::Jsonl},
     {"foundry", OutputFormat::Foundry}}};
constexpr std::array<std::pair<std::string_view, worth::Exchange>, 2> kRates = {
    {{"1e", worth::Exchange::FirstEdition}, {"bx", worth::Exchange::Basic}}};

// LETTER=COUNT: a treasure type and how many times it is rolled.
bool ApplyTypeCount(CliOptions& o, std::string_view arg, std::array<bool, 26>& seen,
                    std::string& error) {
  const auto eq = arg.find('=');
  const std::string_view letterText = arg.substr(0, eq);
  if (eq == std::string_view::npos || letterText.size() != 1) {
    error = "expected LETTER=COUNT, not '" + Echo(arg) + "'";
    return false;
  }
  char letter = letterText[0];
  if (letter >= 'a' && letter <= 'z') {
    letter = static_cast<char>(letter - 'a' + 'A');
  }
  if (letter < 'A' || letter > 'Z') {
    error = "treasure type '" + Echo(letterText) + "' is not a letter A to Z";
    return false;
  }
  auto index = static_cast<std::size_t>(letter - 'A');
  if (seen[index]) {
    error = std::string("treasure type ") + letter + " is given twice";
    return false;
  }
  seen[index] = true;
  auto count =
      ParseNumber(arg.substr(eq + 1), kMaxTypeCount, std::string("count of type ") + letter, error);
  if (!count) {
    return false;
  }
  o.request.Count(letter) = static_cast<int>(*count);
  return true;
}

// CLI11 reads "--title=" as "--title" and takes the next argument for its value. An empty value
// after "=" is empty: it goes to CLI11 as a value that no argument can hold (argv has no NUL)
// and is read back as the empty text.
constexpr std::string_view kEmptyValue{"\0", 1};

std::vector<std::string> WithEmptyValues(std::span<const std::string> args,
                                         std::span<const char* const> valueOptions) {
  std::vector<std::string> out;
  out.reserve(args.size() + 1);
  for (const std::string& arg : args) {
    bool empty = false;
    for (const char* name : valueOptions) {
      empty = empty || arg == std::string(name) + "=";
    }
    if (empty) {
      out.push_back(arg.substr(0, arg.size() - 1));
      out.emplace_back(kEmptyValue);
    } else {
      out.push_back(arg);
    }
  }
  return out;
}

std::optional<std::string> ValueOf(const std::optional<std::string>& given) {
  return given && *given == kEmptyValue ? std::optional<std::string>("") : given;
}

// What the options ask for that cannot be done together; empty when they agree. `request`
// names the request options given, which a file's hoards do not take.
std::string Conflict(const CliOptions& o, const std::string& request) {
  if (o.worthOf && !request.empty()) {
    return "--worth-of values the file's lines: it takes no " + request;
  }
  if (o.worthOf && o.list) {
    return "--worth-of values a DM list: it takes no --list";
  }
  if (o.worthOf && o.format != OutputFormat::Text && o.format != OutputFormat::Json) {
    return "--worth-of writes text or json";
  }
  if (o.replay && (!request.empty() || o.separatorGiven)) {
    const char* separator = !o.separatorGiven ? ""
                            : request.empty() ? "--separator"
                                              : ", --separator";
    return "--replay rolls the export's own requests: it takes no " + request + separator;
  }
  const bool oneFound = o.find && o.count.value_or(1) == 1;
  if (o.count && o.format == OutputFormat::Foundry && !o.stats && !oneFound) {
    return kFoundryBatch;
  }
  if (o.worth && o.list == ListChoice::Players) {
    return "--worth is for the DM list: the players list carries no values";
  }
  if (o.worthOf && (o.replay || o.split || o.count || o.stats)) {
    return "--worth-of values a list file: it takes no --replay, --split, --count or --stats";
  }
  if (o.stats) {
    if (!o.count && !o.find) {
      return "--stats needs --count N (the number of hoards to roll) or --find";
    }
    if (o.replay || o.split) {
      return "--stats rolls the request's own hoards: it takes no --replay or --split";
    }
    if (o.format != OutputFormat::Text && o.format != OutputFormat::Json) {
      return "--stats writes text or json";
    }
  }
  return {};
}

}  // namespace

ParsedArgs ParseArgs(std::span<const std::string> args) {
  ParsedArgs result;
  CliOptions& o = result.options;

  // CLI11 reads the shape of the command line; every value is checked here, so that each
  // complaint quotes the user's text safely and names the limit.
  CLI::App app("vorneth-cli");
  app.set_help_flag();  // the help text is our own
  app.allow_extras();   // LETTER=COUNT, and unknown options reported below
  // The values are within each limit, so every cast below is exact.
  NumberOption numbers[] = {
      {"--coins", 0, kMaxCustCoins,
       [](CliOptions& into, std::uint64_t v) {
         into.request.CustCoins = static_cast<long long>(v);
       }},
      {"--gems", 0, kMaxCustGems,
       [](CliOptions& into, std::uint64_t v) { into.request.CustGems = static_cast<int>(v); }},
      {"--jewelry", 0, kMaxCustJewelry,
       [](CliOptions& into, std::uint64_t v) { into.request.CustJewelry = static_cast<int>(v); }},
      {"--magic", 0, kMaxCustMagic,
       [](CliOptions& into, std::uint64_t v) { into.request.CustMagic = static_cast<int>(v); }},
      {"--seed", 0, std::numeric_limits<std::uint32_t>::max(),
       [](CliOptions& into, std::uint64_t v) {
         into.request.Seed = static_cast<std::uint32_t>(v);
       }},
      {"--count", 1, formats::kMaxBatch,
       [](CliOptions& into, std::uint64_t v) { into.count = static_cast<std::uint32_t>(v); }},
      {"--split", formats::kMinShares, formats::kMaxShares,
       [](CliOptions& into, std::uint64_t v) { into.split = static_cast<int>(v); }},
      {"--tries", 1, search::kMostTries, [](CliOptions& into, std::uint64_t v) { into.tries = v; }},
      {"--times", 1, formats::kMaxBatch,
       [](CliOptions& into, std::uint64_t v) { into.times = static_cast<std::uint32_t>(v); }}};
  for (NumberOption& n : numbers) {
    app.add_option(n.name, n.text)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  }
  std::optional<std::string> title, list, format, separator, rates, worthOf, replay;
  const std::pair<const char*, std::optional<std::string>*> texts[] = {
      {"--title", &title},           {"--list", &list},
      {"--format", &format},         {"--separator", &separator},
      {"--rates", &rates},           {"--worth-of", &worthOf},
      {"--replay", &replay},         {"--roll-table", &o.rollTable},
      {"--odds-table", &o.oddsTable}};
  std::vector<const char*> valueOptions;
  for (auto [name, into] : texts) {
    app.add_option(name, *into)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    valueOptions.push_back(name);
  }
  for (const NumberOption& n : numbers) {
    valueOptions.push_back(n.name);
  }
  ConditionArgs conditionArgs;
  AddFindOptions(app, o.find, conditionArgs);
  app.add_option(std::string(kCheckTable), o.checkTables)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  valueOptions.push_back(kCheckTable.data());
  std::vector<std::string> tableArgs;
  app.add_option(std::string(kTableOption), tableArgs)
      ->allow_extra_args(false)  // one FAMILY=FILE an option, every time it is given
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  valueOptions.push_back(kTableOption.data());
  for (const std::string_view name : search::kConditionOptions) {
    valueOptions.push_back(name.data());  // each a whole literal
  }
  app.add_flag("-h,--help", o.help);
  app.add_flag("--version", o.version);
  app.add_flag("--worth", o.worth);
  app.add_flag("--stats", o.stats);
  app.add_flag("--describe-types", o.describeTypes);

  try {
    std::vector<std::string> given = WithEmptyValues(args, valueOptions);
    app.parse(std::vector<std::string>(given.rbegin(), given.rend()));  // CLI11 takes them reversed
  } catch (const CLI::ParseError& e) {
    result.error = Echo(e.what());
    return result;
  }

  for (auto [name, into] : texts) {
    *into = ValueOf(*into);
  }
  for (NumberOption& n : numbers) {
    n.text = ValueOf(n.text);
  }
  for (std::string& file : o.checkTables) {
    file = *ValueOf(file);
  }
  std::reverse(tableArgs.begin(), tableArgs.end());  // in the order given
  for (std::string& value : tableArgs) {
    value = *ValueOf(value);
  }
  for (std::vector<std::string>& values : conditionArgs) {
    std::reverse(values.begin(), values.end());  // in the order given
    for (std::string& value : values) {
      value = *ValueOf(value);
    }
  }
  std::array<bool, 26> seen{};
  for (const std::string& arg : app.remaining()) {
    if (arg.size() > 1 && arg[0] == '-') {
      result.error = "unknown option '" + Echo(arg.substr(0, arg.find('='))) + "'";
      return result;
    }
    if (!ApplyTypeCount(o, arg, seen, result.error)) {
      return result;
    }
  }
  for (const NumberOption& n : numbers) {
    if (!n.text) {
      continue;
    }
    const auto value =
        ParseNumber(*n.text, n.max, std::string_view(n.name).substr(2), result.error);
    if (!value) {
      return result;
    }
    if (*value < n.min) {
      result.error = std::string(n.name) + " must be at least " + std::to_string(n.min);
      return result;
    }
    n.apply(o, *value);
  }
  ListChoice listChoice = ListChoice::DM;
  if (!PickWord(list, "--list", kLists, listChoice, result.error) ||
      !PickWord(format, "--format", kFormats, o.format, result.error) ||
      !PickWord(rates, "--rates", kRates, o.exchange, result.error)) {
    return result;
  }
  if (list) {
    o.list = listChoice;
  }
  o.request.Title = title.value_or("");
  o.separator = separator.value_or(",");
  o.separatorGiven = separator.has_value();
  if (const std::string problem = SeparatorProblem(o.separator); !problem.empty()) {
    result.error = "--separator " + problem + ": '" + Echo(o.separator) + "'";
    return result;
  }
  for (auto [name, path] : {std::pair{"--worth-of", &worthOf}, {"--replay", &replay}}) {
    if (*path && (*path)->empty()) {
      result.error = std::string(name) + " needs a file name";
      return result;
    }
  }
  o.worthOf = worthOf;
  o.replay = replay;
  // The request's own options, for the file options that take none.
  std::string request;
  const auto name = [&request](std::string_view option) {
    request += (request.empty() ? "" : ", ") + std::string(option);
  };
  if (std::find(seen.begin(), seen.end(), true) != seen.end()) {
    name("treasure types");
  }
  for (const NumberOption& n : numbers) {
    const std::string_view option = n.name;
    if (n.text && option != "--split" && option != "--tries") {
      name(n.name);
    }
  }
  if (title) {
    name("--title");
  }
  if (o.describeTypes) {
    // The descriptions come from the recipes alone: only their amounts' separator applies.
    std::string others =
        std::find(seen.begin(), seen.end(), true) != seen.end() ? "treasure types" : "";
    for (const CLI::Option* option : app.get_options()) {
      const std::string optionName = option->get_name();
      if (option->count() > 0 && optionName != "--describe-types" && optionName != "--separator") {
        others += (others.empty() ? "" : ", ") + optionName;
      }
    }
    if (!others.empty()) {
      result.error = "--describe-types takes no option but --separator: not " + others;
      return result;
    }
  }
  result.error =
      TableOptionsProblem(app, o, std::find(seen.begin(), seen.end(), true) != seen.end());
  if (!result.error.empty()) {
    return result;
  }
  const bool triesGiven = std::any_of(std::begin(numbers), std::end(numbers), [](const auto& n) {
    return n.text && std::string_view(n.name) == "--tries";
  });
  result.error = ApplyFindOptions(conditionArgs, triesGiven, o);
  if (result.error.empty()) {
    result.error = ReadTableChoices(tableArgs, o);
  }
  if (result.error.empty()) {
    result.error = Conflict(o, request);
  }
  return result;
}

}  // namespace vorneth::cli
