#pragma once

#include <array>
#include <streambuf>

namespace vorneth::cli {

// A stream buffer that writes to a file descriptor and keeps the errno of the first failed
// write. After a failure it writes nothing more, so the stream goes bad and the reason can
// still be reported once the output is done.
class FdOutputBuffer : public std::streambuf {
 public:
  explicit FdOutputBuffer(int fd);
  ~FdOutputBuffer() override;
  FdOutputBuffer(const FdOutputBuffer&) = delete;
  FdOutputBuffer& operator=(const FdOutputBuffer&) = delete;

  // The errno of the first failed write, 0 while every write has succeeded.
  int error() const { return error_; }

 protected:
  int_type overflow(int_type ch) override;
  // Text of a buffer's length or more is written at once, not copied through the buffer.
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  // Writes out what is buffered; false once any write has failed.
  bool Drain();
  // Writes the bytes to the file descriptor; false once any write has failed.
  bool WriteAll(const char* bytes, std::size_t count);

  int fd_;
  int error_ = 0;
  std::array<char, 8192> buffer_{};
};

}  // namespace vorneth::cli
