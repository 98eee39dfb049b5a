#pragma once

#include <ostream>

#include "cli/cli_options.h"
#include "generator/assembly.h"

namespace vorneth::cli {

// One JSON object: title, seed, the request, the caption and both lists.
void WriteJson(std::ostream& out, const CliOptions& options, const Hoard& hoard);

}  // namespace vorneth::cli
