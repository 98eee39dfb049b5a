#include "cli/cli.h"

#include <cstring>

#include "cli/cli_options.h"
#include "cli/json_output.h"
#include "generator/assembly.h"
#include "version.h"

namespace vorneth::cli {

namespace {

constexpr const char* kUsage =
    "Usage: vorneth-cli [OPTIONS] [LETTER=COUNT ...]\n"
    "Generates a random treasure hoard and prints its lines.\n"
    "\n"
    "  LETTER=COUNT        a treasure type A to Z (either case) and its count, 0 to 99\n"
    "  --coins N           custom gold pieces in coins, 0 to 99999999\n"
    "  --gems N            custom gems, 0 to 9999\n"
    "  --jewelry N         custom jewelry items, 0 to 9999\n"
    "  --magic N           custom magic items, 0 to 999\n"
    "  --title TEXT        the hoard's title or location\n"
    "  --seed N            0 to 4294967295; default 14737260, the desktop program's seed\n"
    "  --list dm|players   which list to print (default dm)\n"
    "  --format text|json  text: one line of the list per output line;\n"
    "                      json: title, seed, request, caption and both lists\n"
    "  --separator TEXT    thousands separator for coin, gem and jewelry amounts (default \",\")\n"
    "  -h, --help          show this help\n"
    "  --version           show the version\n";

// Writes what the options ask for: the help, the version, or the hoard.
void WriteOutput(std::ostream& out, const CliOptions& options) {
  if (options.help) {
    out << kUsage;
  } else if (options.version) {
    out << "vorneth-cli " << kShownVersion << "\n";
  } else {
    const Hoard hoard = GenerateHoard(options.request, options.separator);
    if (options.format == OutputFormat::Json) {
      WriteJson(out, options, hoard);
    } else {
      const auto& lines = options.list == ListChoice::DM ? hoard.DMList : hoard.PlayersList;
      for (const std::string& line : lines) {
        out << line << '\n';
      }
    }
  }
}

// One line on `err`, written whole so that it is not interleaved with other output.
void Complain(std::ostream& err, const std::string& message) {
  err << "vorneth-cli: " + message + "\n" << std::flush;
}

}  // namespace

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err,
           const OutputErrno& outputErrno) {
  const ParsedArgs parsed = ParseArgs(args);
  if (!parsed.error.empty()) {
    Complain(err, parsed.error + " (see vorneth-cli --help)");
    return 2;
  }
  WriteOutput(out, parsed.options);
  out.flush();
  if (!out) {
    const int code = outputErrno ? outputErrno() : 0;
    Complain(err, std::string("cannot write output: ") +
                      (code != 0 ? std::strerror(code) : "write failed"));
    return 1;
  }
  return 0;
}

}  // namespace vorneth::cli
