#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

class QRegion;

// A picture whose pixels are each either fully transparent or opaque, kept in the program as
// the opaque runs' places and their pixels, premultiplied ARGB32, with nothing between them:
// expanding it is a copy, not a decode, and the transparent part costs no room. A header of
// three native 32-bit words (width, height, run count) comes first, then each run's first
// pixel, counted through the rows from the top-left, and length, then the runs' pixels. Written
// at build time on the machine that builds the program, hence native byte order.
namespace RunPicture {

// The picture in the stored form; every pixel that is not fully opaque counts as transparent.
QByteArray encode(const QImage& image);

// The stored picture expanded into an image of its own; a null image when the bytes are not a
// stored picture.
QImage expand(QByteArrayView bytes);

// The stored picture painted into the region of an image of its size with 32-bit pixels (a
// window's backing store, say), its transparent pixels as 0, with no image of its own in
// between; false, with the image left as it was, when the bytes are not a stored picture or the
// image is not of its size.
[[nodiscard]] bool paint(QByteArrayView bytes, QImage& target, const QRegion& region);

} // namespace RunPicture
