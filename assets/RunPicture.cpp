#include "assets/RunPicture.h"

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

QImage expand(QByteArrayView bytes)
{
    Header header;
    if (bytes.size() < qsizetype(sizeof header))
        return {};
    std::memcpy(&header, bytes.data(), sizeof header);
    if (header.width == 0 || header.height == 0 || header.width > largestSide ||
        header.height > largestSide)
        return {};
    const qsizetype count = qsizetype(header.width) * header.height;
    const qsizetype runBytes = qsizetype(header.runs) * qsizetype(sizeof(Run));
    if (header.runs > count || bytes.size() < qsizetype(sizeof header) + runBytes)
        return {};
    const char* places = bytes.data() + sizeof header;
    const char* source = places + runBytes;
    const char* end = bytes.data() + bytes.size();

    QImage image(int(header.width), int(header.height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    auto* pixels = reinterpret_cast<QRgb*>(image.bits());
    qsizetype next = 0;
    for (quint32 i = 0; i < header.runs; ++i) {
        Run run;
        std::memcpy(&run, places + i * sizeof(Run), sizeof run);
        const qsizetype length = run.length;
        if (run.first < next || run.first + length > count || length * 4 > end - source)
            return {};
        std::memset(pixels + next, 0, (run.first - next) * 4);
        std::memcpy(pixels + run.first, source, length * 4);
        source += length * 4;
        next = run.first + length;
    }
    if (source != end)
        return {};
    std::memset(pixels + next, 0, (count - next) * 4);
    return image;
}

} // namespace RunPicture
