#include "shell/SharpFace.h"

#include "assets/Pictures.h"
#include "shell/DevicePixels.h"

#include <QPaintEngine>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

QSize devicePixels(const QImage& face, qreal ratio)
{
    return {static_cast<int>(std::lround(face.width() * ratio)),
            static_cast<int>(std::lround(face.height() * ratio))};
}

std::vector<SharpFace::Sample> samples(int device, int large)
{
    std::vector<SharpFace::Sample> along(device);
    const qreal step = qreal(large) / device;
    for (int i = 0; i < device; ++i) {
        const qreal position = std::max((i + 0.5) * step - 0.5, 0.0);
        const int before = std::min(static_cast<int>(position), large - 1);
        along[i] = {before, std::min(before + 1, large - 1),
                    static_cast<quint32>((position - before) * 256)};
    }
    return along;
}

// A premultiplied pixel with each channel in 16 bits of its own, room for the channel times a
// share in 256ths.
quint64 widened(QRgb pixel)
{
    return (pixel & 0x00FF00FFu) | (quint64(pixel & 0xFF00FF00u) << 24);
}

QRgb narrowed(quint64 channels)
{
    return QRgb(channels & 0x00FF00FFu) | QRgb((channels >> 24) & 0xFF00FF00u);
}

// The premultiplied pixel a share of the way from one to the other, every channel at once.
QRgb between(QRgb from, QRgb to, quint32 share)
{
    const quint64 sum = widened(from) * (256 - share) + widened(to) * share;
    return narrowed((sum >> 8) & 0x00FF00FF00FF00FFull);
}

// Two rows of premultiplied pixels mixed a share of the way from the first to the second,
// channel by channel, as between() mixes two pixels. Done in blocks of a fixed size that an
// optimising compiler turns into vector instructions, this is a few instructions per pixel.
void mixRows(const QRgb* from, const QRgb* to, QRgb* mixed, int count, quint32 share)
{
    const auto* first = reinterpret_cast<const uchar*>(from);
    const auto* second = reinterpret_cast<const uchar*>(to);
    auto* out = reinterpret_cast<uchar*>(mixed);
    const auto rest = quint16(256 - share), weight = quint16(share);
    const auto mix = [&](int i) {
        return uchar(quint16(first[i] * rest + second[i] * weight) >> 8);
    };
    constexpr int block = 16;
    const int bytes = count * 4;
    int i = 0;
    for (; i + block <= bytes; i += block) {
        uchar done[block];
        for (int j = 0; j < block; ++j)
            done[j] = mix(i + j);
        std::copy_n(done, block, out + i);
    }
    for (; i < bytes; ++i)
        out[i] = mix(i);
}

} // namespace

SharpFace::SharpFace(const QImage& face, qreal ratio)
    : m_face(face), m_ratio(ratio), m_pixels(devicePixels(face, ratio))
{
    const QSize large = Pictures::largeFace().size();
    if (ratio == 2.0 || large.isEmpty())
        return;
    m_columns.resize(m_pixels.width());
    for (int x = 0; x < m_pixels.width(); ++x)
        m_columns[x] = std::min(skinPixelAt(QPointF(x, 0) / ratio, ratio).x(), face.width());
    findOpaqueRuns();
    m_firstColumns.resize(face.width() + 1);
    for (int column = 0, x = 0; column <= face.width(); ++column) {
        while (x < m_pixels.width() && m_columns[x] < column)
            ++x;
        m_firstColumns[column] = x;
    }
    m_across = samples(m_pixels.width(), large.width());
    m_down = samples(m_pixels.height(), large.height());
    m_above.resize(large.width());
    m_below.resize(large.width());
    m_mixed.resize(large.width());
}

void SharpFace::findOpaqueRuns()
{
    const int width = m_face.width();
    m_firstRuns.reserve(m_face.height() + 1);
    for (int row = 0; row < m_face.height(); ++row) {
        m_firstRuns.push_back(int(m_runs.size()));
        const auto* line = reinterpret_cast<const QRgb*>(m_face.constScanLine(row));
        for (int x = 0; x < width;) {
            while (x < width && qAlpha(line[x]) == 0)
                ++x;
            const int begin = x;
            while (x < width && qAlpha(line[x]) != 0)
                ++x;
            if (x > begin)
                m_runs.push_back({begin, x});
        }
    }
    m_firstRuns.push_back(int(m_runs.size()));
}

std::span<const SharpFace::Run> SharpFace::opaqueRuns(int row) const
{
    if (row < 0 || row >= m_face.height())
        return {};
    return std::span(m_runs).subspan(m_firstRuns[row], m_firstRuns[row + 1] - m_firstRuns[row]);
}

QImage SharpFace::image()
{
    QImage image(m_pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    paint(image, QRegion(image.rect()));
    image.setDevicePixelRatio(m_ratio);
    return image;
}

bool SharpFace::paintInPlace(QPainter& painter)
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
    paint(target, clip.isEmpty() ? QRegion(target.rect()) : clip & target.rect());
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

void SharpFace::paint(QImage& target, const QRegion& region)
{
    const RunPicture::Rows& large = Pictures::largeFace();
    if (m_ratio == 2.0) {
        // Of the window's size at ratio 2, as the tests check.
        [[maybe_unused]] const bool painted = large.paint(target, region);
    } else if (!large.isNull()) {
        for (const QRect& rect : region)
            paintResampled(target, rect);
    }
    // Read again only when the window is painted again. Given back once control is back in the
    // event loop, after the window has been flushed, so the new pixels do not wait for it.
    QTimer::singleShot(0, &Pictures::giveBackLargeFace);
}

// The large face brought to the device's size by bilinear sampling, and its outline made that of
// the plain face as Qt scales the shape, run by run of the plain face.
void SharpFace::paintResampled(QImage& target, const QRect& rect)
{
    // The rows read before were read for other columns.
    m_firstSampled = m_across[rect.left()].before;
    m_lastSampled = m_across[rect.right()].after;
    m_aboveRow = m_belowRow = -1;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        paintRow(reinterpret_cast<QRgb*>(target.scanLine(y)), y, rect.left(), rect.right() + 1);
}

void SharpFace::paintRow(QRgb* line, int y, int left, int right)
{
    const int row = skinPixelAt(QPointF(0, y) / m_ratio, m_ratio).y();
    const std::span<const Run> runs = opaqueRuns(row);
    const Sample down = m_down[y];
    if (!runs.empty())
        readLargeRows(down);
    const auto* plain =
        runs.empty() ? nullptr : reinterpret_cast<const QRgb*>(m_face.constScanLine(row));
    int done = left;
    for (const Run& run : runs) {
        const int begin = std::max(m_firstColumns[run.begin], left);
        const int end = std::min(m_firstColumns[run.end], right);
        if (begin >= end)
            continue;
        std::fill(line + done, line + begin, 0);
        // Mixing the two rows first leaves one mix per device pixel, not three.
        const int from = m_across[begin].before, to = m_across[end - 1].after + 1;
        mixRows(m_above.data() + from, m_below.data() + from, m_mixed.data() + from, to - from,
                down.share);
        for (int x = begin; x < end; ++x) {
            const Sample across = m_across[x];
            QRgb pixel = between(m_mixed[across.before], m_mixed[across.after], across.share);
            // Sampling took in some of the transparent outside: made whole again.
            if (qAlpha(pixel) != 255)
                pixel =
                    qAlpha(pixel) == 0 ? plain[m_columns[x]] : qUnpremultiply(pixel) | 0xFF000000u;
            line[x] = pixel;
        }
        done = end;
    }
    std::fill(line + done, line + right, 0);
}

// The two rows of the large face that a device row samples, each read once however many device
// rows sample it.
void SharpFace::readLargeRows(const Sample& down)
{
    if (down.before == m_belowRow) {
        std::swap(m_above, m_below);
        m_aboveRow = m_belowRow;
        m_belowRow = -1;
    }
    const int first = m_firstSampled, end = m_lastSampled + 1;
    if (down.before != m_aboveRow) {
        Pictures::largeFace().read(down.before, first, end, m_above.data() + first);
        m_aboveRow = down.before;
    }
    if (down.after != m_belowRow) {
        Pictures::largeFace().read(down.after, first, end, m_below.data() + first);
        m_belowRow = down.after;
    }
}
