#pragma once

#include <QKeySequence>

namespace vorneth::platform {

// Keys the forms bind by their own keys rather than by the platform theme's standard keys: a
// theme may leave a standard key empty (qt6ct has no Quit key), and the key would do nothing.
inline QKeySequence QuitKey() {
  return QKeySequence(Qt::CTRL | Qt::Key_Q);
}
inline QKeySequence HelpKey() {
  return QKeySequence(Qt::Key_F1);
}

}  // namespace vorneth::platform
