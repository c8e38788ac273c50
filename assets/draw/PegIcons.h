#pragma once

#include <QImage>

// The picture of a peg seen from above, 32 x 32, for colour numbers 2 to 9: every pixel either
// fully opaque or fully transparent.
QImage drawPegIcon(int colour);
