// Runs the built vorneth-cli as a separate process, with its standard output set up as a test
// needs, and collects what it wrote and how it exited.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace vorneth::cli {

enum class Stdout {
  Captured,    // a pipe read by the test
  DevFull,     // /dev/full: every write fails with ENOSPC
  Closed,      // no file descriptor 1 at all
  BrokenPipe,  // a pipe whose read end is closed, SIGPIPE ignored: writes fail with EPIPE
};

struct ProcessResult {
  int exitCode;  // -1 when the process did not exit normally (a signal ended it)
  std::string out;
  std::string err;
};

inline std::string ReadAll(int fd) {
  std::string text;
  char buffer[4096];
  ssize_t n = 0;
  while ((n = read(fd, buffer, sizeof buffer)) > 0) {
    text.append(buffer, static_cast<std::size_t>(n));
  }
  close(fd);
  return text;
}

inline ProcessResult RunCliProcess(std::vector<std::string> args,
                                   Stdout stdoutMode = Stdout::Captured) {
  std::string path = VORNETH_CLI_PATH;
  std::vector<char*> argv = {path.data()};
  for (std::string& arg : args) {
    argv.push_back(arg.data());
  }
  argv.push_back(nullptr);

  int errPipe[2];
  int outPipe[2] = {-1, -1};
  if (pipe2(errPipe, O_CLOEXEC) != 0) {
    return {-1, "", "pipe failed"};
  }
  if (stdoutMode == Stdout::Captured || stdoutMode == Stdout::BrokenPipe) {
    if (pipe2(outPipe, O_CLOEXEC) != 0) {
      return {-1, "", "pipe failed"};
    }
  }
  if (stdoutMode == Stdout::BrokenPipe) {
    close(outPipe[0]);  // closed before the fork, so no process holds a read end
    outPipe[0] = -1;
  }
  const int devFull = stdoutMode == Stdout::DevFull ? open("/dev/full", O_WRONLY | O_CLOEXEC) : -1;
  struct sigaction ignore = {};
  ignore.sa_handler = SIG_IGN;

  const pid_t pid = fork();
  if (pid == 0) {
    dup2(errPipe[1], STDERR_FILENO);
    if (stdoutMode == Stdout::DevFull) {
      dup2(devFull, STDOUT_FILENO);
    } else if (stdoutMode == Stdout::Closed) {
      close(STDOUT_FILENO);
    } else {
      dup2(outPipe[1], STDOUT_FILENO);
    }
    if (stdoutMode == Stdout::BrokenPipe) {
      sigaction(SIGPIPE, &ignore, nullptr);
    }
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(errPipe[1]);
  if (outPipe[1] != -1) {
    close(outPipe[1]);
  }
  if (devFull != -1) {
    close(devFull);
  }
  ProcessResult result{-1, "", ""};
  if (outPipe[0] != -1) {
    result.out = ReadAll(outPipe[0]);
  }
  result.err = ReadAll(errPipe[0]);
  int status = 0;
  if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
    result.exitCode = WEXITSTATUS(status);
  }
  return result;
}

}  // namespace vorneth::cli
