#include "shell/SharpFace.h"

#include "assets/Pictures.h"
#include "shell/DevicePixels.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Run
{
    int begin;
    int end;
};

// The runs of opaque pixels in a row of the plain face.
std::vector<Run> opaqueRuns(const QImage& face, int row)
{
    std::vector<Run> runs;
    if (row < 0 || row >= face.height())
        return runs;
    const auto* line = reinterpret_cast<const QRgb*>(face.constScanLine(row));
    const int width = face.width();
    for (int x = 0; x < width; ++x) {
        if (qAlpha(line[x]) == 0)
            continue;
        if (!runs.empty() && runs.back().end == x)
            ++runs.back().end;
        else
            runs.push_back({x, x + 1});
    }
    return runs;
}

// The large face brought to the screen's size by one bilinear pass; its outline is then made
// that of the plain face as Qt scales the shape, run by run of the plain face. The device pixel
// to skin pixel mapping splits into columns and rows, so it is worked out once for each.
QImage resampled(const QImage& face, qreal ratio, QSize pixels)
{
    QImage scaled(pixels, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&scaled);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), pixels), Pictures::largeFace());
    }
    // The skin column of each device column, and the first device column of each skin column.
    std::vector<int> columns(pixels.width());
    for (int x = 0; x < pixels.width(); ++x)
        columns[x] = std::min(skinPixelAt(QPointF(x, 0) / ratio, ratio).x(), face.width());
    std::vector<int> firstColumns(face.width() + 1);
    for (int column = 0, x = 0; column <= face.width(); ++column) {
        while (x < pixels.width() && columns[x] < column)
            ++x;
        firstColumns[column] = x;
    }
    std::vector<Run> runs;
    int runsRow = -1;
    for (int y = 0; y < pixels.height(); ++y) {
        const int row = skinPixelAt(QPointF(0, y) / ratio, ratio).y();
        if (row != runsRow) {
            runs = opaqueRuns(face, row);
            runsRow = row;
        }
        auto* line = reinterpret_cast<QRgb*>(scaled.scanLine(y));
        const auto* plain =
            runs.empty() ? nullptr : reinterpret_cast<const QRgb*>(face.constScanLine(row));
        int done = 0;
        for (const Run& run : runs) {
            const int begin = firstColumns[run.begin], end = firstColumns[run.end];
            std::fill(line + done, line + begin, 0);
            for (int x = begin; x < end; ++x) {
                if (qAlpha(line[x]) == 255)
                    continue;
                // Bilinear sampling took in some of the transparent outside: made whole again.
                line[x] = qAlpha(line[x]) == 0 ? plain[columns[x]]
                                               : qUnpremultiply(line[x]) | 0xFF000000u;
            }
            done = end;
        }
        std::fill(line + done, line + pixels.width(), 0);
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

bool paintLargeFaceInPlace(QPainter& painter, const QRegion& region)
{
    const QPaintEngine* engine = painter.paintEngine();
    QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image ||
        painter.deviceTransform() != QTransform::fromScale(2, 2))
        return false;
    auto& target = static_cast<QImage&>(*device);
    // Written through another handle, the pixels would not reach the window.
    if (!target.isDetached())
        return false;
    return Pictures::paintLargeFace(target, QTransform::fromScale(2, 2).map(region));
}
