#pragma once

#include <CLI/CLI.hpp>
#include <array>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "search/conditions.h"

namespace vorneth::cli {

// The values of each condition option of --find (search::kConditionOptions' order), as given.
using ConditionArgs = std::array<std::vector<std::string>, search::kConditionOptions.size()>;

// Registers --find and the condition options; CLI11 fills `find` and `args`.
void AddFindOptions(CLI::App& app, bool& find, ConditionArgs& args);

// Takes the conditions into options.conditions. Returns why a value or the conditions together
// cannot be taken, or that a condition or `--tries` came without --find; empty when all is well.
std::string ApplyFindOptions(const ConditionArgs& args, bool triesGiven, CliOptions& options);

}  // namespace vorneth::cli
