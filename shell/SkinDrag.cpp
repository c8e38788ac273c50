#include "shell/SkinDrag.h"

#include "platform/WindowSystem.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

void SkinDrag::pressed(QWidget&, Qt::MouseButton button, QPointF globalPosition, QPoint grip)
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
    if (WindowSystem::compositorMovesWindows()) {
        // Qt asks the move with the serial of the press, which the compositor takes while the
        // button is still held.
        if ((globalPosition - m_grip->pressedAt).manhattanLength() <
            QApplication::startDragDistance())
            return;
        cancel();
        if (window.windowHandle())
            window.windowHandle()->startSystemMove();
        return;
    }
    // Even a request made at the first motion often reaches an X11 window manager after a quick
    // flick's release, and it would then hold the pointer waiting for one, so the window follows
    // the pointer here.
    WindowSystem::followPointer(window, m_grip->grip, globalPosition);
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
