#include "tools/draw/PegIcons.h"

#include "tools/draw/Lighting.h"
#include "tools/draw/Materials.h"
#include "tools/draw/PegSolid.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int iconSize = 32;
constexpr int samplesAcross = 4;
// The head is 22 pixels across, over x 5 to 26 and y 4 to 25.
constexpr float headRadius = 11;
constexpr Vec3 headCentre{16, 15, 10};

struct Rendering
{
    QImage image;
    Rgb meanColour;
};

Rendering render(int colour, Rgb albedo, int pixelRatio)
{
    const bool key = colour >= 8;
    PegSolid peg;
    peg.mould = key ? PegMould::Key : PegMould::Code;
    peg.top = colour == 8 ? PegTop::Cupped : PegTop::Flat;
    peg.size = headRadius / (key ? 4.3f : 7.0f);
    peg.centre = headCentre;
    peg.albedo = albedo;
    // Measures stay in pixels of the 32-pixel picture; a finer picture takes more samples.
    Surface surface(QSize(iconSize, iconSize), samplesAcross * pixelRatio);
    placePeg(surface, peg, Materials::pegGloss);
    const Grid<Rgb> lit = shade(surface, Light{}.over({16, 16, 0}));

    const int size = iconSize * pixelRatio;
    Rendering result{QImage(size, size, QImage::Format_ARGB32), {}};
    result.image.fill(Qt::transparent);
    int opaque = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Rgb sum;
            int inside = 0;
            for (int sy = 0; sy < samplesAcross; ++sy) {
                for (int sx = 0; sx < samplesAcross; ++sx) {
                    const int hx = x * samplesAcross + sx;
                    const int hy = y * samplesAcross + sy;
                    if (surface.material.at(hx, hy) == Material::Empty)
                        continue;
                    sum = sum + lit.at(hx, hy);
                    ++inside;
                }
            }
            // Pixels mostly covered by the peg are opaque in the peg's own colour.
            if (2 * inside <= samplesAcross * samplesAcross)
                continue;
            const Rgb mean = sum * (1.0f / float(inside));
            const QColor pixel =
                QColor::fromRgbF(std::clamp(mean.r, 0.0f, 1.0f), std::clamp(mean.g, 0.0f, 1.0f),
                                 std::clamp(mean.b, 0.0f, 1.0f));
            result.image.setPixel(x, y, pixel.rgb());
            result.meanColour = result.meanColour + Rgb{float(pixel.redF()), float(pixel.greenF()),
                                                        float(pixel.blueF())};
            ++opaque;
        }
    }
    result.meanColour = result.meanColour * (1.0f / float(std::max(opaque, 1)));
    return result;
}

} // namespace

QImage drawPegIcon(int colour, int pixelRatio)
{
    // Light and shade change the peg's mean colour, which must match the game's colour table:
    // correct the paint by what came out and draw again until the two agree.
    const Rgb target = Materials::pegPaint(colour).icon;
    Rgb albedo = target;
    Rendering rendering = render(colour, albedo, 1);
    for (int round = 0; round < 4; ++round) {
        const Rgb mean = rendering.meanColour;
        albedo =
            albedo * Rgb{target.r / std::max(mean.r, 0.01f), target.g / std::max(mean.g, 0.01f),
                         target.b / std::max(mean.b, 0.01f)};
        rendering = render(colour, albedo, 1);
    }
    // The finer picture keeps the paint found for the 32-pixel one: the same peg.
    return pixelRatio == 1 ? rendering.image : render(colour, albedo, pixelRatio).image;
}
