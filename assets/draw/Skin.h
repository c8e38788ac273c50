#pragma once

#include <QImage>

// The face of the main window: the board and the tray of loose pegs, and the title strip, on
// magenta wherever the window is cut away.
QImage drawSkin();
