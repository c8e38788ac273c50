#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

// Pictures kept in the program as the painter uses them: premultiplied ARGB32 pixels after a
// header of two native 32-bit words, width and height, so that they are drawn straight from
// the program's own read-only data, with nothing to decode or copy at start-up. They are
// written at build time, on the machine that builds the program, hence native byte order.
namespace RawPicture {

// The picture in the stored form.
QByteArray encode(const QImage& image);

// The stored picture as an image over the given bytes, which must outlive it; a null image
// when the bytes are not a stored picture.
QImage view(QByteArrayView bytes);

// The skin for painting: every pixel of the key colour (the top-left pixel's) fully
// transparent, every other pixel opaque and as it is.
QImage transparentKeyFace(const QImage& skin);

} // namespace RawPicture
