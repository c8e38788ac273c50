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

QSize devicePixels(const QImage& face, qreal ratio)
{
    return {static_cast<int>(std::lround(face.width() * ratio)),
            static_cast<int>(std::lround(face.height() * ratio))};
}

// Where a device pixel's centre falls between two pixels of the large face along one axis, as
// bilinear sampling sees it with the pictures' corners aligned: the nearer pixel at or before
// it, the one after, and the share of the one after in 256ths.
struct Sample
{
    int before;
    int after;
    quint32 share;
};

std::vector<Sample> samples(int device, int large)
{
    std::vector<Sample> along(device);
    const qreal step = qreal(large) / device;
    for (int i = 0; i < device; ++i) {
        const qreal position = std::max((i + 0.5) * step - 0.5, 0.0);
        const int before = std::min(static_cast<int>(position), large - 1);
        along[i] = {before, std::min(before + 1, large - 1),
                    static_cast<quint32>((position - before) * 256)};
    }
    return along;
}

// The premultiplied pixel a share of the way from one to the other, two channels at a time.
QRgb between(QRgb from, QRgb to, quint32 share)
{
    const quint32 rest = 256 - share;
    const quint32 redBlue =
        (((from & 0x00FF00FFu) * rest + (to & 0x00FF00FFu) * share) >> 8) & 0x00FF00FFu;
    const quint32 alphaGreen =
        (((from >> 8) & 0x00FF00FFu) * rest + ((to >> 8) & 0x00FF00FFu) * share) & 0xFF00FF00u;
    return redBlue | alphaGreen;
}

// The face at a fractional ratio, painted into the device pixels of an image of that size: the
// large face brought to the size by bilinear sampling, read straight from its stored runs, and
// its outline made that of the plain face as Qt scales the shape, run by run of the plain face.
// The device pixel to skin pixel mapping splits into columns and rows, so it is worked out once
// for each.
class Resampling
{
public:
    Resampling(const QImage& face, qreal ratio, const RunPicture::Rows& large)
        : m_face(face), m_ratio(ratio), m_large(large), m_pixels(devicePixels(face, ratio)),
          m_columns(m_pixels.width()), m_firstColumns(face.width() + 1),
          m_across(samples(m_pixels.width(), large.size().width())),
          m_down(samples(m_pixels.height(), large.size().height())), m_above(large.size().width()),
          m_below(large.size().width())
    {
        // The skin column of each device column, and the first device column of each skin
        // column.
        for (int x = 0; x < m_pixels.width(); ++x)
            m_columns[x] = std::min(skinPixelAt(QPointF(x, 0) / ratio, ratio).x(), face.width());
        for (int column = 0, x = 0; column <= face.width(); ++column) {
            while (x < m_pixels.width() && m_columns[x] < column)
                ++x;
            m_firstColumns[column] = x;
        }
    }

    QSize pixels() const { return m_pixels; }

    void paint(QImage& target, const QRect& rect)
    {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            paintRow(reinterpret_cast<QRgb*>(target.scanLine(y)), y, rect.left(), rect.right() + 1);
    }

private:
    void paintRow(QRgb* line, int y, int left, int right)
    {
        const int row = skinPixelAt(QPointF(0, y) / m_ratio, m_ratio).y();
        if (row != m_runsRow) {
            m_runs = opaqueRuns(m_face, row);
            m_runsRow = row;
        }
        const Sample down = m_down[y];
        readLargeRows(down);
        const auto* plain =
            m_runs.empty() ? nullptr : reinterpret_cast<const QRgb*>(m_face.constScanLine(row));
        int done = left;
        for (const Run& run : m_runs) {
            const int begin = std::max(m_firstColumns[run.begin], left);
            const int end = std::min(m_firstColumns[run.end], right);
            if (begin >= end)
                continue;
            std::fill(line + done, line + begin, 0);
            for (int x = begin; x < end; ++x) {
                const Sample across = m_across[x];
                QRgb pixel =
                    between(between(m_above[across.before], m_above[across.after], across.share),
                            between(m_below[across.before], m_below[across.after], across.share),
                            down.share);
                // Sampling took in some of the transparent outside: made whole again.
                if (qAlpha(pixel) != 255)
                    pixel = qAlpha(pixel) == 0 ? plain[m_columns[x]]
                                               : qUnpremultiply(pixel) | 0xFF000000u;
                line[x] = pixel;
            }
            done = end;
        }
        std::fill(line + done, line + right, 0);
    }

    // The two rows of the large face that a device row samples, each read once however many
    // device rows sample it.
    void readLargeRows(const Sample& down)
    {
        if (down.before == m_belowRow) {
            std::swap(m_above, m_below);
            m_aboveRow = m_belowRow;
            m_belowRow = -1;
        }
        if (down.before != m_aboveRow) {
            m_large.read(down.before, 0, m_large.size().width(), m_above.data());
            m_aboveRow = down.before;
        }
        if (down.after != m_belowRow) {
            m_large.read(down.after, 0, m_large.size().width(), m_below.data());
            m_belowRow = down.after;
        }
    }

    const QImage& m_face;
    const qreal m_ratio;
    const RunPicture::Rows& m_large;
    const QSize m_pixels;
    std::vector<int> m_columns;
    std::vector<int> m_firstColumns;
    const std::vector<Sample> m_across;
    const std::vector<Sample> m_down;
    std::vector<Run> m_runs;
    int m_runsRow = -1;
    std::vector<QRgb> m_above;
    std::vector<QRgb> m_below;
    int m_aboveRow = -1;
    int m_belowRow = -1;
};

} // namespace

QImage sharpFace(const QImage& face, qreal ratio)
{
    QImage sharp;
    if (ratio == 2.0) {
        sharp = Pictures::largeFace();
    } else {
        const Pictures::LargeFaceRows large;
        if (large.isNull())
            return {};
        Resampling resampling(face, ratio, large);
        sharp = QImage(resampling.pixels(), QImage::Format_ARGB32_Premultiplied);
        resampling.paint(sharp, sharp.rect());
    }
    sharp.setDevicePixelRatio(ratio);
    return sharp;
}

bool paintFaceInPlace(QPainter& painter, const QImage& face)
{
    QPaintEngine* engine = painter.paintEngine();
    QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    const qreal ratio = painter.deviceTransform().m11();
    if (!device || device->devType() != QInternal::Image || painter.hasClipping() ||
        painter.deviceTransform() != QTransform::fromScale(ratio, ratio))
        return false;
    auto& target = static_cast<QImage&>(*device);
    // Written through another handle, the pixels would not reach the window.
    if (target.size() != devicePixels(face, ratio) || !target.isDetached())
        return false;
    // The device pixels that this paint may change, as Qt rounds the paint event's region for
    // the device; everything when there is no such clip.
    const QRegion clip = engine->systemClip();
    const QRegion region = clip.isEmpty() ? QRegion(target.rect()) : clip & target.rect();
    if (ratio == 2.0)
        return Pictures::paintLargeFace(target, region);
    const Pictures::LargeFaceRows large;
    if (large.isNull())
        return false;
    Resampling resampling(face, ratio, large);
    for (const QRect& rect : region)
        resampling.paint(target, rect);
    return true;
}
