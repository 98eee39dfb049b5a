// Starting the program: one running instance per desktop, in-process with two claims on one
// folder, against another user, and with the real program started on two desktops, killed and
// stopped; and a start without a graphical session.
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDialog>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

#include "app/bring_forward.h"
#include "app/single_instance.h"
#include "gui_test_support.h"

using vorneth::app::SingleInstance;
using Start = SingleInstance::Start;

namespace {

constexpr uid_t kOtherUser = 65534;  // "nobody": a throwaway account every Debian system has

// Runs `body` in a child process as another user and returns the child's exit code. The child
// uses nothing but system calls, so forking this threaded process is safe.
template <typename Body>
int runAsOtherUser(Body body) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgid(kOtherUser) != 0 || ::setuid(kOtherUser) != 0) {
      ::_exit(100);
    }
    ::_exit(body());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A stream socket connected to (or bound at, for `listen`) the Unix address `path`; abstract when
// `path` starts with '@'. Returns the descriptor, or -1.
int unixSocket(const QByteArray& path, bool listen) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  if (path.startsWith('@')) {
    address.sun_path[0] = '\0';
  }
  const auto* raw = reinterpret_cast<sockaddr*>(&address);
  const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) +
                                           static_cast<std::size_t>(path.size()));
  const bool ok =
      listen ? ::bind(fd, raw, size) == 0 && ::listen(fd, 8) == 0 : ::connect(fd, raw, size) == 0;
  if (!ok) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// The real program on one desktop, with its own runtime folder.
class Program {
 public:
  Program(const QString& runtime, const QString& display) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", runtime);
    env.insert("DISPLAY", display);
    env.remove("WAYLAND_DISPLAY");
    process_.setProcessEnvironment(env);
    process_.start(QStringLiteral(VORNETH_PATH), {});
  }
  ~Program() {
    process_.kill();
    process_.waitForFinished(5000);
  }
  QProcess& process() { return process_; }

  // True once the program answers on `socketPath`.
  bool answers(const QString& socketPath) {
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && process_.state() != QProcess::NotRunning) {
      if (SingleInstance::askRunningToComeForward(socketPath, 200)) {
        return true;
      }
      QTest::qWait(50);
    }
    return false;
  }

 private:
  QProcess process_;
};

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void theDesktopIsTheDisplayWithoutItsScreen() {
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    const QByteArray x = qgetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    const std::pair<const char*, const char*> cases[] = {
        {":0", ":0"}, {":0.1", ":0"}, {"host:10.0", "host:10"}, {"", "none"}, {"a/b c", "a_b_c"}};
    for (const auto& [display, desktop] : cases) {
      qputenv("DISPLAY", display);
      QCOMPARE(vorneth::app::DesktopName(), QString::fromLatin1(desktop));
    }
    qputenv("WAYLAND_DISPLAY", "wayland-1");
    QCOMPARE(vorneth::app::DesktopName(), QStringLiteral("wayland-1"));
    qputenv("WAYLAND_DISPLAY", wayland);
    qputenv("DISPLAY", x);
  }

  void aSecondClaimAsksTheFirstForwardAndALaterOneAfterItRuns() {
    QTemporaryDir folder;
    auto first = std::make_unique<SingleInstance>(folder.path(), ":7");
    QCOMPARE(first->claim(), Start::First);
    QSignalSpy spy(first.get(), &SingleInstance::comeForwardRequested);
    SingleInstance second(folder.path(), ":7");
    QCOMPARE(second.claim(), Start::Forwarded);
    QVERIFY(spy.wait(5000));
    QCOMPARE(SingleInstance(folder.path(), ":8").claim(), Start::First);  // another desktop

    first.reset();
    QCOMPARE(second.claim(), Start::First);
  }

  void anotherUserCanNeitherTakeNorReachTheInstance() {
    if (::geteuid() != 0) {
      QSKIP("acting as a second user needs root");
    }
    QTemporaryDir folder;
    // A squatter on the name of every instance, the way an abstract socket could be taken.
    int ready[2];
    QVERIFY(::pipe(ready) == 0);
    const pid_t squatter = ::fork();
    if (squatter == 0) {
      if (::setuid(kOtherUser) == 0) {
        unixSocket("@Vornath-:7", true);
        unixSocket(QFile::encodeName(folder.filePath("Vornath-:7")), true);  // refused: 0700
        (void)!::write(ready[1], "x", 1);
        ::pause();
      }
      ::_exit(1);
    }
    char byte = 0;
    QCOMPARE(::read(ready[0], &byte, 1), ssize_t{1});
    SingleInstance instance(folder.path(), ":7");
    QCOMPARE(instance.claim(), Start::First);
    ::kill(squatter, SIGKILL);
    ::waitpid(squatter, nullptr, 0);

    // Even with the folder and the socket opened to everyone, another user's call is dropped.
    QSignalSpy spy(&instance, &SingleInstance::comeForwardRequested);
    const QByteArray socket = QFile::encodeName(instance.socketPath());
    QCOMPARE(runAsOtherUser([&] { return unixSocket(socket, false) < 0 ? 0 : 1; }), 0);
    ::chmod(QFile::encodeName(folder.path()).constData(), 0711);
    ::chmod(socket.constData(), 0777);
    QCOMPARE(runAsOtherUser([&] {
               const int fd = unixSocket(socket, false);
               return fd >= 0 && ::write(fd, "come forward\n", 13) == 13 ? 0 : 1;
             }),
             0);
    QTest::qWait(300);
    QCOMPARE(spy.count(), 0);
    QVERIFY(SingleInstance::askRunningToComeForward(instance.socketPath()));
    QTRY_COMPARE(spy.count(), 1);
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

  void withoutAGraphicalSessionTheProgramSaysSoInOneLine() {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
      env.remove(name);
    }
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VORNETH_PATH), {});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    const QByteArray err = program.readAllStandardError();
    QCOMPARE(err.count('\n'), 1);
    QVERIFY(err.contains("graphical session") && err.contains("vorneth-cli"));
  }

  void theRealProgramRunsOncePerDesktop() {
    QTemporaryDir runtime;
    const QString folder = runtime.filePath("vorneth");
    Program first(runtime.path(), ":91");
    QVERIFY(first.answers(folder + "/Vornath-:91"));
    Program other(runtime.path(), ":92");  // a second desktop gets its own instance
    QVERIFY(other.answers(folder + "/Vornath-:92"));

    const auto secondStartEnds = [&] {
      Program second(runtime.path(), ":91.0");
      return second.process().waitForFinished(10000) &&
             second.process().exitStatus() == QProcess::NormalExit &&
             second.process().exitCode() == 0;
    };
    QVERIFY(secondStartEnds());
    ::kill(static_cast<pid_t>(first.process().processId()), SIGSTOP);  // hung
    QVERIFY(secondStartEnds());
    ::kill(static_cast<pid_t>(first.process().processId()), SIGCONT);
    QCOMPARE(first.process().state(), QProcess::Running);

    first.process().kill();  // no clean-up runs: the lock and the socket stay behind
    first.process().waitForFinished(5000);
    Program again(runtime.path(), ":91");
    QVERIFY(again.answers(folder + "/Vornath-:91"));
    QCOMPARE(other.process().state(), QProcess::Running);
  }
};

QTEST_MAIN(SingleInstanceTest)
#include "test_single_instance.moc"
