#include "assets/Pictures.h"

#include "assets/RawPicture.h"

#include <QPixmapCache>
#include <QResource>

namespace Pictures {

namespace {

QImage stored(const QString& path)
{
    const QResource resource(path);
    return RawPicture::view(QByteArrayView(resource.data(), resource.size()));
}

} // namespace

QImage face()
{
    return stored(QStringLiteral(":/assets/face.argb"));
}

QPixmap peg(int colour)
{
    if (colour < 2 || colour > 9)
        return {};
    // Made on first use and kept in Qt's pixmap cache, so neither start-up nor each pointer change
    // pays for it unless the cache has dropped it.
    const QString path = QStringLiteral(":/assets/pegs/%1.argb").arg(colour);
    QPixmap picture;
    if (!QPixmapCache::find(path, &picture)) {
        picture = QPixmap::fromImage(stored(path));
        QPixmapCache::insert(path, picture);
    }
    return picture;
}

QImage largeSkin()
{
    // Named by its format, so that no other image reader is asked first.
    return QImage(QStringLiteral(":/assets/skin@2x.png"), "PNG");
}

QPixmap peg(int colour, qreal ratio)
{
    if (ratio == 1.0 || colour < 2 || colour > 9)
        return peg(colour);
    const QString key = QStringLiteral("peg %1 at %2").arg(colour).arg(ratio);
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    constexpr int size = 32;
    const int pixels = qRound(size * ratio);
    QImage large(QStringLiteral(":/assets/pegs/%1@2x.png").arg(colour), "PNG");
    if (large.width() != pixels)
        large = large.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture = QPixmap::fromImage(large);
    // Exactly the plain peg's size in device-independent pixels.
    picture.setDevicePixelRatio(qreal(pixels) / size);
    QPixmapCache::insert(key, picture);
    return picture;
}

QIcon applicationIcon()
{
    QIcon icon;
    // Stored ready to draw: reading them as image files would first probe every image format
    // plugin installed.
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(
            QPixmap::fromImage(stored(QStringLiteral(":/assets/icons/%1.argb").arg(size))));
    return icon;
}

} // namespace Pictures
