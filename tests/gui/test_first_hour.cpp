// What a newcomer meets first, at a scale of 2 on the offscreen screen (800 by 600, so 400 by
// 300 logical): every window on the screen, the list shown named by its button, the usual
// shortcuts, a new hoard at its first line, count boxes wide enough for their digits, one edit
// at a time, Alt with a letter typing nothing, the About titles readable on a dark palette.
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QtTest>
#include <algorithm>

#include "gui_test_support.h"
#include "platform/desktop_editor.h"
#include "platform/editor_process.h"

namespace {

bool OnScreen(const QWidget& window) {
  return window.screen()->availableGeometry().contains(window.geometry());
}

QAction* MenuItem(QWidget& form, const QString& text) {
  for (QMenu* menu : form.findChildren<QMenu*>()) {
    for (QAction* action : menu->actions()) {
      if (action->text() == text) {
        return action;
      }
    }
  }
  return nullptr;
}

}  // namespace

class FirstHourTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Forms> forms_;

  void generate() {
    forms_->report.setRequest(forms_->intro.request());
    forms_->report.show();
  }

 private slots:
  void init() {
    forms_ = std::make_unique<Forms>();
    forms_->intro.show();
  }
  void cleanup() { forms_.reset(); }

  void everyWindowFitsItsScreenWithTheListScrolled() {
    QVERIFY2(OnScreen(forms_->intro),
             qPrintable(QStringLiteral("%1,%2 %3x%4 on %5x%6")
                            .arg(forms_->intro.x())
                            .arg(forms_->intro.y())
                            .arg(forms_->intro.width())
                            .arg(forms_->intro.height())
                            .arg(forms_->intro.screen()->availableGeometry().width())
                            .arg(forms_->intro.screen()->availableGeometry().height())));
    forms_->box("edCustMagic")->setText(QStringLiteral("60"));
    generate();
    QVERIFY(OnScreen(forms_->report));
    auto* list = forms_->report.findChild<QListView*>(QStringLiteral("TreasList"));
    QVERIFY(list->height() < 393 && list->height() >= 96);
    QTRY_VERIFY(list->verticalScrollBar()->maximum() > 0);
    const QRect button = forms_->reportButton("butExit")->geometry();
    QVERIFY(list->parentWidget()->rect().contains(button));
  }

  void theListShownIsPlainAndItsShortcutsFollowIt() {
    generate();
    QPushButton* dm = forms_->reportButton("butDM");
    QPushButton* players = forms_->reportButton("butPlayer");
    QVERIFY(dm->isChecked() && !players->isChecked());
    QAction* saveDM = MenuItem(forms_->report, QStringLiteral("Save DMs List As..."));
    QAction* savePlayers = MenuItem(forms_->report, QStringLiteral("Save Players List As..."));
    QVERIFY(saveDM && savePlayers);
    QCOMPARE(saveDM->shortcut(), QKeySequence(QKeySequence::Save));
    QVERIFY(savePlayers->shortcut().isEmpty());
    players->click();
    QVERIFY(players->isChecked() && !dm->isChecked());
    QCOMPARE(savePlayers->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(MenuItem(forms_->report, QStringLiteral("Print Players List"))->shortcut(),
             QKeySequence(QKeySequence::Print));
    QCOMPARE(forms_->report.findChild<QAction*>(QStringLiteral("Edit1"))->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_E));
    QCOMPARE(forms_->intro.findChild<QAction*>(QStringLiteral("Help2"))->shortcut(),
             QKeySequence(Qt::Key_F1));
    // Ctrl+Q by its keys on both forms: a platform theme may have no standard Quit key.
    for (QWidget* form :
         {static_cast<QWidget*>(&forms_->intro), static_cast<QWidget*>(&forms_->report)}) {
      const QList<QAction*> actions = form->actions();
      QVERIFY(std::any_of(actions.begin(), actions.end(), [](const QAction* action) {
        return action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_Q);
      }));
    }

    // Ctrl+Shift+C copies the whole list shown.
    QAction* copyAll = nullptr;
    for (QAction* action : forms_->report.actions()) {
      copyAll = action->text() == QStringLiteral("Copy All") ? action : copyAll;
    }
    QVERIFY(copyAll != nullptr);
    QCOMPARE(copyAll->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyAll->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), forms_->report.visibleLines().join(u'\n'));
  }

  void aNewHoardOpensAtItsFirstLine() {
    forms_->box("edCustMagic")->setText(QStringLiteral("200"));
    generate();
    auto* list = forms_->report.findChild<QListView*>(QStringLiteral("TreasList"));
    list->scrollToBottom();
    QVERIFY(list->verticalScrollBar()->value() > 0);
    forms_->report.close();
    generate();
    QCOMPARE(list->verticalScrollBar()->value(), 0);
  }

  void everyCountBoxShowsItsLongestValue() {
    const QList<QLineEdit*> boxes = forms_->intro.findChildren<QLineEdit*>();
    int counted = 0;
    for (QLineEdit* box : boxes) {
      if (box->objectName() == QStringLiteral("edTitle") ||
          box->objectName() == QStringLiteral("edRandSeed")) {
        continue;
      }
      ++counted;
      const QString longest(box->maxLength(), u'9');
      QStyleOptionFrame option;
      option.initFrom(box);
      option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
      // A line edit keeps 2 pixels either side of its text inside the contents.
      const int room =
          box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() - 4;
      QVERIFY2(box->fontMetrics().horizontalAdvance(longest) < room, qPrintable(box->objectName()));
      QVERIFY2(box->parentWidget()->rect().contains(box->geometry()),
               qPrintable(box->objectName()));
    }
    QCOMPARE(counted, 30);
  }

  void altWithALetterTypesNothingInTheTitle() {
    QLineEdit* title = forms_->box("edTitle");
    title->setFocus();
    QTest::keyClicks(title, QStringLiteral("Lair"));
    QTest::keyClick(title, Qt::Key_F, Qt::AltModifier);
    QCOMPARE(title->text(), QStringLiteral("Lair"));
  }

  void editIsNotOfferedAgainWhileTheEditorHasTheFile() {
    generate();
    vorneth::platform::SetEditorCommand(
        vorneth::platform::EditorCommand{QStringLiteral("/nonexistent/editor"), {}});
    vorneth::platform::SetDesktopOpener([](const QString&) { return true; });
    int boxes = 0;
    bool offered = true;
    vorneth::platform::SetTakeBackAnswerer([&](QMessageBox& box) {
      ++boxes;
      offered = forms_->report.findChild<QAction*>(QStringLiteral("Edit1"))->isEnabled();
      forms_->report.Edit1Click();  // a second Edit while the box waits does nothing
      box.button(QMessageBox::Cancel)->click();
    });
    forms_->report.Edit1Click();
    vorneth::platform::SetTakeBackAnswerer({});
    vorneth::platform::SetDesktopOpener({});
    vorneth::platform::SetEditorCommand(std::nullopt);
    QCOMPARE(boxes, 1);
    QVERIFY(!offered);
    QVERIFY(forms_->report.findChild<QAction*>(QStringLiteral("Edit1"))->isEnabled());
  }

  void theAboutTitlesAreReadableOnADarkPalette() {
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    QCoreApplication::processEvents();
    auto* title = forms_->about.findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(title->palette().color(QPalette::WindowText).lightness() > 160);
    QApplication::setPalette(light);
    QCoreApplication::processEvents();
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(Qt::blue));
  }
};

int main(int argc, char** argv) {
  qputenv("QT_SCALE_FACTOR", "2");  // a small screen for the forms, as a 4K screen at 200 %
  QApplication app(argc, argv);
  FirstHourTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_first_hour.moc"
