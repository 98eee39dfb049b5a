#pragma once

#include <ostream>
#include <string>

#include "cli/cli_options.h"

namespace vorneth::cli {

// Runs --find: writes the first --count hoards of the tries that meet the conditions, in seed
// order and in the options' format, or with --stats how many of all the tries meet them.
// Returns why nothing was written when no hoard of the tries meets them; empty otherwise.
std::string WriteFound(std::ostream& out, const CliOptions& options);

}  // namespace vorneth::cli
