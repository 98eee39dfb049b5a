#pragma once

#include <QSize>

class QWidget;

namespace vorneth::platform {

// The room a window has on the screen it opens on: the screen's available geometry (without
// panels and docks), less the window's frame. In the window's own (logical) pixels, so a
// scaled screen gives less room.
QSize RoomOnScreen(const QWidget* window);

// Moves a window so that all of it, frame included, lies on its screen's available geometry,
// as near to where it stands as that allows.
void PlaceOnScreen(QWidget* window);

// Gives a window `wanted` as its size, or as much of it as its screen has room for.
void ResizeWithinScreen(QWidget* window, QSize wanted);

// Shrinks a resizable window that is larger than its room, then places it if it was placed
// before (a window never placed is left to the window manager).
void FitOnScreen(QWidget* window);

}  // namespace vorneth::platform
