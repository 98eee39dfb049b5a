#pragma once

#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "platform/messages.h"

namespace vorneth::platform::testing {

// Collects the error messages shown while it lives, instead of modal boxes.
class MessageCapture {
 public:
  MessageCapture()
      : previous_(SetMessageSink([this](const QString& text) { messages_ << text; })) {}
  ~MessageCapture() { SetMessageSink(previous_); }
  MessageCapture(const MessageCapture&) = delete;
  MessageCapture& operator=(const MessageCapture&) = delete;

  const QStringList& messages() const { return messages_; }
  void clear() { messages_.clear(); }

 private:
  QStringList messages_;
  MessageSink previous_;
};

// Makes a fresh temporary folder the current directory while it lives.
class ScopedTempCurrentDir {
 public:
  ScopedTempCurrentDir() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
  ~ScopedTempCurrentDir() { QDir::setCurrent(previous_); }
  ScopedTempCurrentDir(const ScopedTempCurrentDir&) = delete;
  ScopedTempCurrentDir& operator=(const ScopedTempCurrentDir&) = delete;

  QString path(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
  QString previous_;
};

// Sets an environment variable while it lives (unsets it for a null value) and restores it.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), previous_(qgetenv(name)) {
    value.isNull() ? qunsetenv(name) : qputenv(name, value);
  }
  ~ScopedEnv() { had_ ? qputenv(name_, previous_) : qunsetenv(name_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  bool had_;
  QByteArray previous_;
};

// A real 64 KiB tmpfs mounted on a fresh folder while it lives, which fill() makes full.
// Mounting needs root: check mounted() and skip with the reason otherwise.
class SmallTmpfs {
 public:
  SmallTmpfs()
      : mounted_(::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
                         "size=64k,mode=0700") == 0) {}
  ~SmallTmpfs() {
    if (mounted_) {
      ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
  }
  SmallTmpfs(const SmallTmpfs&) = delete;
  SmallTmpfs& operator=(const SmallTmpfs&) = delete;

  bool mounted() const { return mounted_; }
  QString path(const QString& name = {}) const {
    return name.isEmpty() ? dir_.path() : dir_.filePath(name);
  }
  // Writes zeros into a filler file until the file system has no block left.
  void fill() const {
    QFile filler(path(QStringLiteral("filler")));
    if (filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
      const QByteArray block(4096, '\0');
      while (filler.write(block) > 0) {
      }
    }
  }

 private:
  QTemporaryDir dir_;
  bool mounted_;
};

// Limits the size of any file this process writes (RLIMIT_FSIZE) while it lives: a write past
// the limit fails with EFBIG, a real failing device that needs no privileges.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : previousHandler_(::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    const rlimit limit{bytes, previous_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    ::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  sighandler_t previousHandler_;
};

inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace vorneth::platform::testing
