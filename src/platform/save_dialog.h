#pragma once

#include <QSize>
#include <QString>
#include <optional>

class QFileDialog;
class QWidget;

namespace vorneth::platform {

// The size file dialogs open at: wide enough for the name, size, type and date columns.
inline constexpr QSize kFileDialogSize(760, 480);

// The save dialog of both "Save ... List As" items, titled by the item: one filter "Text Files
// (*.txt)", default suffix "txt" (added to a name typed without one), confirmation before an
// existing file is replaced, first offering the name "Vornath" and afterwards the last name
// chosen while the program runs. Returns the chosen file's path, or nullopt when the user
// cancels.
std::optional<QString> AskSaveFileName(QWidget* parent, const QString& title);

// Gives `dialog` every setting of the save dialog, including its title and the name it offers.
void ConfigureSaveDialog(QFileDialog& dialog, const QString& title);

// The name the dialog offers next: "Vornath", or the last chosen path.
QString OfferedSaveFileName();

// Answers the next AskSaveFileName without showing the dialog (for tests, like a user who
// chooses `path`); the answer counts as chosen and is remembered.
void SetNextSaveFileName(const QString& path);
// Makes the next AskSaveFileName behave as if the user cancelled.
void SetNextSaveCancelled();
// Forgets the remembered name, so the dialog offers "Vornath" again.
void ForgetSaveFileName();

}  // namespace vorneth::platform
