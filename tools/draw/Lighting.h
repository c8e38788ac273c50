#pragma once

#include "tools/draw/Surface.h"

// One lamp above and off the top-left corner, and a camera above the middle of the picture.
// Both stand at a finite distance, so the light weakens and its reflection on level plastic
// fades from the top left to the bottom right, as in a photograph. Positions in skin pixels,
// the height above the table as z.
struct Light
{
    // The point of the table under the camera: a level surface there in full light shows its
    // albedo unchanged.
    Vec3 middle{224, 281, 0};
    Vec3 lamp{-600, -800, 1600};
    Vec3 camera{224, 281, 1200};
    // The share of light that reaches even a surface in shadow, from the room around.
    float ambient = 0.65f;
    // Narrow highlights for polished plastic, wide ones for a satin finish.
    float shininess = 40;
    // How far a shadow's edge blurs with distance: larger is sharper.
    float shadowHardness = 3;

    // The same lamp and camera moved along the table to stand over another point, for small
    // pictures that must look as if they lay in the middle of the skin.
    Light over(Vec3 point) const
    {
        const Vec3 shift = point - middle;
        Light moved = *this;
        moved.middle = point;
        moved.lamp = lamp + shift;
        moved.camera = camera + shift;
        return moved;
    }
};

// The light that reaches a sample: how much of it the surface scatters (1 for a level surface in
// full light in the middle of the picture) and how much it mirrors towards the camera as a
// white highlight.
struct Lit
{
    float diffuse = 0;
    float highlight = 0;
};

// The light on every sample of a surface: diffuse light with soft cast shadows, darker crevices
// and highlights on glossy parts.
Grid<Lit> illuminate(const Surface& surface, const Light& light);

// The colour of every sample under that light.
Grid<Rgb> shade(const Surface& surface, const Light& light);
