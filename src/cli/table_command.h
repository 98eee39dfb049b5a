#pragma once

#include <ostream>

#include "cli/cli_options.h"
#include "cli/file_problem.h"

namespace vorneth::cli {

// Runs --check-table, --roll-table or --odds-table, whichever the options give.
//
// --check-table writes, for each file in turn, each fault as one line, or when it has none one
// summary line per table (those of its folder it draws from too): code 2 when any file has a
// fault, without a message. --roll-table writes one line a draw of --times draws, seeded by
// --seed; --odds-table a heading and one line per result: percentage, fraction and line. Both
// refuse a file with a fault with its first fault as the message, code 2. A file that cannot be
// read is code 1.
FileProblem RunTableCommand(const CliOptions& options, std::ostream& out);

}  // namespace vorneth::cli
