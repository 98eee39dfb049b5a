// Runs the whole command in-process: arguments in, both streams and the exit code out.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace vorneth::cli {

struct Result {
  int code;
  std::string out;
  std::string err;
};

inline Result Cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = RunCli(args, out, err);
  return {code, out.str(), err.str()};
}

}  // namespace vorneth::cli
