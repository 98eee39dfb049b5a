#include "cli/fd_output_buffer.h"

#include <unistd.h>

#include <cerrno>

namespace vorneth::cli {

FdOutputBuffer::FdOutputBuffer(int fd) : fd_(fd) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

FdOutputBuffer::~FdOutputBuffer() {
  Drain();
}

FdOutputBuffer::int_type FdOutputBuffer::overflow(int_type ch) {
  if (!Drain()) {
    return traits_type::eof();
  }
  if (!traits_type::eq_int_type(ch, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(ch);
    pbump(1);
  }
  return traits_type::not_eof(ch);
}

std::streamsize FdOutputBuffer::xsputn(const char* text, std::streamsize count) {
  const auto size = static_cast<std::size_t>(count);
  if (size < buffer_.size()) {
    return std::streambuf::xsputn(text, count);
  }
  return Drain() && WriteAll(text, size) ? count : 0;
}

int FdOutputBuffer::sync() {
  return Drain() ? 0 : -1;
}

bool FdOutputBuffer::Drain() {
  const bool written = WriteAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
  // Written or not, the buffered bytes are done with: a failed output is not retried.
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return written;
}

bool FdOutputBuffer::WriteAll(const char* bytes, std::size_t count) {
  const char* next = bytes;
  const char* const end = bytes + count;
  while (error_ == 0 && next < end) {
    const ssize_t written = ::write(fd_, next, static_cast<std::size_t>(end - next));
    if (written > 0) {
      next += written;
    } else if (written < 0 && errno != EINTR) {
      error_ = errno;
    } else if (written == 0) {
      error_ = EIO;  // no progress and no reason given: do not spin
    }
  }
  return error_ == 0;
}

}  // namespace vorneth::cli
