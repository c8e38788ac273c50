#pragma once

#include <QPoint>
#include <QPointF>
#include <optional>

class QWidget;

// A press on the bare skin moves the window, with any button, from the first pixel the pointer
// moves with that button still held until the button is let go. Nothing starts on the press
// itself: a press let go where it went down (a tap) must leave nothing behind, and a
// window manager asked to move the window once the button is already up waits for a release
// that never comes, holding the pointer and keyboard. Under Wayland the compositor moves the
// window, asked once the pointer has gone the platform's drag distance with the button held: a
// move asked on the press may start only after a quick click's release, and the window would
// then follow the pointer with no button held.
class SkinDrag
{
public:
    // The grip is the device pixel of the window under the pointer, which stays under it.
    void pressed(QWidget& window, Qt::MouseButton button, QPointF globalPosition, QPoint grip);
    // Follows the pointer when the pressed button is still among those held; with it gone (its
    // release went elsewhere) the drag is over.
    void pointerMoved(QWidget& window, Qt::MouseButtons held, QPointF globalPosition);
    void released(Qt::MouseButton button);
    // Ends the drag wherever it stands, for when the window stops getting the pointer's events.
    void cancel();

private:
    struct Grip
    {
        Qt::MouseButton button;
        QPointF pressedAt;
        QPoint grip;
    };
    std::optional<Grip> m_grip;
};
