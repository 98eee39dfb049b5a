#include "platform/text_file.h"

#include <QFile>
#include <QSaveFile>

namespace vorneth::platform {

QByteArray EncodeLines(const Lines& lines) {
  QByteArray bytes;
  qsizetype size = 0;
  for (const std::string& line : lines) {
    size += static_cast<qsizetype>(line.size()) + 2;
  }
  bytes.reserve(size);
  for (const std::string& line : lines) {
    bytes.append(line.data(), static_cast<qsizetype>(line.size()));
    bytes.append("\r\n", 2);
  }
  return bytes;
}

Lines DecodeLines(QByteArrayView bytes) {
  Lines lines;
  std::string current;
  bool pending = false;  // something (even an empty line's break) started a line not yet ended
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\0') {
      break;
    }
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      pending = false;
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
        ++i;
      }
      continue;
    }
    current.push_back(c);
    pending = true;
  }
  if (pending) {
    lines.push_back(std::move(current));
  }
  return lines;
}

WriteResult WriteTextFile(const QString& path, const Lines& lines, const ByteWriter& writer) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return WriteResult::CannotCreate;
  }
  const QByteArray bytes = EncodeLines(lines);
  const bool written =
      writer ? writer(file, bytes) : file.write(bytes) == static_cast<qint64>(bytes.size());
  if (!written) {
    file.cancelWriting();
    file.commit();  // discards the temporary file; the old file stays as it was
    return WriteResult::CannotWrite;
  }
  return file.commit() ? WriteResult::Ok : WriteResult::CannotWrite;
}

std::optional<Lines> ReadTextFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return std::nullopt;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    return std::nullopt;
  }
  return DecodeLines(bytes);
}

}  // namespace vorneth::platform
