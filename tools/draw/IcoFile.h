#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// Pictures as one Windows icon file, in the order given: each 24 bits a pixel with a one-bit
// mask, where a pixel with any transparency is masked out.
QByteArray icoFile(const QList<QImage>& images);
