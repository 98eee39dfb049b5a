#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace vorneth::app {

// One running instance per user. The first start listens on a local socket in Linux's abstract
// namespace: no file is left behind when the process dies, and a second listen() under the same
// name fails while the first lives. A later start connects to it instead and asks it to come
// forward.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(QString name, QObject* parent = nullptr);

  // "Vornath" and the user id: one name per user of the machine.
  static QString defaultName();

  // Tries to become the running instance. False when another process holds the name.
  bool listen();
  bool isListening() const { return server_.isListening(); }
  const QString& name() const { return name_; }

  // Asks the instance listening under `name` to come forward. False when none answers.
  static bool askRunningToComeForward(const QString& name, int timeoutMs = 2000);

 signals:
  void comeForwardRequested();

 private:
  void acceptConnections();

  QString name_;
  QLocalServer server_;
};

// What a start does about the single-instance rule: becomes the running instance (true), or
// has asked the running one to come forward and must end (false). When neither listening nor
// asking works (the other instance ended in between), it tries once more to listen, and
// otherwise runs on without the rule rather than show nothing at all.
bool ClaimOrForward(SingleInstance& instance);

}  // namespace vorneth::app
