// One running instance per user: in-process with two servers under one name, then with the
// real program started twice, and started again after the first was killed.
#include <unistd.h>

#include <QDialog>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include "app/bring_forward.h"
#include "app/single_instance.h"
#include "gui_test_support.h"

using vorneth::app::SingleInstance;

namespace {

QString testName(const char* tag) {
  return QStringLiteral("VornethTest-%1-%2").arg(::getpid()).arg(QLatin1String(tag));
}

QProcessEnvironment offscreenEnvironment() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  return env;
}

// Starts the real program and waits until it answers on the instance name.
bool startFirst(QProcess& process) {
  process.setProcessEnvironment(offscreenEnvironment());
  process.start(QStringLiteral(VORNETH_PATH), {});
  if (!process.waitForStarted(5000)) {
    return false;
  }
  QDeadlineTimer deadline(10000);
  while (!deadline.hasExpired()) {
    if (SingleInstance::askRunningToComeForward(SingleInstance::defaultName(), 200)) {
      return process.state() == QProcess::Running;
    }
    QTest::qWait(50);
  }
  return false;
}

void stop(QProcess& process) {
  process.kill();
  process.waitForFinished(5000);
}

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void aSecondServerCannotTakeTheNameWhileTheFirstLives() {
    const QString name = testName("name");
    auto first = std::make_unique<SingleInstance>(name);
    QVERIFY(first->listen());
    SingleInstance second(name);
    QVERIFY(!second.listen());
    QVERIFY(!vorneth::app::ClaimOrForward(second));

    first.reset();
    QVERIFY(second.listen());  // nothing stale is left behind
  }

  void askingBringsTheRunningInstanceForward() {
    const QString name = testName("ask");
    QVERIFY(!SingleInstance::askRunningToComeForward(name, 200));  // nobody listens yet

    SingleInstance running(name);
    QVERIFY(running.listen());
    QSignalSpy spy(&running, &SingleInstance::comeForwardRequested);
    QVERIFY(SingleInstance::askRunningToComeForward(name));
    QVERIFY(spy.wait(5000));
    QVERIFY(SingleInstance::askRunningToComeForward(name));
    QTRY_COMPARE(spy.count(), 2);
  }

  void comingForwardRestoresAndRaisesTheOpenModalForm() {
    Forms forms;
    forms.intro.showMinimized();
    QVERIFY(QTest::qWaitForWindowExposed(&forms.intro));
    vorneth::app::BringForward(&forms.intro);
    QVERIFY(!forms.intro.isMinimized());
    QVERIFY(forms.intro.isVisible());

    QWidget* activeDuringReport = nullptr;
    QTimer::singleShot(50, [&] {
      forms.intro.activateWindow();  // someone else takes the front
      vorneth::app::BringForward(&forms.intro);
      QTRY_VERIFY(QApplication::activeWindow() != nullptr);
      activeDuringReport = QApplication::activeWindow();
      forms.report.close();
    });
    forms.introButton("ButGenerate")->click();
    QCOMPARE(activeDuringReport, static_cast<QWidget*>(&forms.report));
  }

  void aSecondStartOfTheProgramEndsAtOnceWithZero() {
    if (SingleInstance::askRunningToComeForward(SingleInstance::defaultName(), 200)) {
      QSKIP("Vorneth already runs for this user");
    }
    QProcess first;
    QVERIFY(startFirst(first));

    QProcess second;
    second.setProcessEnvironment(offscreenEnvironment());
    second.start(QStringLiteral(VORNETH_PATH), {});
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    stop(first);  // killed: no clean-up runs
    QProcess again;
    QVERIFY(startFirst(again));  // a normal first start, and it keeps running
    QTest::qWait(200);
    QCOMPARE(again.state(), QProcess::Running);
    stop(again);
  }
};

QTEST_MAIN(SingleInstanceTest)
#include "test_single_instance.moc"
