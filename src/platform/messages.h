#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace vorneth::platform {

// Shows an error the way the desktop shows one: a modal critical message box over `parent`.
// File and printer failures end their operation here, and the program goes on.
void ShowErrorMessage(QWidget* parent, const QString& text);

// Receives error texts instead of the message box. Tests install one to read the message
// instead of blocking on a modal box; an empty sink brings the box back.
using MessageSink = std::function<void(const QString& text)>;

// Installs `sink` and returns the one it replaces.
MessageSink SetMessageSink(MessageSink sink);

}  // namespace vorneth::platform
