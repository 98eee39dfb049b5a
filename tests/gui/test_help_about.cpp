// The Help menu: the help window finds the help file or says it is missing, and the about box.
#include <QLabel>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "gui_test_support.h"
#include "platform/help_window.h"

using vorneth::platform::FindHelpFile;
using vorneth::platform::HelpWindow;

class HelpAboutTest : public QObject {
  Q_OBJECT

 private slots:
  void theHelpFileIsTakenFromTheFirstFolderHoldingIt() {
    QTemporaryDir empty;
    QTemporaryDir second;
    QTemporaryDir third;
    for (QTemporaryDir* dir : {&second, &third}) {
      QFile file(dir->filePath(QStringLiteral("Vorneth.HLP")));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("<html><body>help</body></html>");
    }
    const QStringList folders{empty.path(), second.path(), third.path()};
    QCOMPARE(FindHelpFile(folders), QFileInfo(second.filePath("Vorneth.HLP")).absoluteFilePath());
    QCOMPARE(FindHelpFile({empty.path()}), QString());
  }

  void theHelpWindowOpensOurHelpFileAtItsContents() {
    HelpWindow help;
    help.showContents({QStringLiteral(VORNETH_RESOURCES_DIR)});
    QVERIFY(help.isVisible());
    QCOMPARE(help.browser()->source().fragment(), QStringLiteral("contents"));
    const QString text = help.browser()->toPlainText();
    QVERIFY(text.contains(QStringLiteral("Requesting a hoard")));
    QVERIFY(text.contains(QStringLiteral("Players List")));
    QVERIFY(!text.contains(QStringLiteral("<h2>")));  // read as HTML, not as plain text
  }

  void aMissingHelpFileIsReportedInTheWindow() {
    QTemporaryDir empty;
    HelpWindow help;
    help.showContents({empty.path()});
    QVERIFY(help.isVisible());
    const QString text = help.browser()->toPlainText();
    QVERIFY(text.contains(QStringLiteral("Vorneth.HLP")));
    QVERIFY(text.contains(empty.path()));
  }

  void aboutShowsTheBoxAndOkClosesIt() {
    Forms forms;
    forms.intro.show();
    QStringList labels;
    QTimer::singleShot(0, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      QCOMPARE(modal, static_cast<QWidget*>(&forms.about));
      QCOMPARE(modal->windowTitle(), QStringLiteral("Vorneth"));
      for (QLabel* label : modal->findChildren<QLabel*>()) {
        labels << label->text();
      }
      QVERIFY(!modal->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
      QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    forms.intro.About1Click();
    QVERIFY(!forms.about.isVisible());
    QVERIFY(labels.contains(QStringLiteral("The Random Hoard Generator")));
    QVERIFY(labels.contains(QStringLiteral("Version 1.00")));
  }

  // F1 on the report (shown modally) opens the help on top of it; Esc and Ctrl+W close it.
  void f1OpensTheHelpFromTheReportAndEscOrCtrlWClosesIt() {
    Forms forms;
    forms.intro.show();
    QStringList steps;
    QTimer::singleShot(0, [&] {
      const auto press = [](QWidget* window, int key, Qt::KeyboardModifiers modifiers) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QTest::keyClick(window, static_cast<Qt::Key>(key), modifiers);
      };
      for (const auto& [key, modifiers] :
           {std::pair{Qt::Key_Escape, Qt::KeyboardModifiers{}}, {Qt::Key_W, Qt::ControlModifier}}) {
        press(&forms.report, Qt::Key_F1, {});
        HelpWindow* help = forms.intro.helpWindow();
        QVERIFY(help != nullptr);
        steps << QStringLiteral("open %1 over the report %2")
                     .arg(help->isVisible())
                     .arg(QApplication::activeModalWidget() == help);
        press(help, key, modifiers);
        steps << QStringLiteral("closed %1").arg(!help->isVisible());
      }
      forms.report.close();
    });
    forms.intro.ButGenerateClick();
    QCOMPARE(steps, QStringList({"open 1 over the report 1", "closed 1", "open 1 over the report 1",
                                 "closed 1"}));
  }
};

QTEST_MAIN(HelpAboutTest)
#include "test_help_about.moc"
