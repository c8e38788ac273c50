#include "assets/RunPicture.h"

#include <QRegion>
#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace RunPicture {

namespace {

struct Header
{
    quint32 width;
    quint32 height;
    quint32 runs;
};

struct Run
{
    quint32 first;
    quint32 length;
};

constexpr quint32 largestSide = 16384;

} // namespace

QByteArray encode(const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qsizetype count = qsizetype(pixels.width()) * pixels.height();
    // Rows lie end to end in an image of this format, so a run may go on into the next row.
    const auto* all = reinterpret_cast<const QRgb*>(pixels.constBits());
    std::vector<Run> runs;
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
    bytes.append(reinterpret_cast<const char*>(runs.data()), qsizetype(runs.size() * sizeof(Run)));
    for (const Run& run : runs)
        bytes.append(reinterpret_cast<const char*>(all + run.first), qsizetype(run.length) * 4);
    return bytes;
}

namespace {

// A run with where its pixels start among the stored pixels.
struct PlacedRun
{
    qsizetype first;
    qsizetype length;
    const char* pixels;
};

struct Parsed
{
    QSize size;
    std::vector<PlacedRun> runs;
};

// The stored picture's size and runs, every run checked to lie inside the picture after the one
// before it and every pixel to be there; nullopt when the bytes are not a stored picture.
std::optional<Parsed> parse(QByteArrayView bytes)
{
    Header header;
    if (bytes.size() < qsizetype(sizeof header))
        return std::nullopt;
    std::memcpy(&header, bytes.data(), sizeof header);
    if (header.width == 0 || header.height == 0 || header.width > largestSide ||
        header.height > largestSide)
        return std::nullopt;
    const qsizetype count = qsizetype(header.width) * header.height;
    const qsizetype runBytes = qsizetype(header.runs) * qsizetype(sizeof(Run));
    if (header.runs > count || bytes.size() < qsizetype(sizeof header) + runBytes)
        return std::nullopt;
    const char* places = bytes.data() + sizeof header;
    const char* source = places + runBytes;
    const char* end = bytes.data() + bytes.size();

    Parsed parsed{QSize(int(header.width), int(header.height)), {}};
    parsed.runs.reserve(header.runs);
    qsizetype next = 0;
    for (quint32 i = 0; i < header.runs; ++i) {
        Run run;
        std::memcpy(&run, places + i * sizeof(Run), sizeof run);
        const qsizetype length = run.length;
        if (run.first < next || run.first + length > count || length * 4 > end - source)
            return std::nullopt;
        parsed.runs.push_back({run.first, length, source});
        source += length * 4;
        next = run.first + length;
    }
    if (source != end)
        return std::nullopt;
    return parsed;
}

void paintRect(const Parsed& parsed, QImage& target, const QRect& rect)
{
    const qsizetype width = parsed.size.width();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
        const qsizetype rowStart = y * width;
        const qsizetype begin = rowStart + rect.left(), end = rowStart + rect.right() + 1;
        // The first run that reaches into this part of the row.
        auto run = std::partition_point(
            parsed.runs.begin(), parsed.runs.end(),
            [begin](const PlacedRun& placed) { return placed.first + placed.length <= begin; });
        qsizetype done = begin;
        for (; run != parsed.runs.end() && run->first < end; ++run) {
            const qsizetype from = std::max(run->first, begin);
            const qsizetype to = std::min(run->first + run->length, end);
            std::fill(line + (done - rowStart), line + (from - rowStart), 0);
            std::memcpy(line + (from - rowStart), run->pixels + (from - run->first) * 4,
                        (to - from) * 4);
            done = to;
        }
        std::fill(line + (done - rowStart), line + (end - rowStart), 0);
    }
}

} // namespace

bool paint(QByteArrayView bytes, QImage& target, const QRegion& region)
{
    const std::optional<Parsed> parsed = parse(bytes);
    if (!parsed || target.size() != parsed->size || target.depth() != 32)
        return false;
    const QRect whole(QPoint(0, 0), parsed->size);
    for (const QRect& rect : region)
        paintRect(*parsed, target, rect.intersected(whole));
    return true;
}

QImage expand(QByteArrayView bytes)
{
    const std::optional<Parsed> parsed = parse(bytes);
    if (!parsed)
        return {};
    QImage image(parsed->size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    paintRect(*parsed, image, image.rect());
    return image;
}

} // namespace RunPicture
