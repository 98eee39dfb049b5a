#pragma once

// The report form's File and Edit menu operations, one call per menu item: the form hands in
// the list (UTF-8 lines), its kind, and for saving the title of the hoard shown as it was typed,
// for printing the window's caption. Editing returns the edited lines, and the form puts them in
// place of the list shown. Failures show their message box themselves and change nothing.

#include <QString>
#include <optional>

#include "formats/hoard_record.h"
#include "platform/list_kind.h"
#include "platform/text_file.h"

class QWidget;

namespace vorneth::platform {

// The file a saved list becomes: title, empty line, heading, empty line, the list's lines.
Lines SavedListLines(const QString& title, ListKind kind, const Lines& lines);

// Asks for a file name and writes the list there. Cancelling writes nothing. A file that cannot
// be created shows "Cannot create file <name>"; a failed write keeps any old file unchanged.
void SaveList(QWidget* parent, const QString& title, ListKind kind, const Lines& lines);

// What printing without a default printer says: "There is no default printer currently
// selected", and how to make a PDF file instead.
QString NoPrinterMessage();

// Prints the list on the default printer under `caption` (the report window's caption). Without
// a default printer it shows NoPrinterMessage().
void PrintList(QWidget* parent, const QString& caption, ListKind kind, const Lines& lines);

// Asks for a file and a kind (Markdown, CSV, JSON, Foundry journal, PDF) and exports the hoard:
// both lists, the worth, the seed and the request; a PDF is the printout of the list `shown`,
// and a Foundry journal of the list shown holds that list alone.
// A file that cannot be written is reported and any old file stays unchanged.
void ExportHoard(QWidget* parent, const formats::HoardRecord& record, ListKind shown);

// The editor's file, in the user's private folder (see private_folder.h), so that no other user
// can read it, plant a link in its place or swap it while the editor runs. It is left on disk
// afterwards.
inline constexpr char kEditFileName[] = "VNTemp.txt";

// Writes the list to "VNTemp.txt", opens it in a plain-text editor, waits until the editor is
// closed, and returns the file's lines. Returns nullopt, after showing why, when the file cannot
// be written whole, no editor can be started, or the file cannot be read back or is too large;
// the caller then keeps its lists as they are.
std::optional<Lines> EditList(QWidget* parent, const Lines& lines);

}  // namespace vorneth::platform
