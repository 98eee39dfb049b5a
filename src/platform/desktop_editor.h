#pragma once

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

namespace vorneth::platform {

// Editing in the desktop's own editor for plain text, for desktops whose editors cannot be
// waited for (they hand the file to a window that is already open and return at once): the
// file is opened through the desktop (xdg-open or the portal), and a modal box waits until the
// user says the file is saved.

// Opens `file` in the desktop's default application for plain text. False when the desktop
// has none or refuses.
bool OpenInDesktopEditor(const QString& file);

// Replaces the desktop with `opener` (tests start a small script); an empty one restores it.
using DesktopOpener = std::function<bool(const QString& file)>;
void SetDesktopOpener(DesktopOpener opener);

// The name the desktop shows for its default plain-text application ("Mousepad"), or an empty
// text when it cannot tell.
QString DefaultTextEditorName();

// Shows the box "VNTemp.txt is open in <editor>. Save it there, then press Take Back." over
// `parent`, with "Take Back" and "Cancel". True for Take Back.
bool AskTakeBack(QWidget* parent, const QString& fileName, const QString& editorName);

// Answers the box instead of the user while set (tests click one of its buttons); an empty one
// brings the user back.
using TakeBackAnswerer = std::function<void(QMessageBox& box)>;
void SetTakeBackAnswerer(TakeBackAnswerer answerer);

}  // namespace vorneth::platform
