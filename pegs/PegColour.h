#pragma once

// The colour number (2 to 7) of a skin pixel of the tray of loose pegs, or 0 where the pixel
// is no peg colour (outline, shadow, tray wall, key pegs).
int classifyPegColour(int red, int green, int blue);
