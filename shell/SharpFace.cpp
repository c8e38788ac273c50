#include "shell/SharpFace.h"

#include "assets/Pictures.h"

#include <QPaintEngine>
#include <QPainter>
#include <cmath>

SharpFace::SharpFace(const QImage& face, const QRegion& shape, qreal ratio,
                     FaceMix::PaintRun paintRun)
    : m_ratio(ratio), m_pixels(static_cast<int>(std::lround(face.width() * ratio)),
                               static_cast<int>(std::lround(face.height() * ratio)))
{
    const RunPicture::Rows& large = Pictures::largeFace();
    if (ratio != 2.0 && !large.isNull())
        m_resampled.emplace(face, shape, ratio, large, paintRun);
}

QImage SharpFace::image() const
{
    QImage image(m_pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    paintPixels(image, QRegion(image.rect()));
    image.setDevicePixelRatio(m_ratio);
    return image;
}

bool SharpFace::paintInPlace(QPainter& painter) const
{
    QPaintEngine* engine = painter.paintEngine();
    QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image || painter.hasClipping() ||
        painter.deviceTransform() != QTransform::fromScale(m_ratio, m_ratio))
        return false;
    auto& target = static_cast<QImage&>(*device);
    // Written through another handle, the pixels would not reach the window.
    if (target.size() != m_pixels || target.depth() != 32 || !target.isDetached())
        return false;
    // The device pixels that this paint may change, as Qt rounds the paint event's region for
    // the device; everything when there is no such clip.
    const QRegion clip = engine->systemClip();
    paintPixels(target, clip.isEmpty() ? QRegion(target.rect()) : clip & target.rect());
    return true;
}

void SharpFace::paint(QPainter& painter)
{
    if (paintInPlace(painter))
        return;
    if (m_copy.isNull())
        m_copy = image();
    // Whole, on device pixels; the paint event's clip keeps it to what needs painting.
    painter.drawImage(QPoint(0, 0), m_copy);
}

void SharpFace::paintPixels(QImage& target, const QRegion& region) const
{
    if (m_resampled) {
        m_resampled->paint(target, region);
    } else if (m_ratio == 2.0) {
        // Of the window's size at ratio 2, as the tests check.
        [[maybe_unused]] const bool painted = Pictures::largeFace().paint(target, region);
    }
}
