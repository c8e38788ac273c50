#include "tools/draw/Tray.h"

#include "tools/draw/Materials.h"
#include "tools/draw/Random.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float cornerRounding = 5.0f;

// The height of the tray's plastic at a distance inside its outer edge.
float wallProfile(float inside)
{
    if (inside < Tray::outerBevel) {
        const float t = 1 - inside / Tray::outerBevel;
        return Tray::rimHeight * std::sqrt(1 - t * t);
    }
    if (inside < Tray::rimWidth)
        return Tray::rimHeight;
    const float t = (inside - Tray::rimWidth) / (Tray::floorStart - Tray::rimWidth);
    const float fall = 0.5f * (1 + std::cos(std::numbers::pi_v<float> * std::min(t, 1.0f)));
    return Tray::floorHeight + (Tray::rimHeight - Tray::floorHeight) * fall;
}

} // namespace

// The corners are pushed out a little beyond the places they should reach, as rounding them
// pulls the outline in.
Tray::Tray()
    : m_top(148.2, 82.0), m_alongEdge(QPointF(449.2, 364.6) - m_top),
      m_acrossEdge(QPointF(321.0, 509.0) - QPointF(449.2, 364.6)),
      m_length(float(std::hypot(m_alongEdge.x(), m_alongEdge.y()))),
      m_width(float(std::hypot(m_acrossEdge.x(), m_acrossEdge.y())))
{}

QPointF Tray::pointAt(float along, float across) const
{
    return m_top + m_alongEdge * along + m_acrossEdge * across;
}

float Tray::depthInside(QPointF point) const
{
    // Solve point = top + along * alongEdge + across * acrossEdge; the two edges are nearly
    // square to each other, so scaling the fractions by the side lengths gives distances.
    const QPointF offset = point - m_top;
    const double det = m_alongEdge.x() * m_acrossEdge.y() - m_alongEdge.y() * m_acrossEdge.x();
    const double along = (offset.x() * m_acrossEdge.y() - offset.y() * m_acrossEdge.x()) / det;
    const double across = (m_alongEdge.x() * offset.y() - m_alongEdge.y() * offset.x()) / det;
    const float u =
        std::abs(float(along) * m_length - m_length / 2) - (m_length / 2 - cornerRounding);
    const float v =
        std::abs(float(across) * m_width - m_width / 2) - (m_width / 2 - cornerRounding);
    const float ou = std::max(u, 0.0f);
    const float ov = std::max(v, 0.0f);
    const float outside = std::sqrt(ou * ou + ov * ov);
    return -(std::min(std::max(u, v), 0.0f) + outside - cornerRounding);
}

void Tray::build(Surface& surface) const
{
    const ValueNoise mottling(31, 14.0f, 449, 563);
    const ValueNoise grain(32, 0.7f, 449, 563);
    for (int y = 0; y < surface.height.height(); ++y) {
        for (int x = 0; x < surface.height.width(); ++x) {
            const float px = surface.skinX(x);
            const float py = surface.skinY(y);
            const float inside = depthInside({px, py});
            if (inside < 0)
                continue;
            surface.height.at(x, y) = wallProfile(inside) + 0.04f * grain.at(px, py);
            const float shade = 1 + 0.05f * mottling.at(px, py);
            // Dust and wear make the floor a little duller than the rim.
            const float floorDulling = inside > floorStart ? 0.9f : 1.0f;
            surface.albedo.at(x, y) = Materials::plastic * (shade * floorDulling);
            surface.gloss.at(x, y) = inside > floorStart ? 0.05f : Materials::plasticGloss;
            surface.material.at(x, y) = Material::Tray;
        }
    }
}
