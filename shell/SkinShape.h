#pragma once

#include <QImage>
#include <QRegion>

// The key colour is the colour of the skin's top-left pixel; every pixel of exactly that
// colour is cut away from the window, wherever it lies.

// The pixels of the skin that belong to the window: one rectangle one pixel high for each
// maximal run of non-key pixels in a row. Empty for an empty skin or one that is all key.
QRegion BuildSkinRegion(const QImage& skin);
