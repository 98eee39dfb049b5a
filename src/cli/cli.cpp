#include "cli/cli.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>

#include "cli/cli_options.h"
#include "cli/echo.h"
#include "cli/file_problem.h"
#include "cli/find_command.h"
#include "cli/hoard_output.h"
#include "cli/input_file.h"
#include "cli/table_command.h"
#include "cli/table_files.h"
#include "core/hoard_request.h"
#include "core/text_lines.h"
#include "formats/json_export.h"
#include "formats/replay.h"
#include "formats/split.h"
#include "generator/treasure_type_text.h"
#include "search/conditions.h"
#include "search/find_range.h"
#include "version.h"
#include "worth/worth_text.h"

namespace vorneth::cli {

namespace {

// The names --with and --without take, on lines of the help's width.
std::string WhatList() {
  std::string text;
  std::size_t width = 0;
  const auto add = [&](std::string_view name, bool last) {
    const std::string item = std::string(name) + (last ? "" : ",");
    if (width > 0 && width + 1 + item.size() > 50) {
      text += "\n                      ";
      width = 0;
    }
    text += (width > 0 ? " " : "") + item;
    width += (width > 0 ? 1 : 0) + item.size();
  };
  for (const search::FeatureName& feature : search::kFeatureNames) {
    add(feature.name, false);
  }
  add(std::string(search::kTextPrefix) + "WORDS (a part of a DM line, in any case)", true);
  return text;
}

// The families --table takes, on lines of the help's width.
std::string TableFamilyList() {
  std::string text;
  for (std::size_t f = 1; f < kFamilyTableWords.size(); ++f) {
    text += (f == 1   ? ""
             : f == 5 ? ",\n                      "
                      : ", ") +
            std::string(kFamilyTableWords[f]);
  }
  return text;
}

// The tables of `choices` as an export names them: each file's name without its folder.
std::vector<TableChoice> ExportNames(std::vector<TableChoice> choices) {
  for (TableChoice& choice : choices) {
    choice.file = std::filesystem::path(choice.file).filename().string();
  }
  return choices;
}

// Why a recorded hoard cannot be rolled again with the tables given (`given`, as exports name
// them); empty when it can.
std::string TablesMismatch(const HoardRequest& recorded, const std::vector<TableChoice>& given) {
  if (recorded.Tables == given) {
    return {};
  }
  const std::string hoard = "the hoard of seed " + std::to_string(recorded.Seed);
  if (recorded.Tables.empty()) {
    return hoard + " was drawn from the built-in tables alone: roll it again without --table";
  }
  std::string needed;
  for (const TableChoice& choice : recorded.Tables) {
    needed += (needed.empty() ? "--table " : " --table ") +
              std::string(kFamilyTableWords[static_cast<std::size_t>(choice.family)]) + "=" +
              Echo(choice.file);
  }
  return hoard + " was drawn with " + needed + ": give the same again to roll it";
}

// The options with their limits, from the constants that the desktop program's boxes use too.
std::string Usage() {
  const auto n = [](auto value) { return std::to_string(value); };
  return "Usage: vorneth-cli [OPTIONS] [LETTER=COUNT ...]\n"
         "Generates a random treasure hoard and prints its lines.\n"
         "\n"
         "  LETTER=COUNT        a treasure type A to Z (either case) and its count, 0 to " +
         n(kMaxTypeCount) +
         "\n"
         "  --coins N           custom gold pieces in coins, 0 to " +
         n(kMaxCustCoins) +
         "\n"
         "  --gems N            custom gems, 0 to " +
         n(kMaxCustGems) +
         "\n"
         "  --jewelry N         custom jewelry items, 0 to " +
         n(kMaxCustJewelry) +
         "\n"
         "  --magic N           custom magic items, 0 to " +
         n(kMaxCustMagic) +
         "\n"
         "  --title TEXT        the hoard's title or location\n"
         "  --seed N            0 to 4294967295; default " +
         n(kDefaultSeed) +
         ", the desktop program's seed\n"
         "  --list dm|players   which list to print (default dm); with foundry, a journal of\n"
         "                      that list alone (default both)\n"
         "  --format FORMAT     text: one line of the list per output line;\n"
         "                      json: title, seed, request, caption, both lists, worth, dm_lines;\n"
         "                      markdown, csv, jsonl (one hoard per line), foundry (a Foundry\n"
         "                      Virtual Tabletop journal entry)\n"
         "  --separator TEXT    thousands separator for coin, gem and jewelry amounts: one\n"
         "                      printable non-digit character, or empty (default \",\")\n"
         "  --worth             text: after the list, an empty line and the hoard's worth\n"
         "  --rates 1e|bx       the exchange of coins into gold pieces (default 1e)\n"
         "  --count N           N hoards, seeds S, S+1, ..., 1 to " +
         n(formats::kMaxBatch) +
         "\n"
         "  --split K           divide each hoard among K characters, " +
         n(formats::kMinShares) + " to " + n(formats::kMaxShares) +
         ": coins evenly, lots by\n"
         "                      pieces and items whole to the share worth least\n"
         "  --stats             with --count: the odds of the request (gp spread, magic items,\n"
         "                      families, maps) instead of the hoards; text or json\n"
         "  --find              search the seeds S, S+1, ... for hoards that meet the conditions\n"
         "                      below and write the first --count of them (default 1), each\n"
         "                      a genuine roll of its seed; with --stats, how many of the\n"
         "                      tries meet them\n"
         "  --worth-min GP      a total worth (as --worth counts it) of at least GP gold pieces\n"
         "  --worth-max GP      a total worth of at most GP gold pieces\n"
         "  --with WHAT         a hoard holding WHAT; repeatable\n"
         "  --without WHAT      a hoard without WHAT; repeatable\n"
         "                      WHAT: " +
         WhatList() +
         "\n"
         "  --max-weight LB     coins of at most LB pounds (" +
         n(worth::kCoinsPerPound) +
         " coins to the pound)\n"
         "  --tries N           the seeds --find tries, 1 to " +
         n(search::kMostTries) + " (default " + n(search::kDefaultTries) +
         ")\n"
         "  --describe-types    what each treasure type A to Z can hold, one line each, instead\n"
         "                      of a hoard (takes only --separator)\n"
         "  --worth-of FILE     the worth of a saved DM list file, or of a file of DM lines\n"
         "  --replay FILE       the hoards of a JSON, JSON Lines or Foundry export, again\n"
         "                      (neither takes the options of a request)\n"
         "  --check-table FILE...  check game master's tables (Foundry RollTable JSON, CSV or\n"
         "                      text rows): each fault a line, else a line for each table\n"
         "  --roll-table FILE   draw from the file's table, following nested tables: a line a\n"
         "                      draw; --seed as for a hoard\n"
         "  --times N           the draws of --roll-table, 1 to " +
         n(formats::kMaxBatch) +
         " (default 1)\n"
         "  --odds-table FILE   the exact chance of each line a draw from the table can make\n"
         "                      (the three take no other option but --roll-table's)\n"
         "  --table FAMILY=FILE draw the hoard's items of FAMILY from the file's table, from a\n"
         "                      random source of its own: the hoard's other lines stay as the\n"
         "                      seed gives them; repeatable; FAMILY: " +
         TableFamilyList() +
         "\n"
         "  -h, --help          show this help\n"
         "  --version           show the version\n";
}

// One line on `err`, written whole so that it is not interleaved with other output.
void Complain(std::ostream& err, const std::string& message) {
  err << "vorneth-cli: " + message + "\n" << std::flush;
}

// The hoards of a JSON Lines export too large to hold, read line by line: first the hoards are
// counted and then every line is checked, so that nothing is written for a bad file; then each
// hoard is rolled again as its line is read.
FileProblem ReplayLines(InputFile& file, const std::string& shown, const CliOptions& options,
                        const tables::HoardTables* tables, std::ostream& out) {
  std::size_t count = 0;
  std::size_t number = 0;
  std::string error;
  std::string reason;
  const auto read = [&](const std::function<bool(std::string_view)>& line) {
    const InputFile::Read done = file.ForEachLine(kMaxFileBytes, line, reason);
    if (done == InputFile::Read::Failed) {
      return FileProblem{1, "cannot read " + shown + ": " + reason};
    }
    if (done == InputFile::Read::TooLarge) {
      return FileProblem{2, shown + ": larger than " + MebibytesText(kMaxFileBytes) +
                                " and not JSON Lines with a hoard a line"};
    }
    return error.empty() ? FileProblem{} : FileProblem{2, shown + ": " + error};
  };
  FileProblem problem = read([&](std::string_view line) {
    if (!formats::IsBlankExportLine(line) && ++count > formats::kMaxBatch) {
      error = formats::TooManyHoards();
    }
    return error.empty();
  });
  if (problem.message.empty() && count > 1 && options.format == OutputFormat::Foundry) {
    problem.message = shown + ": " + kFoundryBatch;
  }
  if (problem.message.empty()) {
    const std::vector<TableChoice> given = ExportNames(options.tables);
    problem = read([&](std::string_view line) {
      ++number;
      if (formats::IsBlankExportLine(line)) {
        return true;
      }
      if (const auto recorded = formats::ReadExportLine(line, error); recorded) {
        error = TablesMismatch(recorded->request, given);
      }
      if (!error.empty()) {
        error = "line " + std::to_string(number) + ": " + error;
      }
      return error.empty();
    });
  }
  if (!problem.message.empty()) {
    return problem;
  }
  // A file changed since it was checked stops the writing rather than rolling what it holds now.
  HoardWriter writer(out, options, count, tables);
  std::size_t written = 0;
  const InputFile::Read done = file.ForEachLine(
      kMaxFileBytes,
      [&](std::string_view line) {
        if (formats::IsBlankExportLine(line)) {
          return true;
        }
        std::optional<formats::RecordedRequest> recorded = formats::ReadExportLine(line, error);
        if (!recorded || ++written > count) {
          return false;
        }
        writer.Add(recorded->request, std::move(recorded->separator));
        return static_cast<bool>(out);
      },
      reason);
  writer.Finish();
  if (done == InputFile::Read::Failed) {
    return {1, "cannot read " + shown + ": " + reason};
  }
  if (out && (done != InputFile::Read::Whole || written != count)) {
    return {2, shown + ": changed while it was read"};
  }
  return {};
}

// Runs --worth-of or --replay on the file; a replay draws from `tables`.
FileProblem FromFile(const CliOptions& options, const tables::HoardTables* tables,
                     std::ostream& out) {
  const std::string& path = options.worthOf ? *options.worthOf : *options.replay;
  const std::string shown = Echo(path);
  InputFile file;
  std::string reason;
  if (!file.Open(path, reason)) {
    return {1, "cannot read " + shown + ": " + reason};
  }
  std::string text;
  const InputFile::Read read = file.ReadAll(kMaxFileBytes, text, reason);
  if (read == InputFile::Read::Failed) {
    return {1, "cannot read " + shown + ": " + reason};
  }
  if (text.empty()) {
    return {2, shown + ": empty file"};
  }
  if (read == InputFile::Read::TooLarge) {
    if (options.replay) {
      text = std::string();  // read again line by line
      return ReplayLines(file, shown, options, tables, out);
    }
    return {2, shown + ": larger than " + MebibytesText(kMaxFileBytes) + ", the most of a list"};
  }
  if (options.worthOf) {
    std::string error;
    if (!WriteWorthOfFile(out, options, text, error)) {
      return {2, shown + " " + error};
    }
    return {};
  }
  const formats::ReplayResult replay = formats::ReadExport(text);
  std::string error = replay.error;
  if (error.empty() && replay.requests.size() > 1 && options.format == OutputFormat::Foundry) {
    error = kFoundryBatch;
  }
  const std::vector<TableChoice> given = ExportNames(options.tables);
  for (std::size_t i = 0; i < replay.requests.size() && error.empty(); ++i) {
    error = TablesMismatch(replay.requests[i].request, given);
  }
  if (!error.empty()) {
    return {2, shown + ": " + error};
  }
  HoardWriter writer(out, options, replay.requests.size(), tables);
  for (std::size_t i = 0; i < replay.requests.size() && out; ++i) {
    writer.Add(replay.requests[i].request, replay.requests[i].separator);
  }
  writer.Finish();
  return {};
}

}  // namespace

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err,
           const OutputErrno& outputErrno) {
  const ParsedArgs parsed = ParseArgs(args);
  if (!parsed.error.empty()) {
    Complain(err, parsed.error + " (see vorneth-cli --help)");
    return 2;
  }
  const CliOptions& options = parsed.options;
  // The game master's tables are read and checked before anything is written.
  std::unique_ptr<tables::HoardTables> tables;
  if (!options.tables.empty()) {
    tables = std::make_unique<tables::HoardTables>();
    if (const FileProblem problem = LoadHoardTables(options.tables, *tables); problem.code != 0) {
      Complain(err, problem.message);
      return problem.code;
    }
  }
  if (options.help) {
    out << Usage();
  } else if (options.version) {
    out << "vorneth-cli " << kVersion << "\n";
  } else if (!options.checkTables.empty() || options.rollTable || options.oddsTable) {
    const FileProblem problem = RunTableCommand(options, out);
    out.flush();
    if (problem.code != 0 && out) {
      if (!problem.message.empty()) {
        Complain(err, problem.message);
      }
      return problem.code;
    }
  } else if (options.worthOf || options.replay) {
    const FileProblem problem = FromFile(options, tables.get(), out);
    if (problem.code != 0) {
      Complain(err, problem.message);
      return problem.code;
    }
  } else if (options.describeTypes) {
    for (const std::string& line : TreasureTypeTexts(options.separator)) {
      out << line << '\n';
    }
  } else if (options.find) {
    if (const std::string nothing = WriteFound(out, options); !nothing.empty()) {
      out.flush();
      Complain(err, nothing);
      return 1;
    }
  } else if (options.stats) {
    WriteStats(out, options);
  } else {
    WriteHoards(out, options, tables.get());
  }
  out.flush();
  if (!out) {
    const int error = outputErrno ? outputErrno() : 0;
    Complain(err, std::string("cannot write output: ") +
                      (error != 0 ? std::strerror(error) : "write failed"));
    return 1;
  }
  return 0;
}

}  // namespace vorneth::cli
