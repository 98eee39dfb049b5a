#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstring>

#include "platform/text_file.h"
#include "platform_test_support.h"

namespace vorneth::platform {
namespace {

using testing::FileSizeLimit;
using testing::ReadBytes;
using testing::SmallTmpfs;
using testing::WriteBytes;

Lines ReadLines(const QString& path) {
  ReadResult read = ReadTextFile(path);
  EXPECT_EQ(read.status, ReadResult::Status::Ok) << path.toStdString();
  return read.lines;
}

// A list whose file is `bytes` long or a little longer.
Lines ListOfSize(qsizetype bytes) {
  return Lines(static_cast<std::size_t>(bytes / 32 + 1), std::string(30, 'g'));
}

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
  EXPECT_EQ(ReadLines(path), lines);

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
  EXPECT_EQ(ReadTextFile(path).status, ReadResult::Status::CannotOpen);
  EXPECT_EQ(ReadTextFile(dir.path()).status, ReadResult::Status::CannotOpen);  // a folder
  const QString fifo = dir.filePath("fifo");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  EXPECT_EQ(ReadTextFile(fifo).status, ReadResult::Status::CannotOpen);  // and it does not hang
}

// The disk fills while the new file is written: before the rename, every byte must be on disk.
void ExpectFullDiskKeepsOldFile(const QString& folder, qsizetype listBytes) {
  const QString path = folder + "/hoard.txt";
  EXPECT_EQ(WriteTextFile(path, ListOfSize(listBytes)), WriteResult::CannotWrite) << listBytes;
  EXPECT_EQ(ReadBytes(path).toStdString(), "OLD\r\n") << listBytes;
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
            (QStringList{"filler", "hoard.txt"}));  // no temporary file left behind
}

TEST(TextFile, OnAFullDiskTheOldFileStaysByteForByte) {
  SmallTmpfs disk;
  if (!disk.mounted()) {
    GTEST_SKIP() << "mounting a small tmpfs needs root; the file size limit test covers the rest";
  }
  ASSERT_TRUE(WriteBytes(disk.path("hoard.txt"), "OLD\r\n"));
  disk.fill();
  for (const qsizetype size : {100, 15000, 40000}) {  // within Qt's write buffer, and beyond it
    ExpectFullDiskKeepsOldFile(disk.path(), size);
  }
}

TEST(TextFile, AWriteThatTheSystemCutsShortKeepsTheOldFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(WriteBytes(dir.filePath("hoard.txt"), "OLD\r\n"));
  ASSERT_TRUE(WriteBytes(dir.filePath("filler"), ""));
  const FileSizeLimit limit(64);
  for (const qsizetype size : {100, 15000, 40000}) {
    ExpectFullDiskKeepsOldFile(dir.path(), size);
  }
}

TEST(TextFile, ATargetThatIsNotARegularFileIsRefusedAndLeftAlone) {
  QTemporaryDir dir;
  const auto native = [&](const char* name) { return QFile::encodeName(dir.filePath(name)); };
  ASSERT_EQ(::mkfifo(native("fifo").constData(), 0600), 0);
  ASSERT_EQ(::symlink("loop-b", native("loop-a").constData()), 0);
  ASSERT_EQ(::symlink("loop-a", native("loop-b").constData()), 0);
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, native("socket").constData(), sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  QStringList targets{"fifo", "loop-a", "socket"};
  if (::mknod(native("null").constData(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
    targets << "null";  // making a device node needs root
  }
  for (const QString& name : targets) {
    EXPECT_EQ(WriteTextFile(dir.filePath(name), {"hoard"}), WriteResult::CannotCreate)
        << name.toStdString();
  }
  ::close(sock);
  struct stat info {};
  EXPECT_TRUE(::stat(native("fifo").constData(), &info) == 0 && S_ISFIFO(info.st_mode));
  EXPECT_TRUE(::lstat(native("loop-a").constData(), &info) == 0 && S_ISLNK(info.st_mode));
  EXPECT_TRUE(::stat(native("socket").constData(), &info) == 0 && S_ISSOCK(info.st_mode));

  // A link to a regular file writes that file and stays a link.
  ASSERT_TRUE(WriteBytes(dir.filePath("real.txt"), "old\r\n"));
  ASSERT_EQ(::symlink("real.txt", native("link.txt").constData()), 0);
  EXPECT_EQ(WriteTextFile(dir.filePath("link.txt"), {"new"}), WriteResult::Ok);
  EXPECT_EQ(ReadBytes(dir.filePath("real.txt")), QByteArray("new\r\n"));
  EXPECT_TRUE(QFileInfo(dir.filePath("link.txt")).isSymLink());
}

// Another user's link, as the last part or as a folder on the way, is not followed: the file it
// points to keeps its bytes. Links of the user's own and of root's are.
TEST(TextFile, ALinkOfAnotherUserIsNotFollowed) {
  if (::geteuid() != 0) {
    GTEST_SKIP() << "giving a link to another user needs root";
  }
  constexpr uid_t kNobody = 65534;
  QTemporaryDir dir;
  const auto native = [&](const char* name) { return QFile::encodeName(dir.filePath(name)); };
  ASSERT_TRUE(QDir(dir.path()).mkdir("own"));
  ASSERT_TRUE(WriteBytes(dir.filePath("own/hoard.txt"), "old\r\n"));
  ASSERT_EQ(::symlink("own/hoard.txt", native("theirs.txt").constData()), 0);
  ASSERT_EQ(::symlink("own", native("their-folder").constData()), 0);
  ASSERT_EQ(::symlink("theirs.txt", native("mine.txt").constData()), 0);  // mine, to theirs
  for (const char* link : {"theirs.txt", "their-folder"}) {
    ASSERT_EQ(::lchown(native(link).constData(), kNobody, kNobody), 0);
  }
  for (const char* name : {"theirs.txt", "their-folder/hoard.txt", "mine.txt"}) {
    EXPECT_EQ(WriteTextFile(dir.filePath(name), {"new"}), WriteResult::CannotCreate) << name;
  }
  EXPECT_EQ(ReadBytes(dir.filePath("own/hoard.txt")), QByteArray("old\r\n"));
  ASSERT_EQ(::symlink("own/hoard.txt", native("root.txt").constData()), 0);
  EXPECT_EQ(WriteTextFile(dir.filePath("root.txt"), {"new"}), WriteResult::Ok);
  EXPECT_EQ(ReadBytes(dir.filePath("own/hoard.txt")), QByteArray("new\r\n"));
}

TEST(TextFile, ReadingBackRefusesARunawayFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("big.txt");
  ASSERT_TRUE(WriteBytes(path, QByteArray(static_cast<qsizetype>(kMaxReadLines), '\n')));
  EXPECT_EQ(ReadTextFile(path).lines.size(), kMaxReadLines);  // at the limit: taken
  ASSERT_TRUE(WriteBytes(path, QByteArray(static_cast<qsizetype>(kMaxReadLines) + 1, '\n')));
  EXPECT_EQ(ReadTextFile(path).status, ReadResult::Status::TooLarge);
  ASSERT_TRUE(WriteBytes(path, QByteArray(kMaxReadBytes, 'x') + "\r\n"));
  EXPECT_EQ(ReadTextFile(path).status, ReadResult::Status::TooLarge);
  ASSERT_TRUE(WriteBytes(path, QByteArray(kMaxReadBytes, 'x')));
  EXPECT_EQ(ReadTextFile(path).lines.size(), 1u);
}

}  // namespace
}  // namespace vorneth::platform
