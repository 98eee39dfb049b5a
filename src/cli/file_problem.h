#pragma once

#include <string>

namespace vorneth::cli {

// A file command's failure: its exit code and its one line (which may be empty when the
// command has written what went wrong as its output).
struct FileProblem {
  int code = 0;
  std::string message;
};

}  // namespace vorneth::cli
