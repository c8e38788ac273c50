#include "shell/SkinShape.h"

#include <vector>

namespace {

// Colours compare as red, green and blue only, as a pixel read from the screen would.
QImage asRgb32(const QImage& skin)
{
    return skin.format() == QImage::Format_RGB32 ? skin
                                                 : skin.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QRegion BuildSkinRegion(const QImage& skin)
{
    if (skin.isNull())
        return {};
    const QImage image = asRgb32(skin);
    const int width = image.width();
    const QRgb key = image.pixel(0, 0);

    // Collected first and handed over at once: uniting run by run would copy the growing
    // region for every run.
    std::vector<QRect> runs;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < width) {
            while (x < width && line[x] == key)
                ++x;
            const int start = x;
            while (x < width && line[x] != key)
                ++x;
            if (x > start)
                runs.emplace_back(start, y, x - start, 1);
        }
    }

    // The runs come sorted by row, then column, one pixel high and never touching sideways:
    // the banded form that QRegion keeps, so they can be taken as they are.
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}

QImage transparentKeyFace(const QImage& skin)
{
    if (skin.isNull())
        return {};
    const QImage image = asRgb32(skin);
    const QRgb key = image.pixel(0, 0);
    QImage face = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < face.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(face.scanLine(y));
        const auto* source = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < face.width(); ++x) {
            if (source[x] == key)
                line[x] = 0;
        }
    }
    return face;
}
