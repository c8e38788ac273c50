#pragma once

#include "tools/draw/Lighting.h"
#include "tools/draw/Materials.h"

#include <QRgb>

// A colour as stored in a picture: rounded to the nearest level and clipped.
QRgb stored(Rgb colour);

// The colour of a sample of a loose peg in the light that reaches it. A code peg's light and
// shade stay inside the palette's ranges for its colour.
Rgb loosePegColour(const Materials::PegPaint& paint, Lit light);

// A pixel of the tray as stored, from the mean of its samples and the mean of those alone that
// show the peg drawn there, of a colour number (0 for none). Where the neighbours' light and
// shade mix into the range of another colour, a code peg's pixel leans towards the peg's own
// samples until it reads as the peg's colour; any other pixel is darkened until the palette
// reads it as no colour, as the dark seam between two pegs is.
QRgb readingAs(Rgb mixed, Rgb pegOnly, int colour);
