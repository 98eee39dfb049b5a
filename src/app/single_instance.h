#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace vorneth::app {

// The desktop this process shows on, as a file name: the display of WAYLAND_DISPLAY or else
// DISPLAY, with X's screen number dropped (":0.1" and ":0" are one desktop); "none" without
// either.
QString DesktopName();

// One running instance per desktop. In the user's private folder, a lock file decides who is
// first (the lock of a dead process is taken over); only the holder removes a stale socket and
// listens. A later start that finds the lock held connects, asks the holder forward, and ends:
// it never runs beside a living holder, hung or not. The folder is closed to other users, and
// the server still accepts only peers of its own user.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // `folder` is the user's private folder; `desktop` names the desktop (see DesktopName).
  SingleInstance(const QString& folder, const QString& desktop, QObject* parent = nullptr);

  enum class Start {
    First,      // holds the lock and listens: run
    Forwarded,  // another instance holds the lock and has been asked forward: end
    Alone,      // the lock or the socket cannot be used at all: run without the rule
  };
  // Decides this start. A held lock whose holder does not answer is retried for `waitMs`, in
  // case the holder is still starting or has just ended, and counts as Forwarded after that.
  Start claim(int waitMs = 3000);

  bool isListening() const { return server_.isListening(); }
  const QString& socketPath() const { return socketPath_; }

  // Asks the instance listening on `socketPath` to come forward. False when no instance of this
  // user answers there.
  static bool askRunningToComeForward(const QString& socketPath, int timeoutMs = 2000);

 signals:
  void comeForwardRequested();

 private:
  void acceptConnections();

  QString socketPath_;
  QLockFile lock_;
  QLocalServer server_;
};

}  // namespace vorneth::app
