#pragma once

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

inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace vorneth::platform::testing
