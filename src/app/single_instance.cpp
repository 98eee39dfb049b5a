#include "app/single_instance.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QThread>

namespace vorneth::app {

namespace {

constexpr char kInstanceName[] = "Vornath";
constexpr char kRequest[] = "come forward\n";
// Later starts are read and closed at once; a few may wait meanwhile.
constexpr int kMaxPendingConnections = 4;
constexpr int kRetryMs = 50;

// True when the process at the other end of the connected local socket `fd` runs as this user.
bool PeerIsThisUser(qintptr fd) {
  ucred peer{};
  socklen_t size = sizeof peer;
  return ::getsockopt(static_cast<int>(fd), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
         size == sizeof peer && peer.uid == ::geteuid();
}

}  // namespace

QString DesktopName() {
  QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
  if (display.isEmpty()) {
    display = qEnvironmentVariable("DISPLAY");
    const qsizetype colon = display.lastIndexOf(u':');
    if (const qsizetype dot = display.indexOf(u'.', colon + 1); colon >= 0 && dot > colon) {
      display.truncate(dot);  // the screen number
    }
  }
  for (QChar& c : display) {
    const bool plain =
        c.unicode() < 128 && (c.isLetterOrNumber() || QStringView(u"-_.:").contains(c));
    if (!plain) {
      c = u'_';
    }
  }
  return display.isEmpty() ? QStringLiteral("none") : display;
}

SingleInstance::SingleInstance(const QString& folder, const QString& desktop, QObject* parent)
    : QObject(parent),
      socketPath_(QDir(folder).filePath(
          QStringLiteral("%1-%2").arg(QLatin1String(kInstanceName), desktop))),
      lock_(socketPath_ + QStringLiteral(".lock")) {
  lock_.setStaleLockTime(0);  // a lock is stale only when its process is gone, however old it is
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  server_.setMaxPendingConnections(kMaxPendingConnections);
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
}

SingleInstance::Start SingleInstance::claim(int waitMs) {
  const QDeadlineTimer deadline(waitMs);
  for (;;) {
    if (lock_.tryLock(0)) {
      QLocalServer::removeServer(socketPath_);  // left by a holder that was killed
      return server_.listen(socketPath_) ? Start::First : Start::Alone;
    }
    if (lock_.error() != QLockFile::LockFailedError) {
      return Start::Alone;
    }
    if (askRunningToComeForward(socketPath_, kRetryMs * 4) || deadline.hasExpired()) {
      return Start::Forwarded;
    }
    QThread::msleep(kRetryMs);
  }
}

bool SingleInstance::askRunningToComeForward(const QString& socketPath, int timeoutMs) {
  QLocalSocket socket;
  socket.connectToServer(socketPath);
  if (!socket.waitForConnected(timeoutMs) || !PeerIsThisUser(socket.socketDescriptor())) {
    return false;
  }
  // The connection itself is the request; the message only makes it explicit.
  socket.write(kRequest);
  socket.waitForBytesWritten(timeoutMs);
  socket.disconnectFromServer();
  return true;
}

void SingleInstance::acceptConnections() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    // Every connection of this user is a later start asking us forward; it needs no answer.
    const bool fromThisUser = PeerIsThisUser(socket->socketDescriptor());
    socket->readAll();
    socket->abort();
    socket->deleteLater();
    if (fromThisUser) {
      emit comeForwardRequested();
    }
  }
}

}  // namespace vorneth::app
