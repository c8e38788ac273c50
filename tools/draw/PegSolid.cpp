#include "tools/draw/PegSolid.h"

#include <algorithm>
#include <cmath>

namespace {

struct Dimensions
{
    float headRadius;
    float headHalfThickness;
    float headRounding;
    float pinRadius;
    float pinLength;
};

Dimensions dimensionsOf(PegMould mould)
{
    if (mould == PegMould::Code)
        return {7.0f, 3.2f, 2.0f, 2.3f, 8.0f};
    return {4.3f, 2.2f, 1.3f, 1.5f, 5.5f};
}

// A cylinder along the local z axis, centred on the origin, with its edges rounded off.
float roundedCylinder(float radial, float along, float radius, float halfLength, float rounding)
{
    const float qx = radial - (radius - rounding);
    const float qy = std::abs(along) - (halfLength - rounding);
    const float ox = std::max(qx, 0.0f);
    const float oy = std::max(qy, 0.0f);
    // Not std::hypot: no overflow to guard against here, and this runs for every step of every
    // ray that meets a peg.
    const float outside = std::sqrt(ox * ox + oy * oy);
    return std::min(std::max(qx, qy), 0.0f) + outside - rounding;
}

// A union that fills the corner where two shapes meet, as a mould leaves a small fillet.
float smoothUnion(float a, float b, float fillet)
{
    const float h = std::clamp(0.5f + 0.5f * (b - a) / fillet, 0.0f, 1.0f);
    return b * (1 - h) + a * h - fillet * h * (1 - h);
}

// The distance on the table from a point to a segment between two points in space, seen from
// above.
float distanceFromAbove(float x, float y, Vec3 from, Vec3 to)
{
    const float dx = to.x - from.x;
    const float dy = to.y - from.y;
    const float lengthSquared = dx * dx + dy * dy;
    const float t =
        lengthSquared > 0
            ? std::clamp(((x - from.x) * dx + (y - from.y) * dy) / lengthSquared, 0.0f, 1.0f)
            : 0.0f;
    const float ex = x - (from.x + t * dx);
    const float ey = y - (from.y + t * dy);
    return std::sqrt(ex * ex + ey * ey);
}

} // namespace

float PegSolid::distance(Vec3 point) const
{
    const Dimensions d = dimensionsOf(mould);
    const Vec3 offset = (point - centre) * (1 / size);
    const float along = dot(offset, axis);
    const float radial = length(offset - axis * along);
    const float head =
        roundedCylinder(radial, along, d.headRadius, d.headHalfThickness, d.headRounding);
    const float pinMiddle = along + d.headHalfThickness + d.pinLength / 2;
    const float pin =
        roundedCylinder(radial, pinMiddle, d.pinRadius, d.pinLength / 2 + 0.5f, d.pinRadius * 0.6f);
    const float solid = smoothUnion(head, pin, 0.8f);
    if (top == PegTop::Flat)
        return solid * size;
    // A ball pressed into the top leaves a cup with a rim of a fifth of the radius.
    const float cupRadius = d.headRadius * 1.2f;
    const float cupCentre = d.headHalfThickness + cupRadius - d.headHalfThickness * 0.7f;
    const float cup = cupRadius - length(offset - axis * cupCentre);
    return std::max(solid, cup) * size;
}

float PegSolid::reach() const
{
    const Dimensions d = dimensionsOf(mould);
    return size * std::max(std::hypot(d.headRadius, d.headHalfThickness),
                           d.headHalfThickness + d.pinLength + 0.5f);
}

float PegSolid::depthBelowCentre() const
{
    const Dimensions d = dimensionsOf(mould);
    const float tilt = std::sqrt(std::max(0.0f, 1 - axis.z * axis.z));
    const float head = d.headRadius * tilt + d.headHalfThickness * std::abs(axis.z);
    const float pinTip = axis.z * (d.headHalfThickness + d.pinLength) + d.pinRadius * tilt;
    return size * std::max(head, pinTip);
}

bool PegSolid::mayCover(float x, float y, float margin) const
{
    // The head and the pin each lie within a cylinder around the axis, whose shadow from above
    // lies within the shadow of its axis widened by its radius.
    const Dimensions d = dimensionsOf(mould);
    const Vec3 headTop = centre + axis * (d.headHalfThickness * size);
    const Vec3 headBottom = centre - axis * (d.headHalfThickness * size);
    const Vec3 pinTip = centre - axis * ((d.headHalfThickness + d.pinLength + 0.5f) * size);
    return distanceFromAbove(x, y, headTop, headBottom) <= d.headRadius * size + margin ||
           distanceFromAbove(x, y, headBottom, pinTip) <= d.pinRadius * size + margin;
}

void placePeg(Surface& surface, const PegSolid& peg, float gloss, std::uint16_t number)
{
    const float reach = peg.reach();
    const float scale = float(surface.scale);
    const int left = std::max(0, int((peg.centre.x - reach) * scale));
    const int right = std::min(surface.height.width() - 1, int((peg.centre.x + reach) * scale));
    const int top = std::max(0, int((peg.centre.y - reach) * scale));
    const int bottom = std::min(surface.height.height() - 1, int((peg.centre.y + reach) * scale));
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            // Half a pixel more than the fillet between head and pin can reach out.
            if (!peg.mayCover(surface.skinX(x), surface.skinY(y), 0.5f))
                continue;
            // March down from above the peg until the surface is met.
            Vec3 point{surface.skinX(x), surface.skinY(y), peg.centre.z + reach};
            const float floor = std::max(peg.centre.z - reach, surface.height.at(x, y));
            bool hit = false;
            while (point.z > floor) {
                const float d = peg.distance(point);
                if (d < 0.01f) {
                    hit = true;
                    break;
                }
                point.z -= std::max(d, 0.02f);
            }
            if (!hit || point.z <= surface.height.at(x, y))
                continue;
            constexpr float e = 0.05f;
            const Vec3 gradient{
                peg.distance(point + Vec3{e, 0, 0}) - peg.distance(point - Vec3{e, 0, 0}),
                peg.distance(point + Vec3{0, e, 0}) - peg.distance(point - Vec3{0, e, 0}),
                peg.distance(point + Vec3{0, 0, e}) - peg.distance(point - Vec3{0, 0, e})};
            surface.height.at(x, y) = point.z;
            Vec3 n = normalized(gradient);
            // A zero z would read as an unset normal; the steepest visible side is nearly upright.
            if (n.z < 0.05f)
                n = normalized({n.x, n.y, 0.05f});
            surface.normal.at(x, y) = n;
            surface.albedo.at(x, y) = peg.albedo;
            surface.gloss.at(x, y) = gloss;
            surface.material.at(x, y) = Material::Peg;
            surface.peg.at(x, y) = number;
        }
    }
}
