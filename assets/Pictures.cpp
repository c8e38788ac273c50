#include "assets/Pictures.h"

#include "assets/DecodeBitmap.h"

#include <QPixmapCache>
#include <QResource>
#include <QtEndian>

namespace Pictures {

// Decodes the skin's own kind of bitmap, 24 bits per pixel without compression, straight from
// the resource's bytes: Qt's image reader would first look through every image format plugin
// installed, which costs more at start-up than the decoding itself.
QImage decodeBitmap(QByteArrayView file)
{
    constexpr qsizetype headerSize = 54;
    if (file.size() < headerSize || file[0] != 'B' || file[1] != 'M')
        return {};
    const auto* bytes = reinterpret_cast<const uchar*>(file.data());
    const quint32 pixelOffset = qFromLittleEndian<quint32>(bytes + 10);
    const qint32 width = qFromLittleEndian<qint32>(bytes + 18);
    const qint32 height = qFromLittleEndian<qint32>(bytes + 22);
    const quint16 bitsPerPixel = qFromLittleEndian<quint16>(bytes + 28);
    const quint32 compression = qFromLittleEndian<quint32>(bytes + 30);
    if (bitsPerPixel != 24 || compression != 0 || width <= 0 || height == 0 || width > 16384 ||
        height > 16384 || height < -16384)
        return {};
    const qsizetype rows = std::abs(height);
    const qsizetype stride = (qsizetype(width) * 3 + 3) / 4 * 4;
    if (pixelOffset < headerSize || pixelOffset + stride * rows > file.size())
        return {};

    QImage image(width, int(rows), QImage::Format_RGB32);
    for (qsizetype row = 0; row < rows; ++row) {
        // Rows are stored from the bottom up unless the height is negative.
        const qsizetype y = height > 0 ? rows - 1 - row : row;
        const uchar* source = bytes + pixelOffset + row * stride;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        for (int x = 0; x < width; ++x, source += 3)
            line[x] = qRgb(source[2], source[1], source[0]);
    }
    return image;
}

QImage skin()
{
    const QResource resource(QStringLiteral(":/assets/skin.bmp"));
    return decodeBitmap(resource.uncompressedData());
}

QPixmap peg(int colour)
{
    if (colour < 2 || colour > 9)
        return {};
    // Decoded on first use and kept, so neither start-up nor each pointer change pays for it.
    const QString path = QStringLiteral(":/assets/pegs/%1.png").arg(colour);
    QPixmap picture;
    if (!QPixmapCache::find(path, &picture)) {
        picture.load(path);
        QPixmapCache::insert(path, picture);
    }
    return picture;
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/assets/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace Pictures
