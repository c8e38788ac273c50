#include "shell/SharpFace.h"

#include "assets/Pictures.h"
#include "shell/DevicePixels.h"

#include <QPainter>
#include <cmath>
#include <vector>

namespace {

// The large face brought to the screen's size by one bilinear pass; its outline is then made
// that of the plain face as Qt scales the shape. The device pixel to skin pixel mapping splits
// into columns and rows, so it is worked out once for each, not for every device pixel.
QImage resampled(const QImage& face, qreal ratio, QSize pixels)
{
    QImage scaled(pixels, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&scaled);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), pixels), Pictures::largeFace());
    }
    std::vector<int> columns(pixels.width());
    for (int x = 0; x < pixels.width(); ++x) {
        const int column = skinPixelAt(QPointF(x, 0) / ratio, ratio).x();
        columns[x] = column < face.width() ? column : -1;
    }
    for (int y = 0; y < pixels.height(); ++y) {
        const int row = skinPixelAt(QPointF(0, y) / ratio, ratio).y();
        const auto* plain = row >= 0 && row < face.height()
                                ? reinterpret_cast<const QRgb*>(face.constScanLine(row))
                                : nullptr;
        auto* line = reinterpret_cast<QRgb*>(scaled.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            const QRgb kept = plain && columns[x] >= 0 ? plain[columns[x]] : 0;
            if (qAlpha(kept) == 0)
                line[x] = 0;
            else if (qAlpha(line[x]) == 0)
                line[x] = kept;
            else if (qAlpha(line[x]) != 255)
                // A pixel on the outline holds some of the transparent outside: made whole again.
                line[x] = qUnpremultiply(line[x]) | 0xFF000000u;
        }
    }
    return scaled;
}

} // namespace

QImage sharpFace(const QImage& face, qreal ratio)
{
    const QSize pixels(static_cast<int>(std::lround(face.width() * ratio)),
                       static_cast<int>(std::lround(face.height() * ratio)));
    QImage sharp = ratio == 2.0 ? Pictures::largeFace() : resampled(face, ratio, pixels);
    sharp.setDevicePixelRatio(ratio);
    return sharp;
}
