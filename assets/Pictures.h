#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

// The pictures built into the program.
namespace Pictures {

// The face of the main window, with magenta where the window is cut away.
QImage skin();
// The peg of a colour number, 2 to 9; a null pixmap for any other number.
QPixmap peg(int colour);
// The window icon, at 16, 32, 48 and 64 pixels.
QIcon applicationIcon();

} // namespace Pictures
