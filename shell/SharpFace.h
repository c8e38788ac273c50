#pragma once

#include <QImage>

// The window's face for a screen whose device pixel ratio is above 1, painted from the skin
// drawn at twice the size: as it is at ratio 2, brought smoothly to the screen's size at other
// ratios. Its outline is that of the plain face, device pixel for device pixel as Qt scales the
// window's shape, so no pixel of the shape is left unpainted and none beside it painted: every
// device pixel over a kept skin pixel is opaque, every other one fully transparent. The image
// carries the ratio.
QImage sharpFace(const QImage& face, qreal ratio);

class QPainter;
class QRegion;

// Paints the face at ratio 2 for the region (in device-independent pixels) straight into the
// image that the painter draws on, where the painter draws on an image with no offset at that
// ratio, as it does on a top-level window's backing store. A copy of the face at twice the size
// would cost its 4 MB afresh on every start, and the faulting in of that memory more than the
// copy itself. False, with nothing painted, where the painter draws elsewhere.
[[nodiscard]] bool paintLargeFaceInPlace(QPainter& painter, const QRegion& region);
