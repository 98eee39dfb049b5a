#include "platform/messages.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <utility>

namespace vorneth::platform {

namespace {
MessageSink& CurrentSink() {
  static MessageSink sink;
  return sink;
}
}  // namespace

void ShowErrorMessage(QWidget* parent, const QString& text) {
  if (const MessageSink& sink = CurrentSink()) {
    sink(text);
    return;
  }
  QMessageBox::critical(parent, QGuiApplication::applicationDisplayName(), text);
}

MessageSink SetMessageSink(MessageSink sink) {
  return std::exchange(CurrentSink(), std::move(sink));
}

}  // namespace vorneth::platform
