#include "shell/ResampledFace.h"

#include "shell/DevicePixels.h"

#include <QRegion>
#include <algorithm>
#include <cmath>

namespace {

// Every position mixes a pixel with the next; one at or past the last pixel's centre gives all
// of the last pair's share to that pixel.
ResampledFace::Samples samples(int device, int large)
{
    ResampledFace::Samples along{std::vector<int>(device), std::vector<quint16>(device)};
    const qreal step = qreal(large) / device;
    for (int i = 0; i < device; ++i) {
        const qreal position = std::clamp((i + 0.5) * step - 0.5, 0.0, large - 1.0);
        const int before = std::min(static_cast<int>(position), large - 2);
        along.before[i] = before;
        along.share[i] = static_cast<quint16>((position - before) * 256);
    }
    return along;
}

} // namespace

// The rows of the large face that one paint reads, over the columns that the device columns of
// the rectangle being painted sample: the two rows of the device row being painted, each read
// once however many device rows sample it, and room to mix them into.
struct ResampledFace::SampledRows
{
    explicit SampledRows(const RunPicture::Rows& large)
        : large(large), above(large.size().width()), below(large.size().width()),
          mixed(large.size().width())
    {}

    // Starts on a rectangle whose device columns sample the large face from one column up to
    // another, not included: the rows read so far were read for other columns.
    void sampleColumns(int from, int to)
    {
        begin = from;
        end = to;
        aboveRow = belowRow = -1;
    }

    // Reads the row before and the row after; the rows of the device row before are kept where
    // they are sampled again.
    void read(int before)
    {
        if (before == belowRow) {
            std::swap(above, below);
            aboveRow = belowRow;
            belowRow = -1;
        }
        if (before != aboveRow) {
            large.read(before, begin, end, above.data() + begin);
            aboveRow = before;
        }
        if (before + 1 != belowRow) {
            large.read(before + 1, begin, end, below.data() + begin);
            belowRow = before + 1;
        }
    }

    const RunPicture::Rows& large;
    // Indexed by the large face's columns, of which only begin to end are read.
    std::vector<QRgb> above;
    std::vector<QRgb> below;
    std::vector<quint64> mixed;
    int begin = 0;
    int end = 0;
    int aboveRow = -1;
    int belowRow = -1;
};

ResampledFace::ResampledFace(const QImage& face, const QRegion& shape, qreal ratio,
                             const RunPicture::Rows& large, FaceMix::PaintRun paintRun)
    : m_large(large), m_paintRun(paintRun), m_face(face), m_ratio(ratio)
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
    m_acrossWeights.reserve(device.width());
    for (const quint16 share : m_across.share)
        m_acrossWeights.push_back(FaceMix::pairWeights(share));
    m_down = samples(device.height(), large.size().height());

    // The shape's rectangles come banded, row by row or band by band, each band's from the left:
    // a band's rows share its runs.
    Q_ASSERT(shape.isEmpty() || face.rect().contains(shape.boundingRect()));
    m_rowRuns.resize(face.height());
    for (const QRect& rect : shape) {
        const int index = int(m_runs.size());
        m_runs.push_back({rect.left(), rect.right() + 1});
        for (int row = rect.top(); row <= rect.bottom(); ++row) {
            Run& runs = m_rowRuns[row];
            if (runs.begin == runs.end)
                runs.begin = index;
            runs.end = index + 1;
        }
    }
}

std::span<const ResampledFace::Run> ResampledFace::keptRuns(int row) const
{
    if (row < 0 || row >= m_face.height())
        return {};
    const Run runs = m_rowRuns[row];
    return std::span(m_runs).subspan(runs.begin, runs.end - runs.begin);
}

void ResampledFace::paint(QImage& target, const QRegion& region) const
{
    SampledRows rows(m_large);
    for (const QRect& rect : region) {
        rows.sampleColumns(m_across.before[rect.left()], m_across.before[rect.right()] + 2);
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
    int done = left;
    const std::span<const Run> runs = keptRuns(row);
    if (!runs.empty()) {
        rows.read(m_down.before[y]);
        FaceMix::Run run{rows.above.data(),
                         rows.below.data(),
                         m_down.share[y],
                         rows.mixed.data(),
                         reinterpret_cast<const QRgb*>(m_face.constScanLine(row)),
                         m_across.before.data(),
                         m_acrossWeights.data(),
                         m_columns.data(),
                         line,
                         0,
                         0};
        for (const Run& kept : runs) {
            run.begin = std::max(m_firstColumns[kept.begin], left);
            run.end = std::min(m_firstColumns[kept.end], right);
            if (run.begin >= run.end)
                continue;
            std::fill(line + done, line + run.begin, 0);
            m_paintRun(run);
            done = run.end;
        }
    }
    std::fill(line + done, line + right, 0);
}
