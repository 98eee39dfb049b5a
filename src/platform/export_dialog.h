#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace vorneth::platform {

// What File > "Export..." writes.
enum class ExportKind { Markdown, Csv, Json, Foundry, FoundryShown, Pdf };

struct ExportChoice {
  QString path;
  ExportKind kind;
};

// The export dialog: one save dialog whose filters are the kinds, adding the chosen kind's
// suffix to a name typed without one. It suggests the hoard's title as the file's name and,
// while the program runs, opens in the folder and with the kind of the last export. nullopt
// when the user cancels.
std::optional<ExportChoice> AskExportFile(QWidget* parent, const QString& title);

// The file name suggested for a hoard of this title: the title with what a file name cannot
// hold (a slash, a control character) turned into blanks, trimmed and cut to a length every
// file system takes; "Vorneth" for a title left empty.
QString ExportFileName(const QString& title);

// Answers the next AskExportFile without a dialog (tests); nullopt means "cancelled".
void SetNextExportChoice(std::optional<ExportChoice> choice);

}  // namespace vorneth::platform
