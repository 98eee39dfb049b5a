#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/text_file.h"
#include "platform_test_support.h"

namespace vorneth::platform {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

TEST(TextFile, EveryLineEndsWithCrLfAndNothingElseIsAdded) {
  EXPECT_EQ(EncodeLines({}), QByteArray());
  EXPECT_EQ(EncodeLines({"Dragon's Lair", "", "Plate Mail ", "Gem: p\xc3\xa9ridot"}),
            QByteArray("Dragon's Lair\r\n\r\nPlate Mail \r\nGem: p\xc3\xa9ridot\r\n"));
}

TEST(TextFile, LinesEndAtCrLfLoneCrOrLoneLf) {
  struct Case {
    QByteArray bytes;
    Lines lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},  // last line without a break counts
      {"\r\n\r\n", {"", ""}},
      {"a\n\r\nb", {"a", "", "b"}},  // LF then CR LF: two breaks
      {"a\r\r\nb", {"a", "", "b"}},  // CR then CR LF: two breaks
      {"a\n\rb", {"a", "", "b"}},    // LF CR is not one break
      {"  trailing  \r\n", {"  trailing  "}},
      {"\xc3\xa9t\xc3\xa9\r\n", {"\xc3\xa9t\xc3\xa9"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeLines(c.bytes), c.lines) << c.bytes.toStdString();
  }
}

// The bytes of a string literal, embedded NULs included.
template <std::size_t N>
QByteArray Bytes(const char (&literal)[N]) {
  return QByteArray(literal, static_cast<qsizetype>(N - 1));
}

TEST(TextFile, ReadingStopsAtTheFirstNul) {
  EXPECT_EQ(DecodeLines(Bytes("keep\r\nal\0so\r\nlost\r\n")), (Lines{"keep", "al"}));
  EXPECT_EQ(DecodeLines(Bytes("x\r\n\0y")), (Lines{"x"}));
  EXPECT_EQ(DecodeLines(Bytes("\0abc")), Lines{});
}

TEST(TextFile, WritesAndReadsBackARealFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("hoard.txt");
  const Lines lines{"1,234 Gold Pieces", "", "Plate Mail ", "Potion"};
  ASSERT_EQ(WriteTextFile(path, lines), WriteResult::Ok);
  EXPECT_EQ(ReadBytes(path), EncodeLines(lines));  // no byte-order mark, CR LF endings
  EXPECT_EQ(ReadTextFile(path), lines);

  ASSERT_EQ(WriteTextFile(path, {"replaced"}), WriteResult::Ok);
  EXPECT_EQ(ReadBytes(path), QByteArray("replaced\r\n"));
}

TEST(TextFile, AFailedWriteLeavesTheOldFileAndNoLeftovers) {
  QTemporaryDir dir;
  const QString path = dir.filePath("hoard.txt");
  ASSERT_TRUE(WriteBytes(path, "old hoard\r\n"));
  for (const qint64 limit : {0, 1, 7, 30}) {
    const ByteWriter failsAfterLimit = [limit](QIODevice& device, const QByteArray& bytes) {
      device.write(bytes.constData(), std::min<qint64>(limit, bytes.size()));
      return false;  // the disk is full after `limit` bytes
    };
    EXPECT_EQ(WriteTextFile(path, {"a much longer new hoard", "with two lines"}, failsAfterLimit),
              WriteResult::CannotWrite);
    EXPECT_EQ(ReadBytes(path), QByteArray("old hoard\r\n")) << limit;
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"hoard.txt"});
}

TEST(TextFile, AFileThatCannotBeCreatedOrReadIsReported) {
  QTemporaryDir dir;
  const QString path = dir.filePath("no/such/folder/hoard.txt");
  EXPECT_EQ(WriteTextFile(path, {"x"}), WriteResult::CannotCreate);
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_EQ(ReadTextFile(path), std::nullopt);
  EXPECT_EQ(ReadTextFile(dir.path()), std::nullopt);  // a folder is not a text file
}

}  // namespace
}  // namespace vorneth::platform
