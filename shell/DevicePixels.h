#pragma once

#include <QPoint>
#include <QPointF>

// On a scaled screen one skin pixel covers several device pixels, or a fraction of one more or
// less; positions arrive in device-independent pixels with the fraction kept.

// The device pixel that a position lies on, at the given device pixel ratio.
QPoint devicePixelAt(QPointF position, qreal ratio);

// The skin pixel that Qt paints on the device pixel a position lies on: the one whose scaled
// extent holds that device pixel's centre, which is also where Qt's scaled window shape puts
// the device pixel. Rounding the position instead would land up to half a skin pixel off.
QPoint skinPixelAt(QPointF position, qreal ratio);
