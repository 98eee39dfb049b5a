#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include "platform/editor_process.h"
#include "platform/report_actions.h"
#include "platform/text_file.h"
#include "platform_test_support.h"

namespace vorneth::platform {
namespace {

using testing::MessageCapture;
using testing::ReadBytes;
using testing::ScopedTempCurrentDir;
using testing::WriteBytes;

const QString kNoEditor = QStringLiteral(
    "No plain-text editor could be started. Install one of: gnome-text-editor, gedit, kate, "
    "featherpad, geany or xedit.");

// Each test runs in a fresh current directory with a small shell script as the editor. The
// script gets the file to edit as its last argument and first keeps a copy of what it was given.
class EditListTest : public ::testing::Test {
 protected:
  void TearDown() override { SetEditorCommand(std::nullopt); }

  void UseEditorScript(const QByteArray& body, bool executable = true) {
    const QString script = dir_.path("editor.sh");
    ASSERT_TRUE(WriteBytes(script, "#!/bin/sh\ncp \"$1\" given.txt\n" + body + "\n"));
    if (executable) {
      QFile::setPermissions(script, QFile::permissions(script) | QFile::ExeOwner);
    }
    SetEditorCommand(EditorCommand{script, {}});
  }

  ScopedTempCurrentDir dir_;
  MessageCapture messages_;
  const Lines dmList_{"3,000 Gold Pieces", "Plate Mail +2 ", "Potion of Flying"};
};

TEST_F(EditListTest, TheEditorGetsTheListAndItsSavedFileComesBack) {
  ASSERT_TRUE(WriteBytes(dir_.path("VNTemp.txt"), "left over from last time\r\n"));
  UseEditorScript("printf '3,000 Gold Pieces\\r\\nPlate Mail +2 \\r\\nRing\\r\\n' > \"$1\"");
  EXPECT_EQ(EditList(nullptr, dmList_), (Lines{"3,000 Gold Pieces", "Plate Mail +2 ", "Ring"}));
  EXPECT_EQ(ReadBytes(dir_.path("given.txt")), EncodeLines(dmList_));  // only the lines
  EXPECT_TRUE(QFile::exists(dir_.path("VNTemp.txt")));                 // left on disk
  EXPECT_TRUE(messages_.messages().isEmpty());
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

TEST_F(EditListTest, AnEditFileThatCannotBeWrittenOrReadBackIsReported) {
  UseEditorScript("rm \"$1\"");
  EXPECT_EQ(EditList(nullptr, dmList_), std::nullopt);
  EXPECT_EQ(messages_.messages(), QStringList{QStringLiteral("Cannot open file VNTemp.txt")});

  // A folder of that name cannot be deleted nor replaced by the file: the editor never starts.
  QFile::remove(dir_.path("given.txt"));
  ASSERT_TRUE(QDir(dir_.path(".")).mkpath("VNTemp.txt/inside"));
  EXPECT_EQ(EditList(nullptr, dmList_), std::nullopt);
  EXPECT_EQ(messages_.messages().value(1), QStringLiteral("Cannot create file VNTemp.txt"));
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
