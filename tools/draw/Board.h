#pragma once

#include "tools/draw/Surface.h"

#include <QRectF>

// The upright peg board: a plate with a rounded edge, the raised panel of each row with its
// number, its four guess holes and its four small key-peg holes, and the title at the top.
namespace Board {

inline constexpr QRectF plate{1, 104, 207, 458};
inline constexpr float baseHeight = 16;
inline constexpr float plateHeight = 22;

// Lays the board over whatever the surface holds where the board lies.
void build(Surface& surface);

// The raised lettering: the name of the game at the top and the row numbers.
Field lettering(const Surface& surface);
// Where the name of the game is printed in colour rather than moulded.
Field printedLettering(const Surface& surface);

} // namespace Board
