#include "tools/draw/Surface.h"

Surface::Surface(QSize skinSize, int scale)
    : scale(scale), height(skinSize.width() * scale, skinSize.height() * scale),
      normal(height.width(), height.height()), albedo(height.width(), height.height()),
      gloss(height.width(), height.height()),
      material(height.width(), height.height(), Material::Empty),
      peg(height.width(), height.height(), 0)
{}

void Surface::deriveNormals()
{
    // Neighbouring samples lie 1 / scale skin pixels apart.
    const float halfSpan = 2.0f / float(scale);
    for (int y = 0; y < height.height(); ++y) {
        for (int x = 0; x < height.width(); ++x) {
            Vec3& n = normal.at(x, y);
            if (n.z != 0)
                continue;
            const float dx = (height.clamped(x + 1, y) - height.clamped(x - 1, y)) / halfSpan;
            const float dy = (height.clamped(x, y + 1) - height.clamped(x, y - 1)) / halfSpan;
            n = normalized({-dx, -dy, 1});
        }
    }
}
