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
    // Made on first use and kept, so neither start-up nor each pointer change pays for it.
    const QString path = QStringLiteral(":/assets/pegs/%1.argb").arg(colour);
    QPixmap picture;
    if (!QPixmapCache::find(path, &picture)) {
        picture = QPixmap::fromImage(stored(path));
        QPixmapCache::insert(path, picture);
    }
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
