#pragma once

#include "assets/draw/Grid.h"

#include <array>

// The colours of the things drawn, under full light.
namespace Materials {

// Brown moulded plastic of the board and the tray.
inline const Rgb plastic = rgb8(130, 65, 40);
inline constexpr float plasticGloss = 0.12f;
// The paint of the name in script on the board.
inline const Rgb printInk = rgb8(224, 190, 118);
inline constexpr float pegGloss = 0.7f;

struct PegPaint
{
    int colour; // the colour number: 2 to 7 code pegs, 8 and 9 key pegs
    Rgb skin;   // as loose pegs in the tray, chosen well inside the palette's ranges
    Rgb icon;   // the mean colour that the peg icon must come out with
};

// clang-format off
inline const std::array<PegPaint, 8> pegPaints = {{
    {2, rgb8(255, 253, 46), rgb8(236, 228, 69)},   // yellow
    {3, rgb8(236, 146, 24), rgb8(231, 177, 65)},   // orange
    {4, rgb8(222, 30, 42), rgb8(204, 42, 63)},     // red
    {5, rgb8(56, 148, 232), rgb8(77, 145, 188)},   // blue
    {6, rgb8(48, 172, 58), rgb8(78, 198, 98)},     // green
    {7, rgb8(152, 125, 76), rgb8(189, 156, 108)},  // tan
    {8, rgb8(42, 38, 36), rgb8(68, 59, 53)},       // black key peg
    {9, rgb8(238, 236, 226), rgb8(248, 246, 234)}, // white key peg
}};
// clang-format on

inline const PegPaint& pegPaint(int colour)
{
    return pegPaints[std::size_t(colour - 2)];
}

} // namespace Materials
