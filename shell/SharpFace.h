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

// Paints the face for the region that the painter may change straight into the image it draws
// on, where it draws on an image of the face's size at its device pixel ratio with no offset, as
// it does on a top-level window's backing store: from the stored runs at ratio 2, resampled from
// them at other ratios, with no copy of the face at either size in between. Such a copy would
// cost its megabytes afresh on every start, and the faulting in of that memory more than making
// it. False, with nothing painted, where the painter draws elsewhere.
[[nodiscard]] bool paintFaceInPlace(QPainter& painter, const QImage& face);
