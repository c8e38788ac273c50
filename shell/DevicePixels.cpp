#include "shell/DevicePixels.h"

#include <cmath>

namespace {

// Positions are device pixels divided by the ratio; the allowance undoes the rounding of that
// division without moving any real position to the next pixel.
constexpr qreal allowance = 1e-6;

int devicePixel(qreal position, qreal ratio)
{
    return static_cast<int>(std::floor(position * ratio + allowance));
}

// The last skin pixel that begins before the device pixel's centre. Qt's scaled drawing and its
// scaled regions both give a device pixel whose centre lies exactly on a skin pixel's edge to
// the skin pixel before it.
int skinPixel(qreal position, qreal ratio)
{
    const qreal centre = (devicePixel(position, ratio) + 0.5) / ratio;
    return static_cast<int>(std::ceil(centre - allowance)) - 1;
}

} // namespace

QPoint devicePixelAt(QPointF position, qreal ratio)
{
    return {devicePixel(position.x(), ratio), devicePixel(position.y(), ratio)};
}

QPoint skinPixelAt(QPointF position, qreal ratio)
{
    return {skinPixel(position.x(), ratio), skinPixel(position.y(), ratio)};
}
