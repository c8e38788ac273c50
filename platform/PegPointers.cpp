#include "platform/PegPointers.h"

#include "assets/Pictures.h"

#include <QPixmap>

namespace {

constexpr int pegSize = 32;

} // namespace

PegPointers::PegPointers(Scaling scaling) : m_scaling(scaling) {}

const QCursor& PegPointers::pointer(int colour, qreal ratio)
{
    const QPair key(colour, ratio);
    auto made = m_made.find(key);
    if (made == m_made.end())
        made = m_made.insert(key, make(colour, ratio));
    return *made;
}

QCursor PegPointers::make(int colour, qreal ratio) const
{
    const int size = qRound(pegSize * ratio);
    QPixmap picture = Pictures::peg(colour);
    if (picture.width() != size)
        picture = picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(m_scaling == Scaling::PictureRatio ? ratio : 1.0);
    // The hot spot in the middle, in the units the picture's ratio gives.
    return QCursor(picture);
}
