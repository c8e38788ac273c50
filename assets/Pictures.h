#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

// The pictures built into the program.
namespace Pictures {

// The face of the main window: the skin with its key colour fully transparent, premultiplied
// ARGB32 over the program's read-only data, so showing it costs neither decoding nor memory of
// its own. Every opaque pixel is the skin's own colour.
QImage face();
// The peg of a colour number, 2 to 9; a null pixmap for any other number.
QPixmap peg(int colour);
// The window icon, at 16, 32, 48 and 64 pixels.
QIcon applicationIcon();

} // namespace Pictures
