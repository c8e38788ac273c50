#pragma once

#include <QImage>

// The face of the main window: the board and the tray of loose pegs, and the title strip, on
// magenta wherever the window is cut away.
struct SkinDrawing
{
    QImage skin;
    // Which loose peg each pixel of the skin shows: red holds the peg's colour number, green and
    // blue its number in the heap (high byte first); black where most of the pixel is no peg.
    QImage pegs;
};

// The skin, and the same scene drawn at twice the resolution for screens that scale by two:
// each of its pixels is cut away exactly where the skin's pixel under it is.
struct SkinDrawings
{
    SkinDrawing single;
    SkinDrawing doubled;
};

SkinDrawings drawSkins();
