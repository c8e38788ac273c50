#include "shell/SharpFace.h"

#include "assets/Pictures.h"
#include "assets/RawPicture.h"
#include "shell/DevicePixels.h"

#include <cmath>

QImage sharpFace(const QImage& face, qreal ratio)
{
    const QSize pixels(static_cast<int>(std::lround(face.width() * ratio)),
                       static_cast<int>(std::lround(face.height() * ratio)));
    // The key made transparent first, so that smoothing never blends its colour into the edge.
    QImage large = RawPicture::transparentKeyFace(Pictures::largeSkin());
    if (large.size() != pixels)
        large = large.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < pixels.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(large.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            const QPoint skinPixel = skinPixelAt(QPointF(x, y) / ratio, ratio);
            const QRgb plain = face.valid(skinPixel) ? face.pixel(skinPixel) : 0;
            if (qAlpha(plain) == 0)
                line[x] = 0;
            else if (qAlpha(line[x]) == 0)
                line[x] = plain;
            else
                // A pixel on the outline holds some of the transparent key: made whole again.
                line[x] = qUnpremultiply(line[x]) | 0xFF000000u;
        }
    }
    large.setDevicePixelRatio(ratio);
    return large;
}
