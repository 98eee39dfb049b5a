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

int FdOutputBuffer::sync() {
  return Drain() ? 0 : -1;
}

bool FdOutputBuffer::Drain() {
  const char* next = pbase();
  while (error_ == 0 && next < pptr()) {
    const ssize_t written = ::write(fd_, next, static_cast<std::size_t>(pptr() - next));
    if (written > 0) {
      next += written;
    } else if (written < 0 && errno != EINTR) {
      error_ = errno;
    } else if (written == 0) {
      error_ = EIO;  // no progress and no reason given: do not spin
    }
  }
  // Written or not, the buffered bytes are done with: a failed output is not retried.
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return error_ == 0;
}

}  // namespace vorneth::cli
