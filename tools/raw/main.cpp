// Turns a picture file into the stored form the program draws from, at build time:
//   vore-make-raw [--key] INPUT OUTPUT
// With --key the picture is a skin, and its key colour becomes transparent.

#include "assets/RawPicture.h"

#include <QImage>
#include <QSaveFile>
#include <QString>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    const bool key = argc == 4 && std::strcmp(argv[1], "--key") == 0;
    if (argc != 3 && !key) {
        std::fprintf(stderr, "usage: %s [--key] INPUT OUTPUT\n", argv[0]);
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[argc - 2]);
    const QString output = QString::fromLocal8Bit(argv[argc - 1]);
    const QImage picture(input);
    if (picture.isNull()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], qPrintable(input));
        return 1;
    }
    const QByteArray bytes =
        RawPicture::encode(key ? RawPicture::transparentKeyFace(picture) : picture);
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(output));
        return 1;
    }
    return 0;
}
