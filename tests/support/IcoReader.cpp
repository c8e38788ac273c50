#include "IcoReader.h"

namespace {

quint32 read32(const QByteArray& bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | quint8(bytes[at + i]);
    return value;
}

quint16 read16(const QByteArray& bytes, qsizetype at)
{
    return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
}

} // namespace

std::optional<QList<IcoImage>> readIco(const QByteArray& file)
{
    if (file.size() < 6 || read16(file, 0) != 0 || read16(file, 2) != 1)
        return std::nullopt;
    const int count = read16(file, 4);
    QList<IcoImage> images;
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * i;
        if (file.size() < entry + 16)
            return std::nullopt;
        const int width = quint8(file[entry]) == 0 ? 256 : quint8(file[entry]);
        const int height = quint8(file[entry + 1]) == 0 ? 256 : quint8(file[entry + 1]);
        const quint32 size = read32(file, entry + 8);
        const quint32 offset = read32(file, entry + 12);
        if (qsizetype(offset) + qsizetype(size) > file.size() || size < 40)
            return std::nullopt;
        const int bits = read16(file, offset + 14);
        if (read32(file, offset) != 40 || int(read32(file, offset + 4)) != width ||
            int(read32(file, offset + 8)) != 2 * height || bits != 24)
            return std::nullopt;
        const int colourRow = (width * 24 + 31) / 32 * 4;
        const int maskRow = (width + 31) / 32 * 4;
        if (40 + qsizetype(colourRow + maskRow) * height != qsizetype(size))
            return std::nullopt;
        QImage image(width, height, QImage::Format_ARGB32);
        const qsizetype colours = offset + 40;
        const qsizetype mask = colours + qsizetype(colourRow) * height;
        for (int y = 0; y < height; ++y) {
            const int stored = height - 1 - y; // rows are stored bottom-up
            for (int x = 0; x < width; ++x) {
                const qsizetype at = colours + qsizetype(stored) * colourRow + 3 * x;
                const bool masked =
                    quint8(file[mask + qsizetype(stored) * maskRow + x / 8]) & (0x80 >> (x % 8));
                image.setPixel(
                    x, y,
                    masked ? 0u
                           : qRgb(quint8(file[at + 2]), quint8(file[at + 1]), quint8(file[at])));
            }
        }
        images.append({bits, image});
    }
    return images;
}
