#pragma once

#include <QImage>

// The picture of a peg seen from above, 32 x 32, for colour numbers 2 to 9: every pixel either
// fully opaque or fully transparent. At a pixel ratio of 2 the same peg is drawn at 64 x 64.
QImage drawPegIcon(int colour, int pixelRatio = 1);
