#pragma once

#include <ostream>
#include <span>
#include <string>

namespace vorneth::cli {

// The whole command: reads the arguments (without the program name), writes the hoard to `out`
// and any complaint to `err`, returns the exit code (0 done, 2 bad arguments).
int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace vorneth::cli
