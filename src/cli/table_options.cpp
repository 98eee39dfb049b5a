#include "cli/table_options.h"

#include <algorithm>

#include "cli/echo.h"

namespace vorneth::cli {

namespace {

// "potions, scrolls, ..., weapons": the families a table may replace.
std::string FamilyWords() {
  std::string words;
  for (std::size_t f = 1; f < kFamilyTableWords.size(); ++f) {
    words += (f > 1 ? ", " : "") + std::string(kFamilyTableWords[f]);
  }
  return words;
}

}  // namespace

std::string ReadTableChoices(const std::vector<std::string>& given, CliOptions& options) {
  for (const std::string& value : given) {
    const std::size_t equals = value.find('=');
    const std::string_view word = std::string_view(value).substr(0, equals);
    const auto* found = std::find(kFamilyTableWords.begin() + 1, kFamilyTableWords.end(), word);
    if (equals == std::string::npos || found == kFamilyTableWords.end()) {
      return "--table takes FAMILY=FILE, the family one of " + FamilyWords() + ": not '" +
             Echo(value) + "'";
    }
    const auto family = static_cast<Family>(found - kFamilyTableWords.begin());
    if (equals + 1 == value.size()) {
      return "--table " + std::string(word) + "= needs a file name";
    }
    for (const TableChoice& choice : options.tables) {
      if (choice.family == family) {
        return "--table gives " + std::string(word) + " more than one file";
      }
    }
    options.tables.push_back({family, value.substr(equals + 1)});
  }
  if (!options.tables.empty() && (options.find || options.stats || options.worthOf)) {
    return "--table draws a hoard's items: --find, --stats and --worth-of take no --table";
  }
  std::sort(options.tables.begin(), options.tables.end(),
            [](const TableChoice& a, const TableChoice& b) { return a.family < b.family; });
  return {};
}

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
