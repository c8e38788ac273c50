// Turns a picture file into the stored form the program draws from, at build time:
//   vore-make-raw [--key] INPUT OUTPUT
//   vore-make-raw --large SKIN LARGE-SKIN OUTPUT
// With --key the picture is a skin, and its key colour becomes transparent. With --large the
// output is the face for screens of ratio 2, made from the skin and the skin drawn at twice the
// size, stored as runs.

#include "assets/RawPicture.h"
#include "assets/RunPicture.h"

#include <QImage>
#include <QSaveFile>
#include <QString>
#include <cstdio>
#include <cstring>

namespace {

// What a screen of ratio 2 shows of the face: the plain face's outline, each of its pixels two by
// two device pixels, so that the window's shape as Qt doubles it is covered exactly, filled from
// the large skin; where the large skin has its key inside the outline, the plain face's colour.
QImage largeFace(const QImage& face, const QImage& largeSkin)
{
    const QImage large = RawPicture::transparentKeyFace(largeSkin);
    if (large.size() != face.size() * 2)
        return {};
    QImage result(large.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < result.height(); ++y) {
        const auto* plain = reinterpret_cast<const QRgb*>(face.constScanLine(y / 2));
        const auto* drawn = reinterpret_cast<const QRgb*>(large.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QRgb kept = plain[x / 2];
            line[x] = qAlpha(kept) == 0 ? 0 : qAlpha(drawn[x]) == 0 ? kept : drawn[x];
        }
    }
    return result;
}

QImage read(const char* program, const char* path)
{
    const QString name = QString::fromLocal8Bit(path);
    const QImage picture(name);
    if (picture.isNull())
        std::fprintf(stderr, "%s: cannot read %s\n", program, path);
    return picture;
}

QByteArray stored(int argc, char* argv[])
{
    if (argc == 5 && std::strcmp(argv[1], "--large") == 0) {
        const QImage skin = read(argv[0], argv[2]);
        const QImage large = read(argv[0], argv[3]);
        if (skin.isNull() || large.isNull())
            return {};
        const QImage face = largeFace(RawPicture::transparentKeyFace(skin), large);
        if (face.isNull())
            std::fprintf(stderr, "%s: %s is not twice the size of %s\n", argv[0], argv[3], argv[2]);
        return face.isNull() ? QByteArray() : RunPicture::encode(face);
    }
    const bool key = argc == 4 && std::strcmp(argv[1], "--key") == 0;
    const QImage picture = read(argv[0], argv[argc - 2]);
    if (picture.isNull())
        return {};
    return RawPicture::encode(key ? RawPicture::transparentKeyFace(picture) : picture);
}

} // namespace

int main(int argc, char* argv[])
{
    const bool large = argc == 5 && std::strcmp(argv[1], "--large") == 0;
    const bool key = argc == 4 && std::strcmp(argv[1], "--key") == 0;
    if (argc != 3 && !key && !large) {
        std::fprintf(stderr,
                     "usage: %s [--key] INPUT OUTPUT\n       %s --large SKIN LARGE OUTPUT\n",
                     argv[0], argv[0]);
        return 2;
    }
    const QByteArray bytes = stored(argc, argv);
    if (bytes.isEmpty())
        return 1;
    const QString output = QString::fromLocal8Bit(argv[argc - 1]);
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(output));
        return 1;
    }
    return 0;
}
