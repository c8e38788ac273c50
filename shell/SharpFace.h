#pragma once

#include <QImage>

// The window's face for a screen whose device pixel ratio is above 1, painted from the skin
// drawn at twice the size: as it is at ratio 2, brought smoothly to the screen's size at other
// ratios. Its outline is that of the plain face, device pixel for device pixel as Qt scales the
// window's shape, so no pixel of the shape is left unpainted and none beside it painted: every
// device pixel over a kept skin pixel is opaque, every other one fully transparent. The image
// carries the ratio.
QImage sharpFace(const QImage& face, qreal ratio);
