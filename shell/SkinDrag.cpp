#include "shell/SkinDrag.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

void SkinDrag::pressed(const QWidget& window, Qt::MouseButton button, QPoint globalPoint)
{
    m_grip = Grip{button, globalPoint, globalPoint - window.pos()};
}

void SkinDrag::pointerMoved(QWidget& window, Qt::MouseButtons held, QPoint globalPoint)
{
    if (!m_grip)
        return;
    if (!held.testFlag(m_grip->button)) {
        cancel();
        return;
    }
    if (globalPoint == m_grip->pressedAt)
        return;
    // Under Wayland only the compositor can move a window; it checks that the button is still
    // down, and the move is its own from then on. On X11 even a request made at the first motion
    // often reaches the window manager after a quick flick's release, and it would then hold the
    // pointer waiting for one, so the window follows the pointer here.
    if (QGuiApplication::platformName().startsWith("wayland")) {
        if (window.windowHandle())
            window.windowHandle()->startSystemMove();
        cancel();
        return;
    }
    window.move(globalPoint - m_grip->offset);
}

void SkinDrag::released(Qt::MouseButton button)
{
    if (m_grip && m_grip->button == button)
        cancel();
}

void SkinDrag::cancel()
{
    m_grip.reset();
}
