#include "shell/SharpFace.h"

#include "assets/Pictures.h"
#include "shell/DevicePixels.h"

#include <cmath>

namespace {

// The large skin with its key transparent, so that smoothing never blends the key's colour
// into the edge.
QImage withoutKey(const QImage& skin)
{
    QImage image = skin.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb key = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == key)
                line[x] = 0;
        }
    }
    return image;
}

} // namespace

QImage sharpFace(const QImage& face, qreal ratio)
{
    const QSize pixels(static_cast<int>(std::lround(face.width() * ratio)),
                       static_cast<int>(std::lround(face.height() * ratio)));
    QImage large = withoutKey(Pictures::largeSkin());
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
