#pragma once

#include <QPoint>
#include <QSize>

// Where a window of the given size starts so that it stands centred on a screen: half the
// difference of the two, worked out in twips as the game's design measures positions.

// The leading edge, in twips: the difference rounded to the nearest integer (halves to
// even), then halved toward zero. Negative when the window is the larger, not clamped.
int centredTwips(double screenTwips, double windowTwips);

// The same for both axes, from and to pixels, relative to the screen's top-left corner.
QPoint centredPosition(QSize screenPixels, QSize windowPixels);
