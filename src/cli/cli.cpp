#include "cli/cli.h"

#include "cli/cli_options.h"
#include "cli/json_output.h"
#include "generator/assembly.h"

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

}  // namespace

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const ParsedArgs parsed = ParseArgs(args);
  if (!parsed.error.empty()) {
    err << "vorneth-cli: " << parsed.error << " (see vorneth-cli --help)\n";
    return 2;
  }
  const CliOptions& options = parsed.options;
  if (options.help) {
    out << kUsage;
    return 0;
  }
  if (options.version) {
    out << "vorneth-cli 1.00\n";
    return 0;
  }
  const Hoard hoard = GenerateHoard(options.request, options.separator);
  if (options.format == OutputFormat::Json) {
    WriteJson(out, options, hoard);
  } else {
    const auto& lines = options.list == ListChoice::DM ? hoard.DMList : hoard.PlayersList;
    for (const std::string& line : lines) {
      out << line << '\n';
    }
  }
  out.flush();
  return out ? 0 : 1;
}

}  // namespace vorneth::cli
