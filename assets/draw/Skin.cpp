#include "assets/draw/Skin.h"

#include "assets/draw/Board.h"
#include "assets/draw/Lighting.h"
#include "assets/draw/Random.h"
#include "assets/draw/TitleStrip.h"
#include "assets/draw/Tray.h"
#include "layout/MainLayout.h"
#include "pegs/PegColour.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Each skin pixel is the mean of this many samples across and down, which smooths every edge
// inside the shapes.
constexpr int samplesAcross = 3;
constexpr int samples = samplesAcross * samplesAcross;
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

// Counts which peg each sample of a pixel shows (0 for none) to find the one that most show.
class PegVotes
{
public:
    void add(std::uint16_t peg)
    {
        for (std::size_t i = 0; i < m_size; ++i) {
            if (m_pegs[i] == peg) {
                ++m_votes[i];
                return;
            }
        }
        m_pegs[m_size] = peg;
        m_votes[m_size++] = 1;
    }

    std::uint16_t winner() const
    {
        std::size_t best = 0;
        for (std::size_t i = 1; i < m_size; ++i) {
            if (m_votes[i] > m_votes[best])
                best = i;
        }
        return m_pegs[best];
    }

private:
    std::array<std::uint16_t, samples> m_pegs{};
    std::array<int, samples> m_votes{};
    std::size_t m_size = 0;
};

} // namespace

SkinDrawing drawSkin()
{
    Surface surface(MainLayout::skinSize, samplesAcross);
    const Tray tray;
    tray.build(surface);
    const std::vector<LoosePeg> heap = heapPegs(surface, tray);
    Board::build(surface);
    surface.deriveNormals();
    const Grid<Rgb> lit = shade(surface, Light{});

    SkinDrawing drawing{QImage(MainLayout::skinSize, QImage::Format_RGB32),
                        QImage(MainLayout::skinSize, QImage::Format_RGB32)};
    drawing.skin.fill(key);
    drawing.pegs.fill(0xff000000);
    Random noise(17);
    for (int y = 0; y < drawing.skin.height(); ++y) {
        for (int x = 0; x < drawing.skin.width(); ++x) {
            // A pixel belongs to the shape when most of its samples do; its colour is the
            // mean of those samples alone, so no edge is ever blended with the key colour.
            Rgb sum;
            int inside = 0;
            bool trayOnly = true;
            PegVotes votes;
            for (int sy = 0; sy < samplesAcross; ++sy) {
                for (int sx = 0; sx < samplesAcross; ++sx) {
                    const int hx = x * samplesAcross + sx;
                    const int hy = y * samplesAcross + sy;
                    const Material material = surface.material.at(hx, hy);
                    votes.add(material == Material::Peg ? surface.peg.at(hx, hy) : 0);
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
            drawing.skin.setPixel(x, y, trayOnly ? outOfPaletteRanges(r, g, b) : qRgb(r, g, b));
            const std::uint16_t peg = votes.winner();
            if (peg != 0)
                drawing.pegs.setPixel(x, y, qRgb(heap[peg - 1u].colour, peg >> 8, peg & 0xff));
        }
    }
    paintTitleStrip(drawing.skin);
    return drawing;
}
