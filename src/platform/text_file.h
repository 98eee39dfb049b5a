#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QIODevice;

namespace vorneth::platform {

// A list as the program holds it: one UTF-8 string per line, without line ends.
using Lines = std::vector<std::string>;

// The bytes of a text file: every line unchanged, each followed by CR LF (the last one too).
// No byte-order mark.
QByteArray EncodeLines(const Lines& lines);

// Splits file bytes into lines. A line ends at CR LF, at a lone CR or at a lone LF; a last line
// without a line end still counts; everything from the first NUL byte on is ignored.
Lines DecodeLines(QByteArrayView bytes);

// Writes `bytes` to the open temporary file; returns false when the write failed. Tests hand in
// a writer that fails part-way; the program uses the plain one.
using ByteWriter = std::function<bool(QIODevice& device, const QByteArray& bytes)>;

enum class WriteResult {
  Ok,
  CannotCreate,  // the file (or its temporary twin) could not be created
  CannotWrite,   // the bytes or the final rename failed; the old file is untouched
};

// Writes the whole file through a temporary file in the same folder that replaces `path` only
// when everything was written, so a failed write never destroys the old file.
WriteResult WriteTextFile(const QString& path, const Lines& lines, const ByteWriter& writer = {});

// Reads a whole text file; nullopt when it cannot be opened or read.
std::optional<Lines> ReadTextFile(const QString& path);

}  // namespace vorneth::platform
