// Runs the built vorneth-cli as a separate process, with its standard output set up as a test
// needs, and collects what it wrote and how it exited.
#pragma once

#include <fcntl.h>
#include <poll.h>
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

// Reads both pipes until each is closed, together, so that a child filling one of them is
// never left blocked while the other is read. A descriptor of -1 is skipped.
inline void ReadBoth(int outFd, int errFd, std::string& out, std::string& err) {
  pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
  std::string* texts[2] = {&out, &err};
  int remaining = (outFd != -1) + (errFd != -1);
  while (remaining > 0 && poll(fds, 2, -1) > 0) {
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd == -1 || fds[i].revents == 0) {
        continue;
      }
      char buffer[4096];
      const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        texts[i]->append(buffer, static_cast<std::size_t>(n));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --remaining;
      }
    }
  }
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
  ReadBoth(outPipe[0], errPipe[0], result.out, result.err);
  int status = 0;
  if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
    result.exitCode = WEXITSTATUS(status);
  }
  return result;
}

}  // namespace vorneth::cli
