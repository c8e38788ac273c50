#pragma once

#include <QPoint>
#include <QPointF>

class QWidget;

// Moves a top-level window so that the pointer holds it at the grip, a device pixel of the
// window; the global position is the pointer's as the latest mouse event gives it. Qt places
// windows, and reports a moving pointer, in device-independent pixels only, which on a scaled
// screen reach every second device pixel or fewer: the window would lag behind the pointer.
void followPointer(QWidget& window, QPoint grip, QPointF globalPosition);
