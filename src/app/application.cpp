#include "app/application.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <optional>

#include "app/bring_forward.h"
#include "app/program.h"
#include "app/single_instance.h"
#include "platform/private_folder.h"

namespace vorneth::app {

namespace {

// True when Qt can show a window: a display to connect to, or a platform chosen by hand (the
// offscreen one of the tests, a VNC server ...).
bool HasGraphicalSession() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int RunVorneth(int argc, char** argv) {
  if (!HasGraphicalSession()) {
    std::fputs(
        "vorneth: the desktop program needs a graphical session (neither DISPLAY nor "
        "WAYLAND_DISPLAY is set); from a shell, use vorneth-cli instead (vorneth-cli --help)\n",
        stderr);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vorneth"));

  // Without a private folder the program still runs, only without the one-instance rule.
  QString problem;
  const std::optional<QString> folder = platform::OpenPrivateFolder(&problem);
  if (!folder) {
    qWarning("Vorneth: not keeping to one instance per desktop: %s", qPrintable(problem));
  }
  SingleInstance instance(folder.value_or(QString()), DesktopName());
  if (folder && instance.claim() == SingleInstance::Start::Forwarded) {
    return 0;  // the running instance has been asked to come forward
  }

  QApplication::setWindowIcon(QIcon(QStringLiteral(":/vorneth.png")));
  QApplication::setQuitOnLastWindowClosed(false);

  Program program;
  QObject::connect(&instance, &SingleInstance::comeForwardRequested, &program.intro,
                   [&program] { BringForward(&program.intro); });

  program.intro.show();
  return QApplication::exec();
}

}  // namespace vorneth::app
