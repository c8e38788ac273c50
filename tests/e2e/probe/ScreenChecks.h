#pragma once

#include <QImage>
#include <QRect>
#include <QTextStream>
#include <vector>

// Compares a window shape, as a list of rectangles, with the pixels of the skin that are not the
// key colour: reports the area, pixels the shape misses, pixels it adds and pixels covered
// twice. True when the shape is exactly the skin's non-key pixels.
bool checkShape(const QImage& skin, const std::vector<QRect>& rects, QTextStream& out);

// Checks a picture of the window as shown on a screen whose background is `root`: every key
// pixel of the skin must show the background, and no other pixel may. The background colour
// must not occur in the skin, or the second check would mean nothing.
bool checkCutAway(const QImage& window, const QImage& skin, QRgb root, QTextStream& out);

// The number of pixels that differ between two pictures within a rectangle.
qsizetype countDifferences(const QImage& a, const QImage& b, QRect area);
