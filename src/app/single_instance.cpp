#include "app/single_instance.h"

#include <unistd.h>

#include <QLocalSocket>
#include <QTimer>
#include <utility>

namespace vorneth::app {

namespace {
constexpr char kRequest[] = "come forward\n";
// How long a connection that does not hang up is kept.
constexpr int kLingerMs = 5000;
}  // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {
  server_.setSocketOptions(QLocalServer::AbstractNamespaceOption);
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
}

QString SingleInstance::defaultName() {
  return QStringLiteral("Vornath-%1").arg(static_cast<qulonglong>(::getuid()));
}

bool SingleInstance::listen() {
  return server_.isListening() || server_.listen(name_);
}

bool SingleInstance::askRunningToComeForward(const QString& name, int timeoutMs) {
  QLocalSocket socket;
  socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
  socket.connectToServer(name);
  if (!socket.waitForConnected(timeoutMs)) {
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
    // Every connection is a later start asking us forward. It needs no answer: the later start
    // writes its message and hangs up, and that ends the connection here too.
    connect(socket, &QLocalSocket::readyRead, socket, [socket] { socket->readAll(); });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kLingerMs, socket, [socket] { socket->abort(); });
    emit comeForwardRequested();
  }
}

bool ClaimOrForward(SingleInstance& instance) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (instance.listen()) {
      return true;
    }
    if (SingleInstance::askRunningToComeForward(instance.name())) {
      return false;
    }
  }
  return true;
}

}  // namespace vorneth::app
