#include "platform/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace vorneth::platform {

namespace {

// A window's frame before it was ever shown is not known yet: a title bar and thin borders.
constexpr QSize kUnknownFrame(8, 36);

QRect Available(const QWidget* window) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

QSize Frame(const QWidget* window) {
  const QSize frame = window->frameGeometry().size() - window->geometry().size();
  return frame.isEmpty() ? kUnknownFrame : frame;
}

}  // namespace

QSize RoomOnScreen(const QWidget* window) {
  const QRect available = Available(window);
  return available.isEmpty() ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)
                             : available.size() - Frame(window);
}

void PlaceOnScreen(QWidget* window) {
  const QRect available = Available(window);
  if (available.isEmpty()) {
    return;
  }
  const QSize outer = window->size() + Frame(window);
  const int x = std::clamp(window->x(), available.left(),
                           std::max(available.left(), available.right() + 1 - outer.width()));
  const int y = std::clamp(window->y(), available.top(),
                           std::max(available.top(), available.bottom() + 1 - outer.height()));
  window->move(x, y);
}

void ResizeWithinScreen(QWidget* window, QSize wanted) {
  window->resize(wanted.boundedTo(RoomOnScreen(window)));
}

void FitOnScreen(QWidget* window) {
  window->resize(window->size().boundedTo(RoomOnScreen(window)));
  if (window->testAttribute(Qt::WA_Moved)) {
    PlaceOnScreen(window);  // a window never placed yet is left to the window manager
  }
}

}  // namespace vorneth::platform
