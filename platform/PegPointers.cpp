#include "platform/PegPointers.h"

#include "assets/Pictures.h"

PegPointers::PegPointers(Scaling scaling) : m_scaling(scaling) {}

const QCursor& PegPointers::pointer(int colour, qreal ratio)
{
    const QPair<int, qreal> key(colour, ratio);
    auto made = m_made.find(key);
    if (made == m_made.end())
        made = m_made.insert(key, make(colour, ratio));
    return *made;
}

QCursor PegPointers::make(int colour, qreal ratio) const
{
    QPixmap picture = Pictures::peg(colour, ratio);
    if (m_scaling == Scaling::DevicePixels)
        picture.setDevicePixelRatio(1.0);
    // The hot spot in the middle, in the units the picture's ratio gives.
    return QCursor(picture);
}
