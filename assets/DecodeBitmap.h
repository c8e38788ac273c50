#pragma once

#include <QByteArrayView>
#include <QImage>

namespace Pictures {

// A bitmap file of 24 bits per pixel without compression, read from its bytes; a null image
// for anything else, whatever the bytes hold.
QImage decodeBitmap(QByteArrayView file);

} // namespace Pictures
