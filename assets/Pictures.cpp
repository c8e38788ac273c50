#include "assets/Pictures.h"

#include "assets/RawPicture.h"
#include "assets/RunPicture.h"

#include <QPixmapCache>
#include <QResource>
#include <sys/mman.h>
#include <unistd.h>

namespace Pictures {

namespace {

QByteArrayView largeFaceBytes()
{
    const QResource resource(QStringLiteral(":/assets/face@2x.runs"));
    return {resource.data(), resource.size()};
}

QImage stored(const QString& path)
{
    const QResource resource(path);
    return RawPicture::view(QByteArrayView(resource.data(), resource.size()));
}

// Drops the whole pages of read-only program data in the given bytes from memory; read again,
// they come back from the program's file.
void giveBack(QByteArrayView bytes)
{
    const auto page = quintptr(sysconf(_SC_PAGESIZE));
    const quintptr first = (quintptr(bytes.data()) + page - 1) & ~(page - 1);
    const quintptr end = (quintptr(bytes.data()) + quintptr(bytes.size())) & ~(page - 1);
    if (end > first)
        madvise(reinterpret_cast<void*>(first), end - first, MADV_DONTNEED);
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

const RunPicture::Rows& largeFace()
{
    static const RunPicture::Rows rows(largeFaceBytes());
    return rows;
}

void giveBackLargeFace()
{
    giveBack(largeFaceBytes());
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
    QImage large = stored(QStringLiteral(":/assets/pegs/%1@2x.argb").arg(colour));
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
    // Made once: Qt's icon caches key each size by the pixmap it was made from, so an icon built
    // anew for every window would leave entries behind that are never used again.
    static const QIcon icon = [] {
        QIcon made;
        // Stored ready to draw: reading them as image files would first probe every image
        // format plugin installed.
        for (int size : {16, 32, 48, 64})
            made.addPixmap(
                QPixmap::fromImage(stored(QStringLiteral(":/assets/icons/%1.argb").arg(size))));
        return made;
    }();
    return icon;
}

} // namespace Pictures
