#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <optional>

// The images of a Windows icon file holding 24-bit images with one-bit masks, as ARGB32 with
// masked pixels fully transparent; nothing when the file is not of that kind.
struct IcoImage
{
    int bitsPerPixel;
    QImage image;
};

std::optional<QList<IcoImage>> readIco(const QByteArray& file);
