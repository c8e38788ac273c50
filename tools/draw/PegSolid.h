#pragma once

#include "tools/draw/Surface.h"

// The two moulds of peg: a code peg with a broad head, a key peg with a small one. Both have a
// thin pin under the head that goes into the board's holes.
enum class PegMould
{
    Code,
    Key
};
// A key peg's head may be hollowed into a cup, which shows from above as a ring.
enum class PegTop
{
    Flat,
    Cupped
};

// One peg placed in space. Its axis runs from the pin's tip through the head.
struct PegSolid
{
    PegMould mould = PegMould::Code;
    PegTop top = PegTop::Flat;
    // Multiplies every measure of the mould.
    float size = 1;
    Vec3 centre; // the middle of the head
    Vec3 axis{0, 0, 1};
    Rgb albedo;

    // Signed distance from a point to the peg's surface, negative inside.
    float distance(Vec3 point) const;
    // The largest distance of any point of the peg from its centre.
    float reach() const;
    // How far the peg reaches below its centre, for laying it on whatever lies under it.
    float depthBelowCentre() const;
    // Whether the peg seen from above may cover a point of the table, within a margin; never
    // false where it does.
    bool mayCover(float x, float y, float margin) const;
};

// Puts the peg into the surface wherever its top lies above what is there already, marking
// those samples with the peg's number.
void placePeg(Surface& surface, const PegSolid& peg, float gloss, std::uint16_t number = 0);
