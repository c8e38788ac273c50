#pragma once

#include <QByteArray>
#include <QImage>

// A picture as a Windows bitmap file: 24 bits a pixel, uncompressed, rows bottom-up, no colour
// table, 96 dots per inch. Written by hand because Qt's writer chooses its own header fields.
QByteArray bmpFile(const QImage& image);
