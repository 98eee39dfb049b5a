#include "cli/cli.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "cli/cli_options.h"
#include "cli/echo.h"
#include "cli/hoard_output.h"
#include "formats/json_export.h"
#include "formats/replay.h"
#include "formats/split.h"
#include "generator/hoard_request.h"
#include "version.h"
#include "worth/worth_text.h"

namespace vorneth::cli {

namespace {

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
         "  --list dm|players   which list to print (default dm)\n"
         "  --format FORMAT     text: one line of the list per output line;\n"
         "                      json: title, seed, request, caption, both lists, worth, dm_lines;\n"
         "                      markdown, csv, jsonl (one hoard per line), foundry (a Foundry\n"
         "                      Virtual Tabletop journal entry)\n"
         "  --separator TEXT    thousands separator for coin, gem and jewelry amounts (default "
         "\",\")\n"
         "  --worth             text: after the list, an empty line and the hoard's worth\n"
         "  --rates 1e|bx       the exchange of coins into gold pieces (default 1e)\n"
         "  --count N           N hoards, seeds S, S+1, ..., 1 to " +
         n(kMaxCount) +
         "\n"
         "  --split K           divide each hoard among K characters, " +
         n(formats::kMinShares) + " to " + n(formats::kMaxShares) +
         ": coins evenly, lots by\n"
         "                      pieces and items whole to the share worth least\n"
         "  --stats             with --count: the odds of the request (gp spread, magic items,\n"
         "                      families, maps) instead of the hoards; text or json\n"
         "  --worth-of FILE     the worth of a saved DM list file, or of a file of DM lines\n"
         "  --replay FILE       the hoards of a JSON, JSON Lines or Foundry export, again\n"
         "  -h, --help          show this help\n"
         "  --version           show the version\n";
}

// One line on `err`, written whole so that it is not interleaved with other output.
void Complain(std::ostream& err, const std::string& message) {
  err << "vorneth-cli: " + message + "\n" << std::flush;
}

// The whole text of a file, or nullopt with errno's words in `reason`.
std::optional<std::string> ReadFile(const std::string& path, std::string& reason) {
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  if (file && (text << file.rdbuf()) && !file.bad()) {
    return text.str();
  }
  reason = errno != 0 ? std::strerror(errno) : "not a readable file";
  return std::nullopt;
}

// Runs --worth-of or --replay on the file's text; returns the exit code.
int FromFile(const CliOptions& options, std::ostream& out, std::ostream& err) {
  const std::string& path = options.worthOf ? *options.worthOf : *options.replay;
  std::string reason;
  const std::optional<std::string> text = ReadFile(path, reason);
  if (!text) {
    Complain(err, "cannot read " + Echo(path) + ": " + reason);
    return 1;
  }
  if (options.worthOf) {
    std::string error;
    if (!WriteWorthOfFile(out, options, *text, error)) {
      Complain(err, Echo(path) + " " + error);
      return 2;
    }
    return 0;
  }
  const formats::ReplayResult replay = formats::ReadExport(*text);
  if (!replay.error.empty()) {
    Complain(err, Echo(path) + ": " + replay.error);
    return 2;
  }
  WriteReplay(out, options, replay.requests);
  return 0;
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
  int code = 0;
  if (options.help) {
    out << Usage();
  } else if (options.version) {
    out << "vorneth-cli " << kShownVersion << "\n";
  } else if (options.worthOf || options.replay) {
    code = FromFile(options, out, err);
  } else if (options.stats) {
    WriteStats(out, options);
  } else {
    WriteHoards(out, options);
  }
  out.flush();
  if (!out) {
    const int error = outputErrno ? outputErrno() : 0;
    Complain(err, std::string("cannot write output: ") +
                      (error != 0 ? std::strerror(error) : "write failed"));
    return 1;
  }
  return code;
}

}  // namespace vorneth::cli
