#pragma once

// The report form's File and Edit menu operations. Each handler is one call:
//
//   void THordeScr::SaveDMsList1Click() {
//     platform::SaveList(this, titleText, platform::ListKind::DM, dmLines);
//   }
//   void THordeScr::SavePlayersList1Click() {
//     platform::SaveList(this, titleText, platform::ListKind::Players, playersLines);
//   }
//   void THordeScr::PrintDMsList1Click() {
//     platform::PrintList(this, windowTitle(), platform::ListKind::DM, dmLines);
//   }
//   void THordeScr::PrintPlayersList1Click() {
//     platform::PrintList(this, windowTitle(), platform::ListKind::Players, playersLines);
//   }
//   void THordeScr::Edit1Click() {
//     if (auto edited = platform::EditList(this, DMListShown ? dmLines : playersLines)) {
//       (DMListShown ? dmLines : playersLines) = *edited;  // then refill the visible list
//     }
//   }
//
// `titleText` is the request form's title field as typed; lines are UTF-8 std::strings.
// Failures show their message box themselves and change nothing.

#include <QString>
#include <optional>

#include "platform/list_kind.h"
#include "platform/text_file.h"

class QWidget;

namespace vorneth::platform {

// The file a saved list becomes: title, empty line, heading, empty line, the list's lines.
Lines SavedListLines(const QString& title, ListKind kind, const Lines& lines);

// Asks for a file name and writes the list there. Cancelling writes nothing. A file that cannot
// be created shows "Cannot create file <name>"; a failed write keeps any old file unchanged.
void SaveList(QWidget* parent, const QString& title, ListKind kind, const Lines& lines);

// Prints the list on the default printer under `caption` (the report window's caption). Without
// a default printer it shows "There is no default printer currently selected".
void PrintList(QWidget* parent, const QString& caption, ListKind kind, const Lines& lines);

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
