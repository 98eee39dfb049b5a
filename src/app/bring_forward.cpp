#include "app/bring_forward.h"

#include <QApplication>
#include <QWidget>

namespace vorneth::app {

namespace {
void restoreAndRaise(QWidget* window) {
  window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  window->show();
  window->raise();
  window->activateWindow();
}
}  // namespace

void BringForward(QWidget* mainWindow) {
  restoreAndRaise(mainWindow);
  if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != mainWindow) {
    restoreAndRaise(modal);
  }
}

}  // namespace vorneth::app
