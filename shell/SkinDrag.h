#pragma once

#include <QPoint>
#include <optional>

class QWidget;

// A press on the bare skin moves the window, with any button, from the first pixel the pointer
// moves with that button still held until the button is let go. Nothing starts on the press
// itself: a press let go where it went down (a tap) must leave nothing behind, and a window
// system asked to move the window once the button is already up waits for a release that never
// comes, holding the pointer and keyboard.
class SkinDrag
{
public:
    void pressed(const QWidget& window, Qt::MouseButton button, QPoint globalPoint);
    // Follows the pointer when the pressed button is still among those held; with it gone (its
    // release went elsewhere) the drag is over.
    void pointerMoved(QWidget& window, Qt::MouseButtons held, QPoint globalPoint);
    void released(Qt::MouseButton button);
    // Ends the drag wherever it stands, for when the window stops getting the pointer's events.
    void cancel();

private:
    struct Grip
    {
        Qt::MouseButton button;
        QPoint pressedAt;
        // Where the pointer holds the window, from its top-left corner.
        QPoint offset;
    };
    std::optional<Grip> m_grip;
};
