#pragma once

#include "assets/RunPicture.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

class QRegion;

// The pictures built into the program.
namespace Pictures {

// The face of the main window: the skin with its key colour fully transparent, premultiplied
// ARGB32 over the program's read-only data, so showing it costs neither decoding nor memory of
// its own. Every opaque pixel is the skin's own colour.
QImage face();
// The peg of a colour number, 2 to 9; a null pixmap for any other number.
QPixmap peg(int colour);

// The pictures drawn at twice the size, for screens of a device pixel ratio above 1. They are
// read only when first asked for, so a screen of ratio 1 never touches them.

// The face at twice the size, as a screen of ratio 2 shows it: the plain face's outline, each of
// its pixels two by two, filled from the skin drawn at twice the size. Read in place from the
// program's stored pixels, so nothing is expanded into memory of its own unless asked for.
const RunPicture::Rows& largeFace();
// Gives the pages of the large face read so far back to the system; read again, they come back
// from the program's file. Kept, they would stay in memory for the rest of the game.
void giveBackLargeFace();
// The peg of a colour number at a device pixel ratio: the peg at twice the size, brought
// smoothly to the screen's size unless the ratio is 2, with that ratio; the plain peg at ratio
// 1. Kept in Qt's pixmap cache once made, which may drop it and have it made again.
QPixmap peg(int colour, qreal ratio);
// The window icon, at 16, 32, 48 and 64 pixels; the same icon on every call.
QIcon applicationIcon();

} // namespace Pictures
