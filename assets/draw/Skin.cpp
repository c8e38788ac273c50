#include "assets/draw/Skin.h"

#include "assets/draw/Board.h"
#include "assets/draw/Lighting.h"
#include "assets/draw/Random.h"
#include "assets/draw/TitleStrip.h"
#include "assets/draw/Tray.h"
#include "layout/MainLayout.h"
#include "pegs/PegColour.h"

#include <algorithm>
#include <cmath>

namespace {

// Each skin pixel is the mean of this many samples across and down, which smooths every edge
// inside the shapes.
constexpr int samplesAcross = 3;
constexpr QRgb key = 0xffff00ff;
// A photograph is never perfectly smooth: every pixel is a little lighter or darker, by up to
// this many levels.
constexpr float sensorNoise = 2.5f;

int channel(float value)
{
    return std::clamp(int(std::lround(value * 255)), 0, 255);
}

// The palette reads tray pixels too, where its strips reach over the walls. Lit brown plastic
// can come out in the red or tan range; dimming it a little keeps it out of every range.
QRgb outOfPaletteRanges(int r, int g, int b)
{
    while (classifyPegColour(r, g, b) != 0) {
        r = r * 97 / 100;
        g = g * 97 / 100;
        b = b * 97 / 100;
    }
    return qRgb(r, g, b);
}

} // namespace

QImage drawSkin()
{
    Surface surface(MainLayout::skinSize, samplesAcross);
    const Tray tray;
    tray.build(surface);
    heapPegs(surface, tray);
    Board::build(surface);
    surface.deriveNormals();
    const Grid<Rgb> lit = shade(surface, Light{});

    QImage skin(MainLayout::skinSize, QImage::Format_RGB32);
    skin.fill(key);
    constexpr int samples = samplesAcross * samplesAcross;
    Random noise(17);
    for (int y = 0; y < skin.height(); ++y) {
        for (int x = 0; x < skin.width(); ++x) {
            // A pixel belongs to the shape when most of its samples do; its colour is the
            // mean of those samples alone, so no edge is ever blended with the key colour.
            Rgb sum;
            int inside = 0;
            bool trayOnly = true;
            for (int sy = 0; sy < samplesAcross; ++sy) {
                for (int sx = 0; sx < samplesAcross; ++sx) {
                    const int hx = x * samplesAcross + sx;
                    const int hy = y * samplesAcross + sy;
                    const Material material = surface.material.at(hx, hy);
                    if (material == Material::Empty)
                        continue;
                    sum = sum + lit.at(hx, hy);
                    ++inside;
                    trayOnly = trayOnly && material == Material::Tray;
                }
            }
            if (2 * inside <= samples)
                continue;
            const float speck = noise.between(-sensorNoise, sensorNoise) / 255;
            const Rgb mean = sum * (1.0f / float(inside)) + Rgb{speck, speck, speck};
            const int r = channel(mean.r);
            const int g = channel(mean.g);
            const int b = channel(mean.b);
            skin.setPixel(x, y, trayOnly ? outOfPaletteRanges(r, g, b) : qRgb(r, g, b));
        }
    }
    paintTitleStrip(skin);
    return skin;
}
