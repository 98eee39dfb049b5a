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
// suffix to a name typed without one. nullopt when the user cancels.
std::optional<ExportChoice> AskExportFile(QWidget* parent);

// Answers the next AskExportFile without a dialog (tests); nullopt means "cancelled".
void SetNextExportChoice(std::optional<ExportChoice> choice);

}  // namespace vorneth::platform
