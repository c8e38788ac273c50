#pragma once

class QWidget;

// Asks the window manager to give the window no taskbar button of its own. Call it before the
// window is first shown: the hint is read when the window is mapped. Does nothing where the
// desktop is not X11.
void keepOffTaskbar(QWidget& window);
