#pragma once

#include "assets/draw/Surface.h"

// A soft lamp from the top left, as in a room with one window.
struct Light
{
    // Towards the lamp, of unit length.
    Vec3 direction = normalized({-0.62f, -0.78f, 1.5f});
    // The share of light that reaches even a surface in shadow, from the room around.
    float ambient = 0.65f;
    // Narrow highlights for polished plastic, wide ones for a satin finish.
    float shininess = 24;
    // How far a shadow's edge blurs with distance: larger is sharper.
    float shadowHardness = 3;
};

// The colour of every sample of a surface under a light: diffuse light with soft cast shadows,
// darker crevices and highlights on glossy parts. A level surface in full light shows its
// albedo unchanged.
Grid<Rgb> shade(const Surface& surface, const Light& light);
