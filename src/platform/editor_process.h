#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QWidget;

namespace vorneth::platform {

// A plain-text editor: the program and the options that make it stay until its window is
// closed. The file to edit is appended as the last argument.
struct EditorCommand {
  QString program;
  QStringList options;
};

// Which of the known editors: those tried before the desktop's own default editor, the last
// resort tried after it (xedit), or all of them.
enum class EditorRank { First, LastResort, Any };

// The known GUI editors of `rank`, in order of preference, that are found in `searchPaths` (the
// PATH when empty). Terminal editors named by $VISUAL or $EDITOR are never used: there is no
// terminal.
std::vector<EditorCommand> AvailableEditors(const QStringList& searchPaths = {},
                                            EditorRank rank = EditorRank::Any);

// The program names of the known GUI editors that can be waited for, in order of preference.
QStringList KnownEditorNames();

// Replaces the search with one fixed command (tests hand in a small script); nullopt restores
// the search.
void SetEditorCommand(std::optional<EditorCommand> command);

// The commands of `rank` that EditList tries in order: the fixed one if set (as the first
// rank, with no last resort), else AvailableEditors({}, rank).
std::vector<EditorCommand> EditorCandidates(EditorRank rank);

// Starts the first candidate of `rank` that can be started on `file` and waits for it to end,
// with no time limit. Meanwhile `parent`'s window is disabled and cannot be closed, while the
// event loop keeps it painted. Returns false when no editor could be started.
bool RunEditorAndWait(QWidget* parent, const QString& file, EditorRank rank);

}  // namespace vorneth::platform
