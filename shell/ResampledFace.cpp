#include "shell/ResampledFace.h"

#include "shell/DevicePixels.h"

#include <QRegion>
#include <algorithm>
#include <cmath>

namespace {

std::vector<ResampledFace::Sample> samples(int device, int large)
{
    std::vector<ResampledFace::Sample> along(device);
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

// The rows of the large face that one paint reads, over the columns that the device columns of
// the rectangle being painted sample: the two rows of the device row being painted, each read
// once however many device rows sample it, and a row to mix them into.
struct ResampledFace::SampledRows
{
    explicit SampledRows(const RunPicture::Rows& large)
        : large(large), above(large.size().width()), below(large.size().width()),
          mixed(large.size().width())
    {}

    // Starts on a rectangle whose device columns sample the large face from first to last: the
    // rows read so far were read for other columns.
    void sampleColumns(int first, int last)
    {
        begin = first;
        end = last + 1;
        aboveRow = belowRow = -1;
    }

    // Reads the two rows that a device row samples; the rows of the device row before are
    // kept where they are sampled again.
    void read(const Sample& down)
    {
        if (down.before == belowRow) {
            std::swap(above, below);
            aboveRow = belowRow;
            belowRow = -1;
        }
        if (down.before != aboveRow) {
            large.read(down.before, begin, end, above.data() + begin);
            aboveRow = down.before;
        }
        if (down.after != belowRow) {
            large.read(down.after, begin, end, below.data() + begin);
            belowRow = down.after;
        }
    }

    const RunPicture::Rows& large;
    // Indexed by the large face's columns, of which only begin to end are read.
    std::vector<QRgb> above;
    std::vector<QRgb> below;
    std::vector<QRgb> mixed;
    int begin = 0;
    int end = 0;
    int aboveRow = -1;
    int belowRow = -1;
};

ResampledFace::ResampledFace(const QImage& face, qreal ratio, const RunPicture::Rows& large)
    : m_large(large), m_face(face), m_ratio(ratio)
{
    const QSize device(static_cast<int>(std::lround(face.width() * ratio)),
                       static_cast<int>(std::lround(face.height() * ratio)));
    m_columns.resize(device.width());
    for (int x = 0; x < device.width(); ++x)
        m_columns[x] = std::min(skinPixelAt(QPointF(x, 0) / ratio, ratio).x(), face.width());
    m_firstColumns.resize(face.width() + 1);
    for (int column = 0, x = 0; column <= face.width(); ++column) {
        while (x < device.width() && m_columns[x] < column)
            ++x;
        m_firstColumns[column] = x;
    }
    m_across = samples(device.width(), large.size().width());
    m_down = samples(device.height(), large.size().height());

    const int width = face.width();
    m_firstRuns.reserve(face.height() + 1);
    for (int row = 0; row < face.height(); ++row) {
        m_firstRuns.push_back(int(m_runs.size()));
        const auto* line = reinterpret_cast<const QRgb*>(face.constScanLine(row));
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

std::span<const ResampledFace::Run> ResampledFace::opaqueRuns(int row) const
{
    if (row < 0 || row >= m_face.height())
        return {};
    return std::span(m_runs).subspan(m_firstRuns[row], m_firstRuns[row + 1] - m_firstRuns[row]);
}

void ResampledFace::paint(QImage& target, const QRegion& region) const
{
    SampledRows rows(m_large);
    for (const QRect& rect : region) {
        rows.sampleColumns(m_across[rect.left()].before, m_across[rect.right()].after);
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            paintRow(reinterpret_cast<QRgb*>(target.scanLine(y)), y, rect.left(), rect.right() + 1,
                     rows);
    }
}

// The outline is made that of the plain face run by run of the plain face's row that Qt paints
// on the device row.
void ResampledFace::paintRow(QRgb* line, int y, int left, int right, SampledRows& rows) const
{
    const int row = skinPixelAt(QPointF(0, y) / m_ratio, m_ratio).y();
    const std::span<const Run> runs = opaqueRuns(row);
    const Sample down = m_down[y];
    if (!runs.empty())
        rows.read(down);
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
        mixRows(rows.above.data() + from, rows.below.data() + from, rows.mixed.data() + from,
                to - from, down.share);
        for (int x = begin; x < end; ++x) {
            const Sample across = m_across[x];
            QRgb pixel = between(rows.mixed[across.before], rows.mixed[across.after], across.share);
            // Sampling took in some of the transparent outside: made whole again. Where the
            // device's size is rounded away from the face's size times the ratio (at 1.125, say),
            // the samples drift from the skin pixels Qt paints, and a pixel at the outline may
            // sample nothing but the outside: it shows the plain face's pixel.
            if (qAlpha(pixel) != 255)
                pixel =
                    qAlpha(pixel) == 0 ? plain[m_columns[x]] : qUnpremultiply(pixel) | 0xFF000000u;
            line[x] = pixel;
        }
        done = end;
    }
    std::fill(line + done, line + right, 0);
}
