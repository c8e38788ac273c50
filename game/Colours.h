#pragma once

// Colour numbers as the board stores them in tags and picture ids.
namespace Colour {

inline constexpr int none = 0;
inline constexpr int yellow = 2;
inline constexpr int orange = 3;
inline constexpr int red = 4;
inline constexpr int blue = 5;
inline constexpr int green = 6;
inline constexpr int tan = 7;
inline constexpr int exactKey = 8;  // black key peg: right colour in the right place
inline constexpr int colourKey = 9; // white key peg: a colour that stands elsewhere in the code

inline constexpr int firstPeg = yellow;
inline constexpr int lastPeg = tan;

} // namespace Colour
