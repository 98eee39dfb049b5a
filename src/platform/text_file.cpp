#include "platform/text_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <deque>
#include <string_view>

#include "core/text_lines.h"
#include "platform/system_error.h"

namespace vorneth::platform {

namespace {

QByteArray NativePath(const QString& path) {
  return QFile::encodeName(path);
}

// True when `path` names a regular file (through any links) or nothing at all yet.
bool IsRegularFileOrMissing(const QString& path) {
  struct stat info {};
  if (::stat(NativePath(path).constData(), &info) == 0) {
    return S_ISREG(info.st_mode);
  }
  return errno == ENOENT;
}

// True when every symbolic link that `path` goes through, in any part of it, belongs to the user
// saving or to root. A link planted by another user in a folder of theirs must not turn a save
// into a write of this user's own file elsewhere (the kernel's protected_symlinks does the same,
// but only in sticky folders). A path that cannot be followed to its end is left to the write.
bool LinksBelongToUser(const QByteArray& path) {
  constexpr int kMaxLinks = 40;  // as the kernel follows at most
  std::deque<std::string> rest;
  const auto prepend = [&rest](std::string_view text) {
    std::vector<std::string> parts;
    for (std::size_t begin = 0; begin <= text.size();) {
      const std::size_t end = std::min(text.find('/', begin), text.size());
      parts.emplace_back(text.substr(begin, end - begin));
      begin = end + 1;
    }
    rest.insert(rest.begin(), parts.begin(), parts.end());
  };
  const std::string_view whole(path.constData(), static_cast<std::size_t>(path.size()));
  std::string done =
      whole.starts_with('/') ? "" : QFile::encodeName(QDir::currentPath()).toStdString();
  prepend(whole);
  const uid_t user = ::geteuid();
  int links = 0;
  while (!rest.empty()) {
    const std::string part = std::move(rest.front());
    rest.pop_front();
    if (part.empty() || part == ".") {
      continue;
    }
    if (part == "..") {
      done.erase(std::min(done.rfind('/'), done.size()));
      continue;
    }
    const std::string next = done + "/" + part;
    struct stat info {};
    if (::lstat(next.c_str(), &info) != 0) {
      return true;
    }
    if (!S_ISLNK(info.st_mode)) {
      done = next;
      continue;
    }
    if ((info.st_uid != user && info.st_uid != 0) || ++links > kMaxLinks) {
      return false;
    }
    std::string target(static_cast<std::size_t>(PATH_MAX), '\0');
    const ssize_t length = ::readlink(next.c_str(), target.data(), target.size());
    if (length < 0) {
      return true;
    }
    target.resize(static_cast<std::size_t>(length));
    if (target.starts_with('/')) {
      done.clear();
    }
    prepend(target);
  }
  return true;
}

// Makes a rename in `folder` survive a crash. Best effort: the new file is already complete.
void SyncFolder(const QString& folder) {
  const int fd = ::open(NativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

// Writes all of `bytes` to `fd`, going on after short writes and interruptions.
bool WriteAll(int fd, const QByteArray& bytes) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, static_cast<std::size_t>(left));
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written <= 0) {
      return false;
    }
    data += written;
    left -= written;
  }
  return true;
}

}  // namespace

QByteArray EncodeLines(const Lines& lines) {
  QByteArray bytes;
  bytes.reserve(static_cast<qsizetype>(lines.Text().size() + 2 * lines.size()));
  for (const std::string_view line : lines) {
    bytes.append(line.data(), static_cast<qsizetype>(line.size()));
    bytes.append("\r\n", 2);
  }
  return bytes;
}

Lines DecodeLines(QByteArrayView bytes, std::size_t maxLines) {
  return SplitTextLines(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())),
                        maxLines);
}

WriteResult WriteTextFile(const QString& path, const Lines& lines, const ByteWriter& writer) {
  return WriteFileBytes(path, EncodeLines(lines), writer);
}

WriteResult WriteFileBytes(const QString& path, const QByteArray& bytes, const ByteWriter& writer) {
  if (!IsRegularFileOrMissing(path)) {
    return WriteResult::CannotCreate;  // replacing a FIFO or device by a file would break it
  }
  if (!LinksBelongToUser(NativePath(path))) {
    return WriteResult::CannotCreate;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return WriteResult::CannotCreate;
  }
  const bool written =
      writer ? writer(file, bytes) : file.write(bytes) == static_cast<qint64>(bytes.size());
  // write() may only have filled Qt's buffer: the disk's answer comes from flush() and fsync().
  // commit() must not run on a short file, because it renames whatever it has over the target.
  if (!written || !file.flush() || ::fsync(file.handle()) != 0) {
    file.cancelWriting();
    file.commit();  // discards the temporary file; the old file stays as it was
    return WriteResult::CannotWrite;
  }
  if (!file.commit()) {
    return WriteResult::CannotWrite;
  }
  SyncFolder(QFileInfo(QFileInfo(path).canonicalFilePath()).path());
  return WriteResult::Ok;
}

WriteResult WritePrivateFile(const QString& path, const Lines& lines, QString* reason) {
  const QByteArray native = NativePath(path);
  ::unlink(native.constData());  // a missing file is fine; one that stays makes O_EXCL fail
  const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        S_IRUSR | S_IWUSR);
  if (fd < 0) {
    if (reason) {
      *reason = SystemErrorText(errno);
    }
    return WriteResult::CannotCreate;
  }
  const bool written = WriteAll(fd, EncodeLines(lines)) && ::fsync(fd) == 0;
  const int writeError = errno;
  if (::close(fd) != 0 || !written) {
    if (reason) {
      *reason = SystemErrorText(written ? errno : writeError);
    }
    ::unlink(native.constData());
    return WriteResult::CannotWrite;
  }
  return WriteResult::Ok;
}

ReadResult ReadTextFile(const QString& path) {
  ReadResult result;
  // Non-blocking, so that a FIFO in the file's place cannot hang the program.
  const int fd = ::open(NativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    return result;
  }
  struct stat info {};
  QByteArray bytes;
  bool read = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  while (read && bytes.size() <= kMaxReadBytes) {
    char chunk[65536];
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got <= 0) {
      read = got == 0;
      break;
    }
    bytes.append(chunk, got);
  }
  ::close(fd);
  if (!read) {
    return result;
  }
  if (bytes.size() <= kMaxReadBytes) {
    result.lines = DecodeLines(bytes, kMaxReadLines);
  }
  if (bytes.size() > kMaxReadBytes || result.lines.size() > kMaxReadLines) {
    result.lines.clear();
    result.status = ReadResult::Status::TooLarge;
    return result;
  }
  result.status = ReadResult::Status::Ok;
  return result;
}

}  // namespace vorneth::platform
