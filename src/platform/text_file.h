#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/text_lines.h"

class QIODevice;

namespace vorneth::platform {

// A list as the program holds it: UTF-8 lines without line ends.
using Lines = LineList;

// The bytes of a text file: every line unchanged, each followed by CR LF (the last one too).
// No byte-order mark.
QByteArray EncodeLines(const Lines& lines);

// Splits file bytes into lines as SplitTextLines does.
Lines DecodeLines(QByteArrayView bytes,
                  std::size_t maxLines = std::numeric_limits<std::size_t>::max());

// Writes `bytes` to the open temporary file; returns false when the write failed. Tests hand in
// a writer that fails part-way; the program uses the plain one.
using ByteWriter = std::function<bool(QIODevice& device, const QByteArray& bytes)>;

enum class WriteResult {
  Ok,
  CannotCreate,  // the file (or its temporary twin) could not be created
  CannotWrite,   // the bytes or the final rename failed; the old file is untouched
};

// Writes the whole file through a temporary file in the same folder that replaces `path` only
// once every byte is on disk (written, flushed and synced), so a failed write never destroys the
// old file. A link to a regular file writes that file when every link on the way belongs to the
// user saving (or to root); a link of another user's, or a target that is not a regular file (a
// folder, FIFO, device, socket or link loop), is refused as CannotCreate and left alone.
WriteResult WriteTextFile(const QString& path, const Lines& lines, const ByteWriter& writer = {});

// The same for bytes already encoded (exports).
WriteResult WriteFileBytes(const QString& path, const QByteArray& bytes,
                           const ByteWriter& writer = {});

// Writes a file of the user's own in a private folder: deletes whatever has the name, then
// creates the file anew, exclusively, with mode 0600 and never through a link, and syncs it.
// A file that could not be written whole is deleted again. On failure `reason` gets the
// system's words for it.
WriteResult WritePrivateFile(const QString& path, const Lines& lines, QString* reason = nullptr);

// The most a file read back may hold: a runaway edit must not eat the memory.
inline constexpr qint64 kMaxReadBytes = static_cast<qint64>(kMaxFileBytes);
inline constexpr std::size_t kMaxReadLines = kMaxFileLines;

struct ReadResult {
  enum class Status {
    Ok,
    CannotOpen,  // missing, unreadable, or not a regular file
    TooLarge,    // more than kMaxReadBytes bytes or kMaxReadLines lines
  };
  Status status = Status::CannotOpen;
  Lines lines;  // the file's lines when Ok, else empty
};

// Reads a whole regular text file of at most kMaxReadBytes bytes and kMaxReadLines lines.
ReadResult ReadTextFile(const QString& path);

}  // namespace vorneth::platform
