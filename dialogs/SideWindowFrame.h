#pragma once

#include <QSize>

class QWidget;

// Gives a side window its fixed frame: a title bar with a close control only, the given inner
// size that the player cannot change, the application icon, no taskbar button, and discarding
// the window when it is closed. Call it in the window's constructor, before it is first shown,
// and put the window's controls on the inner area it returns: the window itself where the
// window system draws the title bar, or the area below the bar the window paints itself.
QWidget& frameSideWindow(QWidget& window, QSize innerSize);

// Centres the window's inner area on the primary screen.
void centreOnPrimaryScreen(QWidget& window);
