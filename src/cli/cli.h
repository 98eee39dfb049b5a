#pragma once

#include <functional>
#include <ostream>
#include <span>
#include <string>

namespace vorneth::cli {

// Tells why writing to the output failed: the errno of the first failed write, 0 if unknown.
using OutputErrno = std::function<int()>;

// The whole command: reads the arguments (without the program name), writes the hoard to `out`
// and any complaint to `err`, returns the exit code (0 done, 1 the output could not be
// written, 2 bad arguments). `outputErrno`, when given, supplies the reason for a failed write.
int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err,
           const OutputErrno& outputErrno = {});

}  // namespace vorneth::cli
