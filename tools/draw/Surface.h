#pragma once

#include "tools/draw/Grid.h"
#include "tools/draw/Vec3.h"

#include <cstdint>

// What a pixel of a surface is made of. The tray's plastic is told apart because the palette
// reads it and must find no peg colour there.
enum class Material : std::uint8_t
{
    Empty,
    Board,
    Tray,
    Peg
};

// A relief seen straight from above: for every sample its height, its normal, its colour under
// full light and how glossy it is. Samples are finer than skin pixels by `scale` in each
// direction; heights and all sizes are in skin pixels.
struct Surface
{
    Surface(QSize skinSize, int scale);

    // The centre of a sample in skin pixels.
    float skinX(int x) const { return (float(x) + 0.5f) / float(scale); }
    float skinY(int y) const { return (float(y) + 0.5f) / float(scale); }

    // Gives every sample whose normal is still unset the normal of the height field around it.
    void deriveNormals();

    int scale;
    Field height;
    // A zero vector: not set yet, to be derived from the height field.
    Grid<Vec3> normal;
    Grid<Rgb> albedo;
    Field gloss;
    Grid<Material> material;
    // Which loose peg of a heap each sample shows, numbered from 1; 0 where it shows none.
    Grid<std::uint16_t> peg;
};
