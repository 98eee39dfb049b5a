#include "app/single_instance.h"

#include <unistd.h>

#include <QLocalSocket>
#include <utility>

namespace vorneth::app {

namespace {
constexpr char kRequest[] = "come forward\n";
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
  socket.write(kRequest);
  const bool written = socket.waitForBytesWritten(timeoutMs);
  socket.disconnectFromServer();
  return written;
}

void SingleInstance::acceptConnections() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    // Every connection is a later start asking us forward; its message needs no answer.
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromServer();
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
