#pragma once

#include "tools/draw/Grid.h"

#include <QPainterPath>
#include <QString>
#include <functional>

class QPainter;

// How much of each pixel a shape covers, from 0 to 1. The painter works in skin pixels and is
// scaled to the grid, which may be finer than the skin; the shape is filled in white.
Field coverage(QSize size, float scale, const std::function<void(QPainter&)>& draw);

// The fonts that set-up installs; read straight from their files so that no font configuration
// can put another face in their place.
enum class Face
{
    SerifBold,
    SansBold
};
QString fontFile(Face face);

// The outline of a text in a face at a pixel size, its baseline starting at the origin.
QPainterPath textOutline(Face face, float pixelSize, const QString& text);
