#pragma once

class QWidget;

namespace vorneth::app {

// Restores `mainWindow` if it is minimised and brings it to the front; a modal window open on
// top of it (the report form or the about box) is brought forward too and keeps the input.
void BringForward(QWidget* mainWindow);

}  // namespace vorneth::app
