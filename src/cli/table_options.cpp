#include "cli/table_options.h"

namespace vorneth::cli {

std::string TableOptionsProblem(const CLI::App& app, const CliOptions& options, bool typesGiven) {
  const bool roll = options.rollTable.has_value();
  const std::string command = roll                           ? "--roll-table"
                              : options.oddsTable            ? "--odds-table"
                              : !options.checkTables.empty() ? std::string(kCheckTable)
                                                             : std::string();
  if (command.empty()) {
    return app.get_option("--times")->count() > 0
               ? "--times needs --roll-table: it is how many draws to make"
               : "";
  }
  std::string others = typesGiven ? "treasure types" : "";
  for (const CLI::Option* option : app.get_options()) {
    const std::string name = option->get_name();
    if (option->count() > 0 && name != command &&
        !(roll && (name == "--times" || name == "--seed"))) {
      others += (others.empty() ? "" : ", ") + name;
    }
  }
  if (!others.empty()) {
    return command + (roll ? " takes no option but --times and --seed" : " takes no other option") +
           ": not " + others;
  }
  const auto empty = [](const std::string& file) { return file.empty(); };
  if ((roll && options.rollTable->empty()) || (options.oddsTable && options.oddsTable->empty()) ||
      std::any_of(options.checkTables.begin(), options.checkTables.end(), empty)) {
    return command + " needs a file name";
  }
  return {};
}

}  // namespace vorneth::cli
