#include "platform/save_dialog.h"

#include <QFileDialog>
#include <QStringList>
#include <utility>

#include "platform/screen_fit.h"

namespace vorneth::platform {

namespace {

struct SaveDialogState {
  QString lastChosen;  // empty until a name has been chosen
  bool answerPending = false;
  std::optional<QString> nextAnswer;  // the test's answer, nullopt meaning "cancelled"
};

SaveDialogState& State() {
  static SaveDialogState state;
  return state;
}

std::optional<QString> Remember(std::optional<QString> chosen) {
  if (chosen) {
    State().lastChosen = *chosen;
  }
  return chosen;
}

}  // namespace

QString OfferedSaveFileName() {
  return State().lastChosen.isEmpty() ? QStringLiteral("Vornath") : State().lastChosen;
}

void ConfigureSaveDialog(QFileDialog& dialog, const QString& title) {
  dialog.setWindowTitle(title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QStringLiteral("Text Files (*.txt)"));
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  dialog.setSizeGripEnabled(true);  // resizable; Qt's dialog has no read-only check box
  dialog.selectFile(OfferedSaveFileName());
  ResizeWithinScreen(&dialog, kFileDialogSize);
}

std::optional<QString> AskSaveFileName(QWidget* parent, const QString& title) {
  SaveDialogState& state = State();
  if (state.answerPending) {
    state.answerPending = false;
    return Remember(std::exchange(state.nextAnswer, std::nullopt));
  }
  QFileDialog dialog(parent);
  ConfigureSaveDialog(dialog, title);
  if (dialog.exec() != QDialog::Accepted) {
    return std::nullopt;
  }
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty() || files.front().isEmpty()) {
    return std::nullopt;
  }
  return Remember(files.front());
}

void SetNextSaveFileName(const QString& path) {
  State().answerPending = true;
  State().nextAnswer = path;
}

void SetNextSaveCancelled() {
  State().answerPending = true;
  State().nextAnswer = std::nullopt;
}

void ForgetSaveFileName() {
  State().lastChosen.clear();
}

}  // namespace vorneth::platform
