#pragma once

#include "shell/FaceMix.h"
#include "shell/ResampledFace.h"

#include <QImage>
#include <optional>

class QPainter;
class QRegion;

// The window's face for a screen whose device pixel ratio is above 1, painted from the skin
// drawn at twice the size: as it is at ratio 2, brought smoothly to the screen's size at other
// ratios. Its outline is that of the plain face, device pixel for device pixel as Qt scales the
// window's shape, so no pixel of the shape is left unpainted and none beside it painted: every
// device pixel over a kept skin pixel is opaque, every other one fully transparent.
//
// It is painted straight from the large face's stored runs into the image the window paints on,
// with no copy of the face at either size in between: such a copy would cost its megabytes
// afresh on every start, and the faulting in of that memory more than making it.
class SharpFace
{
public:
    // The shape is the face's kept pixels, as BuildSkinRegion gives them. Resampled at ratios
    // other than 2 in the form given, the fastest one unless a test compares another.
    SharpFace(const QImage& face, const QRegion& shape, qreal ratio,
              FaceMix::PaintRun paintRun = FaceMix::fastest);

    qreal ratio() const { return m_ratio; }
    // The whole face as an image of its own, carrying the ratio.
    QImage image() const;
    // Paints the face for the device pixels that the painter may change, straight into the
    // image it draws on, where it draws on an image of the face's size at the ratio with no
    // offset, as it does on a top-level window's backing store. False, with nothing painted,
    // where the painter draws elsewhere.
    [[nodiscard]] bool paintInPlace(QPainter& painter) const;
    // Paints the face in place, or from a copy made on first need where the painter draws
    // elsewhere.
    void paint(QPainter& painter);

private:
    // Paints the region's device pixels into an image of the face's size at the ratio.
    void paintPixels(QImage& target, const QRegion& region) const;

    qreal m_ratio;
    QSize m_pixels;
    // At every ratio but 2, where the stored runs are drawn as they are; none when the program
    // holds no large face.
    std::optional<ResampledFace> m_resampled;
    // The whole face, for a painter that draws elsewhere; made on first need.
    QImage m_copy;
};
