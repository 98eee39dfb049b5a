#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include "platform/desktop_editor.h"
#include "platform/editor_process.h"
#include "platform/private_folder.h"
#include "platform/report_actions.h"
#include "platform/text_file.h"
#include "platform_test_support.h"

namespace vorneth::platform {
namespace {

using testing::FileSizeLimit;
using testing::MessageCapture;
using testing::ReadBytes;
using testing::ScopedEnv;
using testing::ScopedTempCurrentDir;
using testing::SmallTmpfs;
using testing::WriteBytes;

// The permission bits of a file or folder, not following a link.
mode_t ModeOf(const QString& path) {
  struct stat info {};
  return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

const QString kNoEditor = QStringLiteral(
    "No plain-text editor could be started. Install one of: gnome-text-editor, gedit, kate, "
    "featherpad, geany or xedit.");

// Each test runs in a fresh current directory and a fresh runtime folder, with a small shell
// script as the editor. The script gets the file to edit as its last argument and first keeps a
// copy of what it was given in the current directory.
class EditListTest : public ::testing::Test {
 protected:
  // No test reaches the machine's own desktop: opening through it fails unless a test says.
  void SetUp() override {
    SetDesktopOpener([](const QString&) { return false; });
  }
  void TearDown() override {
    SetEditorCommand(std::nullopt);
    SetDesktopOpener({});
    SetTakeBackAnswerer({});
  }

  QString editFile() const { return runtime_.path() + "/vorneth/VNTemp.txt"; }
  bool makePrivateFolder() const {
    return ::mkdir(QFile::encodeName(runtime_.path() + "/vorneth").constData(), 0700) == 0;
  }

  void UseEditorScript(const QByteArray& body, bool executable = true) {
    const QString script = dir_.path("editor.sh");
    ASSERT_TRUE(WriteBytes(script, "#!/bin/sh\ncp \"$1\" given.txt\n" + body + "\n"));
    if (executable) {
      QFile::setPermissions(script, QFile::permissions(script) | QFile::ExeOwner);
    }
    SetEditorCommand(EditorCommand{script, {}});
  }

  ScopedTempCurrentDir dir_;
  QTemporaryDir runtime_;
  ScopedEnv runtimeEnv_{"XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path())};
  MessageCapture messages_;
  const Lines dmList_{"3,000 Gold Pieces", "Plate Mail +2 ", "Potion of Flying"};
};

TEST_F(EditListTest, TheEditorGetsTheListInAPrivateFileAndItsSavedFileComesBack) {
  ASSERT_TRUE(makePrivateFolder());
  ASSERT_TRUE(WriteBytes(editFile(), "left over from last time\r\n"));
  UseEditorScript("printf '3,000 Gold Pieces\\r\\nPlate Mail +2 \\r\\nRing\\r\\n' > \"$1\"");
  EXPECT_EQ(EditList(nullptr, dmList_), (Lines{"3,000 Gold Pieces", "Plate Mail +2 ", "Ring"}));
  EXPECT_EQ(ReadBytes(dir_.path("given.txt")), EncodeLines(dmList_));  // only the lines
  EXPECT_TRUE(QFile::exists(editFile()));                              // left on disk
  EXPECT_EQ(ModeOf(editFile()), 0600u);
  EXPECT_FALSE(QFile::exists(dir_.path("VNTemp.txt")));  // the current folder is not used
  EXPECT_TRUE(messages_.messages().isEmpty());
}

TEST_F(EditListTest, ALinkPlantedAsTheEditFileIsReplacedNotWrittenThrough) {
  ASSERT_TRUE(makePrivateFolder());
  const QString victim = dir_.path("victim.txt");
  ASSERT_TRUE(WriteBytes(victim, "mine\r\n"));
  ASSERT_EQ(::symlink(QFile::encodeName(victim).constData(), QFile::encodeName(editFile())), 0);
  UseEditorScript("");
  EXPECT_EQ(EditList(nullptr, dmList_), dmList_);
  EXPECT_EQ(ReadBytes(victim), QByteArray("mine\r\n"));
  EXPECT_FALSE(QFileInfo(editFile()).isSymLink());
}

TEST_F(EditListTest, AnEditFileThatCannotBeWrittenWholeNeverReachesTheEditor) {
  UseEditorScript("");
  SmallTmpfs disk;
  std::optional<ScopedEnv> onFullDisk;
  std::optional<FileSizeLimit> limit;
  if (disk.mounted()) {
    disk.fill();
    onFullDisk.emplace("XDG_RUNTIME_DIR", QFile::encodeName(disk.path()));
  } else {
    limit.emplace(16);  // without root: a real write that the system cuts short
  }
  const QString file = PrivateFolderPath() + "/VNTemp.txt";
  EXPECT_EQ(EditList(nullptr, dmList_), std::nullopt);
  const QString reason = disk.mounted() ? "No space left on device" : "File too large";
  EXPECT_EQ(messages_.messages(), QStringList{"Cannot write file " + file + " (" + reason +
                                              "); the lists are unchanged"});
  EXPECT_FALSE(QFile::exists(dir_.path("given.txt")));  // the editor never started
  EXPECT_FALSE(QFile::exists(file));
}

TEST_F(EditListTest, ARunawayEditIsNotTakenBack) {
  UseEditorScript("head -c 100001 /dev/zero | tr '\\0' '\\n' > \"$1\"");
  EXPECT_EQ(EditList(nullptr, dmList_), std::nullopt);
  EXPECT_EQ(messages_.messages(),
            QStringList{"File " + editFile() +
                        " is too large to take back (more than 16 MiB or 100,000 lines); the "
                        "lists are unchanged"});
}

TEST_F(EditListTest, WithoutARuntimeFolderThePrivateFolderMustBeTheUsersOwn) {
  QTemporaryDir temp;
  const ScopedEnv noRuntime("XDG_RUNTIME_DIR", QByteArray());
  const ScopedEnv tmp("TMPDIR", QFile::encodeName(temp.path()));
  const QString folder = temp.filePath(QStringLiteral("vorneth-%1").arg(::geteuid()));
  ASSERT_EQ(PrivateFolderPath(), folder);
  UseEditorScript("");
  EXPECT_EQ(EditList(nullptr, dmList_), dmList_);  // made when missing, closed to others
  EXPECT_EQ(ModeOf(folder), 0700u);

  // Planted by someone else: a link to a folder they can read, an open folder, another's folder.
  const QString elsewhere = temp.filePath("elsewhere");
  ASSERT_TRUE(QDir().mkpath(elsewhere));
  const auto planted = [&](const std::function<void()>& plant, const QString& problem) {
    QDir(folder).removeRecursively();
    QFile::remove(folder);
    plant();
    messages_.clear();
    EXPECT_EQ(EditList(nullptr, dmList_), std::nullopt);
    EXPECT_EQ(messages_.messages(),
              QStringList{"Cannot create file VNTemp.txt (" + folder + ": " + problem + ")"});
    EXPECT_TRUE(QDir(elsewhere).isEmpty());
  };
  planted([&] { QFile::link(elsewhere, folder); }, "it is a link");
  planted([&] { QDir().mkpath(folder), ::chmod(QFile::encodeName(folder), 0777); },
          "other users can use it");
  if (::geteuid() == 0) {
    planted([&] { QDir().mkpath(folder), ::chown(QFile::encodeName(folder), 65534, 65534); },
            "it belongs to another user");
  }
}

TEST_F(EditListTest, TheListTakesExactlyTheLinesTheEditorSaved) {
  struct Case {
    QByteArray printf;
    Lines lines;
  };
  const Case cases[] = {
      {"", {}},  // every line deleted
      {"3,000 Gold Pieces Plate Mail +2 \\r\\nPotion\\r\\nof Flying\\r\\n",
       {"3,000 Gold Pieces Plate Mail +2 ", "Potion", "of Flying"}},  // joined and split
      {"CR only\\rLF only\\nCR LF\\r\\nno break at the end",
       {"CR only", "LF only", "CR LF", "no break at the end"}},
      {"kept\\r\\nalso kept\\000 but not this\\r\\nnor this\\r\\n", {"kept", "also kept"}},
      {"\\r\\n\\r\\n", {"", ""}},
  };
  for (const Case& c : cases) {
    UseEditorScript("printf '" + c.printf + "' > \"$1\"");
    EXPECT_EQ(EditList(nullptr, dmList_), c.lines) << c.printf.toStdString();
  }
  EXPECT_TRUE(messages_.messages().isEmpty());
}

TEST_F(EditListTest, WithoutAnEditorTheUserIsToldAndNothingComesBack) {
  SetEditorCommand(EditorCommand{dir_.path("no-such-editor"), {}});
  EXPECT_EQ(EditList(nullptr, dmList_), std::nullopt);
  UseEditorScript(": > \"$1\"", /*executable=*/false);
  EXPECT_EQ(EditList(nullptr, dmList_), std::nullopt);
  EXPECT_EQ(messages_.messages(), (QStringList{kNoEditor, kNoEditor}));
}

TEST_F(EditListTest, WithoutABlockingEditorTheDesktopsEditorIsUsedAndTheBoxTakesTheFileBack) {
  SetEditorCommand(EditorCommand{dir_.path("no-such-editor"), {}});
  // Stands in for an editor that hands the file to a window already open and returns at once:
  // the user's save lands a moment later.
  const QString editor = dir_.path("mousepad.sh");
  ASSERT_TRUE(WriteBytes(editor,
                         "#!/bin/sh\n(sleep 0.2; printf 'Ring of Invisibility\\r\\n' > \"$1\"; "
                         ": > saved) >/dev/null 2>&1 &\n"));
  QFile::setPermissions(editor, QFile::permissions(editor) | QFile::ExeOwner);
  SetDesktopOpener([&](const QString& file) { return QProcess::execute(editor, {file}) == 0; });
  // The desktop's default for plain text, as xdg-mime and the desktop entry tell it.
  QTemporaryDir desktop;
  ASSERT_TRUE(QDir(desktop.path()).mkpath("bin") && QDir(desktop.path()).mkpath("applications"));
  ASSERT_TRUE(WriteBytes(desktop.filePath("bin/xdg-mime"), "#!/bin/sh\necho scribe.desktop\n"));
  QFile::setPermissions(desktop.filePath("bin/xdg-mime"), QFile::ReadOwner | QFile::ExeOwner);
  ASSERT_TRUE(WriteBytes(desktop.filePath("applications/scribe.desktop"),
                         "[Desktop Entry]\nType=Application\nName=Scribe\nExec=scribe %f\n"));
  const ScopedEnv path("PATH", QFile::encodeName(desktop.filePath("bin")) + ":" + qgetenv("PATH"));
  const ScopedEnv data("XDG_DATA_HOME", QFile::encodeName(desktop.path()));

  QString shown;
  SetTakeBackAnswerer([&](QMessageBox& box) {
    shown = box.text();
    while (!QFile::exists(dir_.path("saved"))) {  // the user saves in the editor first
      QThread::msleep(20);
    }
    box.defaultButton()->click();
  });
  EXPECT_EQ(EditList(nullptr, dmList_), Lines{"Ring of Invisibility"});
  EXPECT_EQ(shown, "VNTemp.txt is open in Scribe. Save it there, then press Take Back.");

  SetTakeBackAnswerer([](QMessageBox& box) { box.button(QMessageBox::Cancel)->click(); });
  EXPECT_EQ(EditList(nullptr, dmList_), std::nullopt);  // Cancel: the lists stay
  EXPECT_TRUE(messages_.messages().isEmpty());
}

TEST_F(EditListTest, AnEditFileThatCannotBeWrittenOrReadBackIsReported) {
  UseEditorScript("rm \"$1\"");
  EXPECT_EQ(EditList(nullptr, dmList_), std::nullopt);
  EXPECT_EQ(messages_.messages(), QStringList{"Cannot open file " + editFile()});

  // A folder of that name cannot be deleted nor replaced by the file: the editor never starts.
  QFile::remove(dir_.path("given.txt"));
  ASSERT_TRUE(QDir().mkpath(editFile() + "/inside"));
  EXPECT_EQ(EditList(nullptr, dmList_), std::nullopt);
  EXPECT_EQ(messages_.messages().value(1), "Cannot create file " + editFile() + " (File exists)");
  EXPECT_FALSE(QFile::exists(dir_.path("given.txt")));
}

TEST_F(EditListTest, TheWindowTakesNoInputAndCannotCloseWhileTheEditorRuns) {
  QWidget window;
  auto* child = new QWidget(&window);
  window.show();
  // The editor waits until the test has looked at the window, then saves.
  UseEditorScript("while [ ! -e go ]; do sleep 0.02; done\nprintf 'done\\r\\n' > \"$1\"");
  bool enabledWhileEditing = true;
  bool closedWhileEditing = true;
  QTimer::singleShot(0, [&] {
    enabledWhileEditing = child->isEnabled() || window.isEnabled();
    QCloseEvent close;
    QCoreApplication::sendEvent(&window, &close);
    closedWhileEditing = close.isAccepted();
    WriteBytes(dir_.path("go"), "");
  });
  EXPECT_EQ(EditList(child, dmList_), Lines{"done"});
  EXPECT_FALSE(enabledWhileEditing);
  EXPECT_FALSE(closedWhileEditing);
  EXPECT_TRUE(window.isEnabled());
  EXPECT_TRUE(window.isVisible());
}

// With no editor to wait for but xedit, the desktop's own default editor for plain text comes
// first (with its Take Back box); xedit only when the desktop names none, its backup removed.
TEST_F(EditListTest, TheDesktopsOwnEditorComesBeforeXeditWhichComesLast) {
  QTemporaryDir desktop;
  ASSERT_TRUE(QDir(desktop.path()).mkpath("bin") && QDir(desktop.path()).mkpath("applications"));
  const auto script = [&desktop](const QString& name, const QByteArray& body) {
    ASSERT_TRUE(WriteBytes(desktop.filePath(name), "#!/bin/sh\n" + body + "\n"));
    QFile::setPermissions(desktop.filePath(name),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  };
  script("bin/xedit", "printf 'Wand of Wonder\\r\\n' > \"$1\"; : > \"$1~\"");
  script("bin/xdg-mime", "echo scribe.desktop");
  ASSERT_TRUE(WriteBytes(desktop.filePath("applications/scribe.desktop"),
                         "[Desktop Entry]\nType=Application\nName=Scribe\nExec=scribe %f\n"));
  const ScopedEnv path("PATH", QFile::encodeName(desktop.filePath("bin")));
  const ScopedEnv data("XDG_DATA_HOME", QFile::encodeName(desktop.path()));
  int opened = 0;
  SetDesktopOpener([&opened](const QString&) { return ++opened > 0; });
  SetTakeBackAnswerer([](QMessageBox& box) { box.defaultButton()->click(); });

  EXPECT_EQ(EditList(nullptr, dmList_), dmList_);  // taken back as the desktop's editor left it
  EXPECT_EQ(opened, 1);
  script("bin/xdg-mime", "exit 0");  // the desktop names no editor
  EXPECT_EQ(EditList(nullptr, dmList_), Lines{"Wand of Wonder"});
  EXPECT_EQ(opened, 1);
  EXPECT_FALSE(QFile::exists(editFile() + "~"));
  EXPECT_TRUE(messages_.messages().isEmpty());
}

TEST(EditorChoice, TheFirstKnownGuiEditorOnThePathWinsWithItsBlockingOption) {
  QTemporaryDir first;
  QTemporaryDir second;
  const auto fake = [](const QTemporaryDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    WriteBytes(path, "#!/bin/sh\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
  };
  EXPECT_TRUE(AvailableEditors({first.path()}).empty());
  fake(second, "xedit");
  fake(second, "vi");  // a terminal editor is never chosen
  fake(first, "kate");
  fake(first, "geany");
  const std::vector<EditorCommand> editors = AvailableEditors({first.path(), second.path()});
  ASSERT_EQ(editors.size(), 3u);
  EXPECT_EQ(editors[0].program, first.filePath("kate"));
  EXPECT_EQ(editors[0].options, (QStringList{"-b", "-n"}));
  EXPECT_EQ(editors[1].program, first.filePath("geany"));
  EXPECT_EQ(editors[1].options, QStringList{"-i"});
  EXPECT_EQ(editors[2].program, second.filePath("xedit"));
  EXPECT_TRUE(editors[2].options.isEmpty());
}

}  // namespace
}  // namespace vorneth::platform
