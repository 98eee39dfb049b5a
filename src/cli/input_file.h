#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vorneth::cli {

// A file named on the command line, read within limits. Only a regular file is read: a FIFO, a
// device, a socket or a folder is refused at once instead of being waited on or read forever.
class InputFile {
 public:
  InputFile() = default;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  ~InputFile();

  // Opens `path`; false with the reason when it is missing, unreadable or not a regular file.
  bool Open(const std::string& path, std::string& reason);

  enum class Read { Whole, TooLarge, Failed };
  // Reads the file from its start into `text` when it holds at most `limit` bytes. On Failed,
  // `reason` says why; on TooLarge `text` holds the first `limit` bytes and more.
  Read ReadAll(std::size_t limit, std::string& text, std::string& reason);

  // Calls `line` with each line of the file from its start, without its LF, until it returns
  // false. A line longer than `maxLine` bytes stops the reading as TooLarge.
  Read ForEachLine(std::size_t maxLine, const std::function<bool(std::string_view)>& line,
                   std::string& reason);

 private:
  bool Rewind(std::string& reason);
  int fd_ = -1;
};

// "16 MiB": a size in whole mebibytes, for messages.
std::string MebibytesText(std::size_t bytes);

}  // namespace vorneth::cli
