#pragma once

#include <QPoint>
#include <QRect>
#include <optional>

// What the pointer does on a title bar that the game paints: a click on the close control closes
// the window, and a drag on the rest of the bar moves it. Knows the bar's shape, not its widget:
// the bar hands it the left button's presses, moves and releases in its own coordinates, and
// carries out what each answers.
class TitleBarPointer
{
public:
    enum class Action
    {
        None,
        // Hand the move to the window system, which moves the window until the button is let go.
        StartMove,
        Close,
    };

    static constexpr int barHeight = 37;

    // Moving the pointer this far (in Manhattan length) with the button held makes a drag.
    explicit TitleBarPointer(int dragDistance) : m_dragDistance(dragDistance) {}

    void setBarWidth(int width) { m_barWidth = width; }
    // The close control, at the bar's right end, centred on the bar's height above its bottom line.
    QRect closeControl() const;

    void press(QPoint at);
    Action move(QPoint at, bool buttonHeld);
    Action release(QPoint at);
    void leave() { m_closeUnderPointer = false; }

    // For the painting of the control.
    bool closePressed() const { return m_closePressed; }
    bool closeUnderPointer() const { return m_closeUnderPointer; }

private:
    int m_dragDistance;
    int m_barWidth = 0;
    // The close control closes the window when the press that began on it ends on it.
    bool m_closePressed = false;
    // Where a press on the rest of the bar began, until it ends or starts a move.
    std::optional<QPoint> m_movePressedAt;
    bool m_closeUnderPointer = false;
};
