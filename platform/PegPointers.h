#pragma once

#include <QCursor>
#include <QHash>

// The pointers that show a carried peg, at the size of the board's pegs on the screen. Each is
// made once per colour and device pixel ratio and kept, so picking a peg again neither decodes
// a picture nor builds a cursor.
class PegPointers
{
public:
    // How the window system takes a cursor picture. Qt hands X11 the picture's pixels as they
    // are, whatever its device pixel ratio, so there it must come at the screen's size with its
    // hot spot in device pixels; under Wayland the ratio goes with it as the buffer's scale.
    enum class Scaling
    {
        DevicePixels,
        PictureRatio
    };

    explicit PegPointers(Scaling scaling);

    // The pointer for a peg colour, 2 to 9, at a device pixel ratio.
    const QCursor& pointer(int colour, qreal ratio);

private:
    QCursor make(int colour, qreal ratio) const;

    Scaling m_scaling;
    QHash<QPair<int, qreal>, QCursor> m_made;
};
