// The program on a 1280 by 800 screen at a scale of 2 (640 by 400 logical pixels): the request
// form scrolls only down, keeps its whole width and starts in box A; the file dialogs and the
// report open within the screen, and the report's list grows with its window.
#include <QDir>
#include <QFile>
#include <QListView>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "gui_test_support.h"
#include "platform/export_dialog.h"
#include "platform/save_dialog.h"

namespace {

bool WithinScreen(const QWidget& window) {
  return window.screen()->availableGeometry().contains(window.frameGeometry());
}

QString Where(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect screen = window.screen()->availableGeometry();
  return QStringLiteral("%1 at %2,%3 %4x%5 on %6x%7")
      .arg(window.objectName())
      .arg(frame.x())
      .arg(frame.y())
      .arg(frame.width())
      .arg(frame.height())
      .arg(screen.width())
      .arg(screen.height());
}

}  // namespace

class SmallScreenTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Forms> forms_;

 private slots:
  void init() {
    forms_ = std::make_unique<Forms>();
    forms_->intro.show();
    QVERIFY(QTest::qWaitForWindowExposed(&forms_->intro));
    forms_->intro.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&forms_->intro));
  }
  void cleanup() { forms_.reset(); }

  void theRequestFormScrollsOnlyDownAndStartsInBoxA() {
    QCOMPARE(forms_->intro.screen()->availableGeometry().size(), QSize(640, 400));
    QVERIFY2(WithinScreen(forms_->intro), qPrintable(Where(forms_->intro)));
    auto* scroll = forms_->intro.findChild<QScrollArea*>(QStringLiteral("FormScroll"));
    QVERIFY(scroll != nullptr);
    QVERIFY(scroll->verticalScrollBar()->isVisible());
    QVERIFY(!scroll->horizontalScrollBar()->isVisible());
    QLineEdit* title = forms_->box("edTitle");
    // The form's own Exit (the report, a child of the form, has one too).
    auto* exit = title->parentWidget()->findChild<QPushButton*>(QStringLiteral("butExit"));
    for (QWidget* w : {static_cast<QWidget*>(exit), static_cast<QWidget*>(title)}) {
      const QWidget* view = scroll->viewport();
      QVERIFY2(w->mapToGlobal(QPoint(w->width(), 0)).x() <=
                   view->mapToGlobal(QPoint(view->width(), 0)).x(),
               qPrintable(w->objectName()));
    }
    QLineEdit* a = forms_->box("edTypeA");
    QCOMPARE(QApplication::focusWidget(), a);
    QTest::keyClicks(a, QStringLiteral("12"));
    QCOMPARE(forms_->intro.request().Count('A'), 12);
  }

  void theFileDialogsOpenWithinTheScreen() {
    QStringList outside;
    ModalCloser closer([&outside](QWidget* dialog) {
      if (!WithinScreen(*dialog)) {
        outside << Where(*dialog);
      }
    });
    vorneth::platform::AskSaveFileName(&forms_->intro, QStringLiteral("Save DMs List As"));
    vorneth::platform::AskExportFile(&forms_->intro, QStringLiteral("Lair"));
    QCOMPARE(closer.count(), 2);
    QCOMPARE(outside, QStringList());
  }

  void theReportOpensWithinTheScreenAndItsListGrowsWithIt() {
    THordeScr& report = forms_->report;
    report.setRequest(forms_->intro.request());
    report.show();
    QVERIFY(QTest::qWaitForWindowExposed(&report));
    QVERIFY2(WithinScreen(report), qPrintable(Where(report)));
    auto* list = report.findChild<QListView*>(QStringLiteral("TreasList"));
    QPushButton* exit = forms_->reportButton("butExit");
    const QSize before = list->size();
    report.resize(report.size() + QSize(40, 30));
    QCoreApplication::processEvents();
    QCOMPARE(list->size(), before + QSize(40, 30));
    QCOMPARE(list->parentWidget()->width() - exit->geometry().right(), 541 - (448 + 83) + 1);
  }
};

int main(int argc, char** argv) {
  // The offscreen platform's screen as a configuration file names it, at a scale of 2.
  QTemporaryDir dir;
  QFile config(dir.filePath(QStringLiteral("screen.json")));
  if (!config.open(QIODevice::WriteOnly) ||
      config.write(R"({"windowFrameMargins": true, "screens": [{"name": "laptop", "x": 0, "y": 0,
                   "width": 1280, "height": 800, "logicalDpi": 96, "logicalBaseDpi": 96,
                   "dpr": 1}]})") < 0) {
    return 1;
  }
  config.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  SmallScreenTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_small_screen.moc"
