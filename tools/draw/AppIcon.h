#pragma once

#include <QImage>

// The application icon at a size in pixels: a miniature of the board, slanting, with pegs in
// its rows and the tray of loose pegs beside it, on a transparent ground. Drawn afresh at every
// size, with every pixel fully opaque or fully transparent.
QImage drawApplicationIcon(int size);
