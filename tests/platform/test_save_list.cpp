#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "platform/export_dialog.h"
#include "platform/report_actions.h"
#include "platform/save_dialog.h"
#include "platform_test_support.h"

namespace vorneth::platform {
namespace {

using testing::MessageCapture;
using testing::ReadBytes;
using testing::ScopedTempCurrentDir;

class SaveListTest : public ::testing::Test {
 protected:
  void SetUp() override { ForgetSaveFileName(); }
  void TearDown() override { ForgetSaveFileName(); }

  ScopedTempCurrentDir dir_;
  MessageCapture messages_;
};

TEST_F(SaveListTest, WritesTitleHeadingAndTheLinesUnchanged) {
  const QString path = dir_.path("lair.txt");
  SetNextSaveFileName(path);
  SaveList(nullptr, QStringLiteral("Dragon's Lair"), ListKind::DM,
           {"12,000 Gold Pieces", "Plate Mail ", "Potion of Healing"});
  EXPECT_EQ(ReadBytes(path),
            QByteArray("Dragon's Lair\r\n\r\nDM's List\r\n\r\n"
                       "12,000 Gold Pieces\r\nPlate Mail \r\nPotion of Healing\r\n"));
  EXPECT_TRUE(messages_.messages().isEmpty());
}

TEST_F(SaveListTest, EmptyTitleAndEmptyHoardPlayersList) {
  const QString path = dir_.path("players.txt");
  SetNextSaveFileName(path);
  SaveList(nullptr, QString(), ListKind::Players, {"Nothing Found"});
  EXPECT_EQ(ReadBytes(path), QByteArray("\r\n\r\nPlayer's List\r\n\r\nNothing Found\r\n"));
  // The title is kept as typed, blanks included.
  SetNextSaveFileName(path);
  SaveList(nullptr, QStringLiteral("  Crypt "), ListKind::Players, {});
  EXPECT_EQ(ReadBytes(path), QByteArray("  Crypt \r\n\r\nPlayer's List\r\n\r\n"));
}

TEST_F(SaveListTest, CancellingWritesNothingAndSaysNothing) {
  SetNextSaveCancelled();
  SaveList(nullptr, QStringLiteral("Title"), ListKind::DM, {"Potion"});
  EXPECT_TRUE(QDir(dir_.path(".")).entryList(QDir::Files | QDir::Hidden).isEmpty());
  EXPECT_TRUE(messages_.messages().isEmpty());
  EXPECT_EQ(OfferedSaveFileName(), QStringLiteral("Vornath"));
}

TEST_F(SaveListTest, AFileThatCannotBeCreatedIsReportedAndNothingChanges) {
  const QString path = dir_.path("missing/hoard.txt");
  SetNextSaveFileName(path);
  SaveList(nullptr, QStringLiteral("Title"), ListKind::DM, {"Potion"});
  EXPECT_EQ(messages_.messages(), QStringList{QStringLiteral("Cannot create file ") + path});
  EXPECT_FALSE(QFile::exists(path));
}

// Runs `step` on the top modal window as soon as there is one other than `skip`.
void WhenModal(std::function<void(QWidget*)> step, QWidget* skip = nullptr) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, step, skip] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != skip) {
      timer->stop();
      timer->deleteLater();
      step(modal);
    }
  });
  timer->start();
}

TEST_F(SaveListTest, TheRealDialogOffersVornathAddsTxtAndRemembersTheName) {
  WhenModal([](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("Text Files (*.txt)")});
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("txt"));
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_TRUE(dialog->isSizeGripEnabled());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save Players List As"));
    EXPECT_GE(dialog->width(), 700);          // the name, size, type and date columns fit
    static_cast<QDialog*>(dialog)->accept();  // the user takes the proposed name
  });
  const std::optional<QString> chosen = AskSaveFileName(nullptr, "Save Players List As");
  const QString expected = QDir(dir_.path(".")).absoluteFilePath("Vornath.txt");
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(QFileInfo(*chosen).absoluteFilePath(), expected);
  EXPECT_EQ(QFileInfo(OfferedSaveFileName()).absoluteFilePath(), expected);

  // The next save offers the same file; it exists now, so replacing it must be confirmed.
  ASSERT_TRUE(testing::WriteBytes(expected, "old\r\n"));
  QFileDialog* fileDialog = nullptr;
  bool askedToReplace = false;
  WhenModal([&](QWidget* modal) {
    fileDialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(fileDialog, nullptr);
    WhenModal(
        [&](QWidget* box) {
          auto* question = qobject_cast<QMessageBox*>(box);
          ASSERT_NE(question, nullptr);
          askedToReplace = true;
          question->button(QMessageBox::No)->click();
          QTimer::singleShot(0, fileDialog, &QDialog::reject);  // then the user gives up
        },
        fileDialog);
    static_cast<QDialog*>(fileDialog)->accept();
  });
  EXPECT_EQ(AskSaveFileName(nullptr, "Save DMs List As"), std::nullopt);
  EXPECT_TRUE(askedToReplace);
  EXPECT_EQ(ReadBytes(expected), QByteArray("old\r\n"));
}

// Export offers the hoard's title as the name, and then the last export's folder and kind.
TEST_F(SaveListTest, TheRealExportDialogOffersTheTitleThenTheLastFolderAndKind) {
  EXPECT_EQ(ExportFileName(QStringLiteral(" Crypt/of\tAsh ")), QStringLiteral("Crypt of Ash"));
  EXPECT_EQ(ExportFileName(QStringLiteral("../..")), QStringLiteral("Vorneth"));
  EXPECT_EQ(ExportFileName(QString()), QStringLiteral("Vorneth"));
  ASSERT_TRUE(QDir(dir_.path(".")).mkdir(QStringLiteral("exports")));
  const QString folder = QDir(dir_.path("exports")).absolutePath();
  const QString csv = QStringLiteral("CSV (*.csv)");
  WhenModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->setDirectory(folder);
    dialog->selectNameFilter(csv);
    emit dialog->filterSelected(csv);
    static_cast<QDialog*>(dialog)->accept();
  });
  const std::optional<ExportChoice> first = AskExportFile(nullptr, QStringLiteral("Crypt/of Ash"));
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->path, folder + QStringLiteral("/Crypt of Ash.csv"));
  EXPECT_EQ(first->kind, ExportKind::Csv);

  WhenModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->directory().absolutePath(), folder);
    EXPECT_EQ(dialog->selectedNameFilter(), csv);
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("csv"));
    static_cast<QDialog*>(dialog)->reject();
  });
  EXPECT_EQ(AskExportFile(nullptr, QString()), std::nullopt);
}

}  // namespace
}  // namespace vorneth::platform
