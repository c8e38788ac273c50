#include "assets/RunPicture.h"

#include <QRegion>
#include <algorithm>
#include <cstring>
#include <vector>

namespace RunPicture {

namespace {

struct Header
{
    quint32 width;
    quint32 height;
    quint32 runs;
};

struct StoredRun
{
    quint32 first;
    quint32 length;
};

// Room for the face drawn at four times the size. The transparent part costs no stored bytes, so
// a header of a few bytes may ask for a picture of this side squared: 64 MB when expanded.
constexpr quint32 largestSide = 4096;

} // namespace

QByteArray encode(const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qsizetype count = qsizetype(pixels.width()) * pixels.height();
    // Rows lie end to end in an image of this format, so a run may go on into the next row.
    const auto* all = reinterpret_cast<const QRgb*>(pixels.constBits());
    std::vector<StoredRun> runs;
    for (qsizetype i = 0; i < count; ++i) {
        if (qAlpha(all[i]) != 255)
            continue;
        if (!runs.empty() && runs.back().first + runs.back().length == i)
            ++runs.back().length;
        else
            runs.push_back({quint32(i), 1});
    }
    const Header header{quint32(pixels.width()), quint32(pixels.height()), quint32(runs.size())};
    QByteArray bytes(reinterpret_cast<const char*>(&header), sizeof header);
    bytes.append(reinterpret_cast<const char*>(runs.data()),
                 qsizetype(runs.size() * sizeof(StoredRun)));
    for (const StoredRun& run : runs)
        bytes.append(reinterpret_cast<const char*>(all + run.first), qsizetype(run.length) * 4);
    return bytes;
}

Rows::Rows(QByteArrayView bytes)
{
    Header header;
    if (bytes.size() < qsizetype(sizeof header))
        return;
    std::memcpy(&header, bytes.data(), sizeof header);
    if (header.width == 0 || header.height == 0 || header.width > largestSide ||
        header.height > largestSide)
        return;
    const qsizetype count = qsizetype(header.width) * header.height;
    const qsizetype runBytes = qsizetype(header.runs) * qsizetype(sizeof(StoredRun));
    if (header.runs > count || bytes.size() < qsizetype(sizeof header) + runBytes)
        return;
    const char* places = bytes.data() + sizeof header;
    const char* source = places + runBytes;
    const char* end = bytes.data() + bytes.size();

    std::vector<Run> runs;
    runs.reserve(header.runs);
    qsizetype next = 0;
    for (quint32 i = 0; i < header.runs; ++i) {
        StoredRun run;
        std::memcpy(&run, places + i * sizeof run, sizeof run);
        const qsizetype length = run.length;
        if (run.first < next || run.first + length > count || length * 4 > end - source)
            return;
        runs.push_back({run.first, length, source});
        source += length * 4;
        next = run.first + length;
    }
    if (source != end)
        return;
    m_size = QSize(int(header.width), int(header.height));
    m_runs = std::move(runs);
}

void Rows::read(int y, int left, int right, QRgb* line) const
{
    const qsizetype rowStart = qsizetype(y) * m_size.width();
    const qsizetype begin = rowStart + left, end = rowStart + right;
    // The first run that reaches into this part of the row.
    auto run = std::partition_point(m_runs.begin(), m_runs.end(), [begin](const Run& placed) {
        return placed.first + placed.length <= begin;
    });
    qsizetype done = begin;
    for (; run != m_runs.end() && run->first < end; ++run) {
        const qsizetype from = std::max(run->first, begin);
        const qsizetype to = std::min(run->first + run->length, end);
        std::fill(line + (done - begin), line + (from - begin), 0);
        std::memcpy(line + (from - begin), run->pixels + (from - run->first) * 4, (to - from) * 4);
        done = to;
    }
    std::fill(line + (done - begin), line + (end - begin), 0);
}

void Rows::paintRect(QImage& target, const QRect& rect) const
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        read(y, rect.left(), rect.right() + 1,
             reinterpret_cast<QRgb*>(target.scanLine(y)) + rect.left());
}

bool Rows::paint(QImage& target, const QRegion& region) const
{
    if (isNull() || target.size() != m_size || target.depth() != 32)
        return false;
    const QRect whole(QPoint(0, 0), m_size);
    for (const QRect& rect : region)
        paintRect(target, rect.intersected(whole));
    return true;
}

QImage Rows::expand() const
{
    if (isNull())
        return {};
    QImage image(m_size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    paintRect(image, image.rect());
    return image;
}

} // namespace RunPicture
