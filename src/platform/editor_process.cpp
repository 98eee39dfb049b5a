#include "platform/editor_process.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>
#include <string_view>

namespace vorneth::platform {

namespace {

struct KnownEditor {
  std::string_view program;
  std::string_view options;  // blank-separated
  bool lastResort = false;   // after the desktop's own editor
};

// Each with the option that keeps it running until its window closes (without it most of
// them hand the file to an already running instance and return at once). xedit shows "^M" at
// every CR LF line end and leaves a backup file behind: the desktop's own editor goes first.
constexpr KnownEditor kKnownEditors[] = {
    {"gnome-text-editor", "-s"}, {"gedit", "--standalone"}, {"kate", "-b -n"},
    {"featherpad", "-s"},        {"geany", "-i"},           {"xedit", "", true},
};

std::optional<EditorCommand>& FixedCommand() {
  static std::optional<EditorCommand> command;
  return command;
}

QString ToQString(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Swallows close requests and input for the window while the editor runs.
class CloseBlocker final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close) {
      event->ignore();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }
};

// Disables a window for the lifetime of the guard and restores its former state.
class WindowLock {
 public:
  explicit WindowLock(QWidget* parent) : window_(parent ? parent->window() : nullptr) {
    if (window_) {
      wasEnabled_ = window_->isEnabled();
      window_->installEventFilter(&blocker_);
      window_->setEnabled(false);
    }
  }
  ~WindowLock() {
    if (window_) {
      window_->removeEventFilter(&blocker_);
      window_->setEnabled(wasEnabled_);
    }
  }
  WindowLock(const WindowLock&) = delete;
  WindowLock& operator=(const WindowLock&) = delete;

 private:
  QPointer<QWidget> window_;
  CloseBlocker blocker_;
  bool wasEnabled_ = true;
};

}  // namespace

std::vector<EditorCommand> AvailableEditors(const QStringList& searchPaths, EditorRank rank) {
  std::vector<EditorCommand> found;
  for (const KnownEditor& editor : kKnownEditors) {
    if (rank != EditorRank::Any && editor.lastResort != (rank == EditorRank::LastResort)) {
      continue;
    }
    const QString path = QStandardPaths::findExecutable(ToQString(editor.program), searchPaths);
    if (!path.isEmpty()) {
      found.push_back({path, ToQString(editor.options).split(u' ', Qt::SkipEmptyParts)});
    }
  }
  return found;
}

QStringList KnownEditorNames() {
  QStringList names;
  for (const KnownEditor& editor : kKnownEditors) {
    names << ToQString(editor.program);
  }
  return names;
}

void SetEditorCommand(std::optional<EditorCommand> command) {
  FixedCommand() = std::move(command);
}

std::vector<EditorCommand> EditorCandidates(EditorRank rank) {
  if (FixedCommand()) {
    return rank == EditorRank::LastResort ? std::vector<EditorCommand>{}
                                          : std::vector<EditorCommand>{*FixedCommand()};
  }
  return AvailableEditors({}, rank);
}

bool RunEditorAndWait(QWidget* parent, const QString& file, EditorRank rank) {
  for (const EditorCommand& editor : EditorCandidates(rank)) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(editor.program, QStringList(editor.options) << file);
    if (!process.waitForStarted()) {  // not there, not executable, or refused to start
      continue;
    }
    WindowLock lock(parent);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning) {
      loop.exec();
    }
    return true;
  }
  return false;
}

}  // namespace vorneth::platform
