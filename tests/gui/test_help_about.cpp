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
};

QTEST_MAIN(HelpAboutTest)
#include "test_help_about.moc"
