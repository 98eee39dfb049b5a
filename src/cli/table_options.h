#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <string_view>

#include "cli/cli_options.h"

namespace vorneth::cli {

inline constexpr std::string_view kCheckTable = "--check-table";
inline constexpr std::string_view kTableOption = "--table";

// Why the options of a game master's table cannot be taken as given, or empty: each of
// --check-table, --roll-table and --odds-table goes alone, but that --roll-table takes --times
// and --seed; --times needs --roll-table; a file name is not empty. `typesGiven`: a treasure
// type was given.
std::string TableOptionsProblem(const CLI::App& app, const CliOptions& options, bool typesGiven);

// Reads the values of --table, FAMILY=FILE each, into options.tables; why not, or empty. A
// family goes once; the hoards of --find, --stats and --worth-of take no table.
std::string ReadTableChoices(const std::vector<std::string>& given, CliOptions& options);

}  // namespace vorneth::cli
