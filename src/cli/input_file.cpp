#include "cli/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace vorneth::cli {

namespace {

constexpr std::size_t kChunk = 1 << 16;

// Reads up to `size` bytes, going on after interruptions; -1 on an error.
ssize_t ReadSome(int fd, char* into, std::size_t size) {
  for (;;) {
    const ssize_t got = ::read(fd, into, size);
    if (got >= 0 || errno != EINTR) {
      return got;
    }
  }
}

}  // namespace

InputFile::~InputFile() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

bool InputFile::Open(const std::string& path, std::string& reason) {
  // Non-blocking, so that opening a FIFO with no writer returns at once.
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) {
    reason = std::strerror(errno);
    return false;
  }
  struct stat info {};
  if (::fstat(fd_, &info) != 0) {
    reason = std::strerror(errno);
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    reason = S_ISDIR(info.st_mode) ? "is a folder" : "not a regular file";
    return false;
  }
  return true;
}

bool InputFile::Rewind(std::string& reason) {
  if (::lseek(fd_, 0, SEEK_SET) != 0) {
    reason = std::strerror(errno);
    return false;
  }
  return true;
}

InputFile::Read InputFile::ReadAll(std::size_t limit, std::string& text, std::string& reason) {
  text.clear();
  if (!Rewind(reason)) {
    return Read::Failed;
  }
  for (;;) {
    const std::size_t size = text.size();
    text.resize(size + kChunk);
    const ssize_t got = ReadSome(fd_, text.data() + size, kChunk);
    text.resize(size + static_cast<std::size_t>(got > 0 ? got : 0));
    if (got < 0) {
      reason = std::strerror(errno);
      return Read::Failed;
    }
    if (got == 0) {
      return Read::Whole;
    }
    if (text.size() > limit) {
      return Read::TooLarge;
    }
  }
}

InputFile::Read InputFile::ForEachLine(std::size_t maxLine,
                                       const std::function<bool(std::string_view)>& line,
                                       std::string& reason) {
  if (!Rewind(reason)) {
    return Read::Failed;
  }
  std::string pending;
  std::array<char, kChunk> chunk{};
  for (;;) {
    const ssize_t got = ReadSome(fd_, chunk.data(), chunk.size());
    if (got < 0) {
      reason = std::strerror(errno);
      return Read::Failed;
    }
    if (got == 0) {
      if (!pending.empty()) {
        line(pending);
      }
      return Read::Whole;
    }
    std::string_view rest(chunk.data(), static_cast<std::size_t>(got));
    for (std::size_t end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
      pending.append(rest.substr(0, end));
      rest.remove_prefix(end + 1);
      if (pending.size() > maxLine) {
        return Read::TooLarge;
      }
      if (!line(pending)) {
        return Read::Whole;
      }
      pending.clear();
    }
    pending.append(rest);
    if (pending.size() > maxLine) {
      return Read::TooLarge;
    }
  }
}

std::string MebibytesText(std::size_t bytes) {
  return std::to_string(bytes / (1024 * 1024)) + " MiB";
}

}  // namespace vorneth::cli
