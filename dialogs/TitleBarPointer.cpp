#include "dialogs/TitleBarPointer.h"

namespace {

constexpr int controlSize = 24;
// From the bar's right end to the close control's centre.
constexpr int controlInset = 18;

} // namespace

QRect TitleBarPointer::closeControl() const
{
    return QRect(m_barWidth - controlInset - controlSize / 2, (barHeight - 1 - controlSize) / 2,
                 controlSize, controlSize);
}

void TitleBarPointer::press(QPoint at)
{
    if (closeControl().contains(at))
        m_closePressed = true;
    else
        m_movePressedAt = at;
}

TitleBarPointer::Action TitleBarPointer::move(QPoint at, bool buttonHeld)
{
    m_closeUnderPointer = closeControl().contains(at);
    // The move starts once the pointer has moved with the button held, so that a click on the
    // bar leaves the window where it is and hands the window system no grab.
    if (m_movePressedAt && buttonHeld &&
        (at - *m_movePressedAt).manhattanLength() >= m_dragDistance) {
        m_movePressedAt.reset();
        return Action::StartMove;
    }
    return Action::None;
}

TitleBarPointer::Action TitleBarPointer::release(QPoint at)
{
    m_movePressedAt.reset();
    const bool closes = m_closePressed && closeControl().contains(at);
    m_closePressed = false;
    return closes ? Action::Close : Action::None;
}
