#pragma once

#include "tools/draw/Grid.h"

#include <array>

// The colours of the things drawn, under full light.
namespace Materials {

// Brown moulded plastic of the board and the tray.
inline const Rgb plastic = rgb8(130, 65, 40);
inline constexpr float plasticGloss = 0.12f;
// The paint of the name in script on the board.
inline const Rgb printInk = rgb8(224, 190, 118);
inline constexpr float pegGloss = 0.7f;

// The palette reads a peg's colour by fixed ranges of red, green and blue. Light and shade on a
// loose peg move its colour along a line from `shadow` (no light but the room's) through `skin`
// (level, in full light) to `gleam` (a highlight): all three lie inside the colour's ranges by a
// few levels more than the sensor noise, so every shade between them reads as the peg's colour.
// Key pegs read as no colour, and take light as any other surface does.
struct PegPaint
{
    int colour; // the colour number: 2 to 7 code pegs, 8 and 9 key pegs
    Rgb shadow;
    Rgb skin;
    Rgb gleam;
    Rgb icon; // the mean colour that the peg icon must come out with
};

// clang-format off
inline const std::array<PegPaint, 8> pegPaints = {{
    // yellow: green above 199, or it reads orange
    {2, rgb8(200, 208, 12), rgb8(250, 240, 40), rgb8(255, 253, 92), rgb8(236, 228, 69)},
    // orange: blue at most 50, or the darker shades read tan
    {3, rgb8(170, 108, 8), rgb8(238, 144, 24), rgb8(255, 190, 44), rgb8(231, 177, 65)},
    {4, rgb8(160, 8, 18), rgb8(222, 28, 40), rgb8(255, 90, 90), rgb8(204, 42, 63)},     // red
    {5, rgb8(18, 108, 162), rgb8(52, 146, 232), rgb8(92, 192, 255), rgb8(77, 145, 188)}, // blue
    {6, rgb8(18, 108, 22), rgb8(46, 170, 56), rgb8(92, 192, 92), rgb8(78, 198, 98)},     // green
    {7, rgb8(126, 107, 58), rgb8(168, 130, 78), rgb8(192, 144, 94), rgb8(189, 156, 108)}, // tan
    {8, {}, rgb8(42, 38, 36), {}, rgb8(68, 59, 53)},       // black key peg
    {9, {}, rgb8(238, 236, 226), {}, rgb8(248, 246, 234)}, // white key peg
}};
// clang-format on

inline const PegPaint& pegPaint(int colour)
{
    return pegPaints[std::size_t(colour - 2)];
}

} // namespace Materials
