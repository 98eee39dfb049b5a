// The report form's File and Edit menus on a generated hoard: saving either list with the
// request form's title, editing the shown list in a real (scripted) editor process, and printing
// without a printer.
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include "gui_test_support.h"
#include "platform/desktop_editor.h"
#include "platform/editor_process.h"
#include "platform/export_dialog.h"
#include "platform/messages.h"
#include "platform/save_dialog.h"
#include "platform/share_window.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ReportMenusTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Forms> forms_;
  QTemporaryDir dir_;
  QString oldCwd_;
  QStringList messages_;

  // A script standing in for the editor: it replaces the file with `content`.
  void useEditorWriting(const QByteArray& content) {
    const QString script = dir_.filePath(QStringLiteral("editor.sh"));
    const QString payload = dir_.filePath(QStringLiteral("payload"));
    QFile p(payload);
    QVERIFY(p.open(QIODevice::WriteOnly));
    p.write(content);
    p.close();
    QFile s(script);
    QVERIFY(s.open(QIODevice::WriteOnly));
    s.write("#!/bin/sh\ncat '" + payload.toUtf8() + "' > \"$1\"\n");
    s.close();
    s.setPermissions(s.permissions() | QFileDevice::ExeOwner);
    vorneth::platform::SetEditorCommand(vorneth::platform::EditorCommand{script, {}});
  }

  // Generates the hoard the request form describes, with the report form left open.
  void generate() {
    forms_->report.setRequest(forms_->intro.request());
    forms_->report.show();
    QCOMPARE(forms_->report.dmListShown(), true);
  }

  QStringList dm() const {
    QStringList out;
    for (const std::string_view line : forms_->report.dmLines()) {
      out.append(QString::fromUtf8(line));
    }
    return out;
  }
  QStringList players() const {
    QStringList out;
    for (const std::string_view line : forms_->report.playerLines()) {
      out.append(QString::fromUtf8(line));
    }
    return out;
  }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    oldCwd_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());  // the editor script keeps its payload here
    vorneth::platform::SetMessageSink([this](const QString& text) { messages_.append(text); });
  }
  void cleanupTestCase() {
    QDir::setCurrent(oldCwd_);
    vorneth::platform::SetMessageSink({});
    vorneth::platform::SetEditorCommand(std::nullopt);
  }
  void init() {
    messages_.clear();
    forms_ = std::make_unique<Forms>();
    forms_->intro.show();
    forms_->box("edTypeA")->setText(QStringLiteral("2"));
    forms_->box("edCustMagic")->setText(QStringLiteral("4"));
  }
  void cleanup() { forms_.reset(); }

  void savingUsesTheTitleAsTypedAndTheChosenList() {
    forms_->intro.findChild<QLineEdit*>(QStringLiteral("edTitle"))
        ->setText(QStringLiteral(" Crypt "));
    generate();
    const QString path = dir_.filePath(QStringLiteral("players.txt"));
    vorneth::platform::SetNextSaveFileName(path);
    forms_->report.SavePlayersList1Click();
    QByteArray expected = " Crypt \r\n\r\nPlayer's List\r\n\r\n";
    for (const QString& line : players()) {
      expected += line.toUtf8() + "\r\n";
    }
    QCOMPARE(ReadAll(path), expected);

    vorneth::platform::SetNextSaveFileName(dir_.filePath(QStringLiteral("dm.txt")));
    forms_->report.SaveDMsList1Click();
    QVERIFY(ReadAll(dir_.filePath(QStringLiteral("dm.txt")))
                .startsWith(" Crypt \r\n\r\nDM's List\r\n\r\n"));
    QVERIFY(messages_.isEmpty());
  }

  void editingTheDMListLeavesThePlayersListAlone() {
    generate();
    const QStringList playersBefore = players();
    useEditorWriting("First line\r\nsecond line\nthird\rlast without break");
    forms_->report.Edit1Click();
    const QStringList edited{QStringLiteral("First line"), QStringLiteral("second line"),
                             QStringLiteral("third"), QStringLiteral("last without break")};
    QCOMPARE(dm(), edited);
    QCOMPARE(forms_->report.visibleLines(), edited);
    QCOMPARE(players(), playersBefore);
    QVERIFY(forms_->report.dmListShown());
  }

  void theWorthShowsWithTheDMListOnlyAndFollowsItsEdits() {
    generate();
    const QLabel* worth = forms_->report.worthLabel();
    QVERIFY(worth->isVisible());
    QVERIFY(worth->text().startsWith(QStringLiteral("Worth ")));
    QVERIFY(worth->toolTip().contains(QStringLiteral("Coins in gold: ")));
    forms_->report.butPlayerClick();
    QVERIFY(!worth->isVisible());  // the players never see a value
    forms_->report.butDMClick();
    // A note added in the editor is no magic item.
    useEditorWriting(
        "1,500 Gold coins\r\nBoots (Winged 20,000 gp)\r\nPotion of Poison\r\n"
        "Map to the giant's cellar\r\n");
    forms_->report.Edit1Click();
    QCOMPARE(worth->text(),
             QStringLiteral("Worth 1,500 gp + 2 magic items (20,000 gp), coins 150 lb"));
    QVERIFY(worth->toolTip().contains(QStringLiteral("\nOther lines: 1\n")));
  }

  void exportWritesEveryKindAndCopyPutsLinesOnTheClipboard() {
    using vorneth::platform::ExportKind;
    generate();
    const std::pair<ExportKind, QByteArray> kinds[] = {{ExportKind::Markdown, "# Vorneth"},
                                                       {ExportKind::Csv, "hoard,seed,list,"},
                                                       {ExportKind::Json, "{\n  \"title\""},
                                                       {ExportKind::Foundry, "{\n  \"name\""},
                                                       {ExportKind::Pdf, "%PDF"}};
    for (const auto& [kind, start] : kinds) {
      const QString path = dir_.filePath(QStringLiteral("export%1").arg(static_cast<int>(kind)));
      vorneth::platform::SetNextExportChoice(vorneth::platform::ExportChoice{path, kind});
      forms_->report.exportHoard();
      QVERIFY2(ReadAll(path).startsWith(start), qPrintable(path));
    }
    QVERIFY(ReadAll(dir_.filePath("export2")).contains(dm().front().toUtf8()));
    // The players' list alone, for a journal entry of its own that can be shared whole.
    forms_->report.butPlayerClick();
    const QString shown = dir_.filePath(QStringLiteral("players.json"));
    vorneth::platform::SetNextExportChoice(
        vorneth::platform::ExportChoice{shown, ExportKind::FoundryShown});
    forms_->report.exportHoard();
    const QByteArray journal = ReadAll(shown);
    QVERIFY2(journal.contains(": Player's List\",") && !journal.contains("DM's List"),
             journal.constData());
    forms_->report.butDMClick();
    QVERIFY(messages_.isEmpty());

    QListView* list = forms_->report.findChild<QListView*>(QStringLiteral("TreasList"));
    forms_->report.copyLines(true);
    QCOMPARE(QGuiApplication::clipboard()->text(), dm().join(u'\n'));
    list->setCurrentIndex(list->model()->index(0, 0));
    list->setFocus();
    QTest::keySequence(list, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), dm().front());
  }

  void shareAmongPartyShowsEachShareOfTheListShownAndCopiesIt() {
    generate();
    auto* file = forms_->report.findChild<QMenu*>(QStringLiteral("File1"));
    QAction* share = forms_->report.findChild<QAction*>(QStringLiteral("Share1"));
    QCOMPARE(file->actions().last(), share);  // after the form's own items
    vorneth::platform::SetNextShareCount(3);
    share->trigger();
    auto* window = forms_->report.findChild<QDialog*>(QStringLiteral("Shares"));
    QVERIFY(window && window->isVisible());
    // The report's font; each heading bold, the lines as they are.
    QCOMPARE(window->font(), forms_->report.font());
    const QTextEdit* shown = window->findChild<QTextEdit*>(QStringLiteral("SharesText"));
    const QTextBlock heading = shown->document()->firstBlock();
    QVERIFY2(heading.text().startsWith(QStringLiteral("Share 1 of 3, worth ")),
             qPrintable(heading.text()));
    QCOMPARE(heading.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    QVERIFY(forms_->report.dmLines().end() != std::find(forms_->report.dmLines().begin(),
                                                        forms_->report.dmLines().end(),
                                                        heading.next().text().toStdString()));
    QCOMPARE(heading.next().begin().fragment().charFormat().fontWeight(), QFont::Normal);
    window->findChild<QPushButton*>(QStringLiteral("CopyShares"))->click();
    const QString text = QGuiApplication::clipboard()->text();
    QVERIFY2(text.startsWith(heading.text() + u'\n'), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("\n\nShare 3 of 3, worth ")));
    window->close();
    QTRY_VERIFY(!forms_->report.findChild<QDialog*>(QStringLiteral("Shares")));

    forms_->report.butPlayerClick();
    vorneth::platform::SetNextShareCount(2);
    share->trigger();
    window = forms_->report.findChild<QDialog*>(QStringLiteral("Shares"));
    const QString players = window->findChild<QTextEdit*>()->toPlainText();
    QVERIFY2(players.startsWith(QStringLiteral("Share 1 of 2\n")), qPrintable(players));
    QVERIFY(!players.contains(QStringLiteral(" gp)")));  // the players never see a value
    forms_->report.close();
    generate();  // a new hoard closes the shares of the last
    QTRY_VERIFY(!forms_->report.findChild<QDialog*>(QStringLiteral("Shares")));
    vorneth::platform::SetNextShareCount(std::nullopt);  // cancelled: nothing opens
    share->trigger();
    QTRY_VERIFY(!forms_->report.findChild<QDialog*>(QStringLiteral("Shares")));
  }

  void editingThePlayersListChangesOnlyIt() {
    generate();
    const QStringList dmBefore = dm();
    forms_->report.butPlayerClick();
    useEditorWriting("");
    forms_->report.Edit1Click();
    QVERIFY(players().isEmpty());
    QVERIFY(forms_->report.visibleLines().isEmpty());
    QCOMPARE(dm(), dmBefore);
    QVERIFY(!forms_->report.dmListShown());
  }

  void aMissingEditorChangesNothing() {
    generate();
    const QStringList dmBefore = dm();
    vorneth::platform::SetEditorCommand(
        vorneth::platform::EditorCommand{dir_.filePath(QStringLiteral("no-such-editor")), {}});
    vorneth::platform::SetDesktopOpener([](const QString&) { return false; });
    forms_->report.Edit1Click();
    vorneth::platform::SetDesktopOpener({});
    QCOMPARE(dm(), dmBefore);
    QCOMPARE(forms_->report.visibleLines(), dmBefore);
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_.front().contains(QStringLiteral("editor")));
  }

  void printingWithoutAPrinterSaysSo() {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
      QSKIP("this machine has a default printer");
    }
    generate();
    forms_->report.PrintDMsList1Click();
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_.front().startsWith(
        QStringLiteral("There is no default printer currently selected")));
    QVERIFY(messages_.front().contains(QStringLiteral("File > Export...")));
  }
};

QTEST_MAIN(ReportMenusTest)
#include "test_report_menus.moc"
