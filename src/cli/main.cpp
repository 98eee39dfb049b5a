#include <unistd.h>

#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/fd_output_buffer.h"
#include "core/memory_reuse.h"

int main(int argc, char** argv) {
  vorneth::KeepFreedMemoryForReuse();
  // Standard output goes through a buffer that remembers why a write failed, so that a full
  // disk or a closed pipe is reported rather than lost.
  vorneth::cli::FdOutputBuffer stdoutBuffer(STDOUT_FILENO);
  std::ostream out(&stdoutBuffer);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return vorneth::cli::RunCli(args, out, std::cerr,
                              [&stdoutBuffer] { return stdoutBuffer.error(); });
}
