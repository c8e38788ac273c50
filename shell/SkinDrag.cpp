#include "shell/SkinDrag.h"

#include "shell/DeviceMove.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

void SkinDrag::pressed(Qt::MouseButton button, QPointF globalPosition, QPoint grip)
{
    m_grip = Grip{button, globalPosition, grip};
}

void SkinDrag::pointerMoved(QWidget& window, Qt::MouseButtons held, QPointF globalPosition)
{
    if (!m_grip)
        return;
    if (!held.testFlag(m_grip->button)) {
        cancel();
        return;
    }
    if (globalPosition == m_grip->pressedAt)
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
    followPointer(window, m_grip->grip, globalPosition);
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
