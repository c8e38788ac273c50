#include "tools/draw/Skin.h"

#include "layout/MainLayout.h"
#include "tools/draw/Board.h"
#include "tools/draw/LoosePegPaint.h"
#include "tools/draw/Random.h"
#include "tools/draw/TitleStrip.h"
#include "tools/draw/Tray.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Each pixel is the mean of this many samples across and down, which smooths every edge inside
// the shapes.
constexpr int samplesAcross = 3;
constexpr int samples = samplesAcross * samplesAcross;
constexpr QRgb key = 0xffff00ff;
// A photograph is never perfectly smooth: every pixel is a little lighter or darker, by up to
// this many levels.
constexpr float sensorNoise = 2.5f;

// Counts which peg each sample of a pixel shows (0 for none) to find the one that most show,
// and the mean colour of its samples.
class PegVotes
{
public:
    void add(std::uint16_t peg, Rgb colour)
    {
        std::size_t i = 0;
        while (i < m_size && m_pegs[i] != peg)
            ++i;
        if (i == m_size) {
            m_pegs[m_size++] = peg;
            m_votes[i] = 0;
            m_sums[i] = {};
        }
        ++m_votes[i];
        m_sums[i] = m_sums[i] + colour;
    }

    std::uint16_t winner() const { return m_pegs[best()]; }
    Rgb winnerMean() const { return m_sums[best()] * (1.0f / float(m_votes[best()])); }

private:
    std::size_t best() const
    {
        std::size_t best = 0;
        for (std::size_t i = 1; i < m_size; ++i) {
            if (m_votes[i] > m_votes[best])
                best = i;
        }
        return best;
    }

    std::array<std::uint16_t, samples> m_pegs{};
    std::array<int, samples> m_votes{};
    std::array<Rgb, samples> m_sums{};
    std::size_t m_size = 0;
};

// The board, the tray and the heap in it, under the lamp.
struct Scene
{
    Surface surface;
    std::vector<LoosePeg> heap;
    Grid<Lit> light;
};

Rgb sampleColour(const Scene& scene, int x, int y)
{
    const Surface& surface = scene.surface;
    if (surface.material.at(x, y) == Material::Peg) {
        const LoosePeg& peg = scene.heap[surface.peg.at(x, y) - 1u];
        return loosePegColour(Materials::pegPaint(peg.colour), scene.light.at(x, y));
    }
    const Lit& lit = scene.light.at(x, y);
    return surface.albedo.at(x, y) * lit.diffuse + Rgb{1, 1, 1} * lit.highlight;
}

// The scene's samples taken into pixels. On its own, a pixel belongs to the shape when most of
// its samples do; over a skin drawn before at a lower resolution, exactly when the skin's pixel
// under it does. Its colour is the mean of its samples inside the shape alone, so no edge is ever
// blended with the key colour; with none inside, it is the colour of the skin's pixel under it.
SkinDrawing takePicture(const Scene& scene, const QImage& under = {})
{
    const Surface& surface = scene.surface;
    const QSize size = surface.height.size() / samplesAcross;
    const int ratio = under.isNull() ? 1 : size.width() / under.width();
    SkinDrawing drawing{QImage(size, QImage::Format_RGB32), QImage(size, QImage::Format_RGB32)};
    drawing.skin.fill(key);
    drawing.pegs.fill(0xff000000);
    Random noise(17);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            Rgb sum;
            int inside = 0;
            bool board = false;
            PegVotes votes;
            for (int sy = 0; sy < samplesAcross; ++sy) {
                for (int sx = 0; sx < samplesAcross; ++sx) {
                    const int hx = x * samplesAcross + sx;
                    const int hy = y * samplesAcross + sy;
                    const Material material = surface.material.at(hx, hy);
                    if (material == Material::Empty) {
                        votes.add(0, {});
                        continue;
                    }
                    const Rgb colour = sampleColour(scene, hx, hy);
                    votes.add(material == Material::Peg ? surface.peg.at(hx, hy) : 0, colour);
                    sum = sum + colour;
                    ++inside;
                    board = board || material == Material::Board;
                }
            }
            if (under.isNull() ? 2 * inside <= samples : under.pixel(x / ratio, y / ratio) == key)
                continue;
            if (inside == 0) {
                drawing.skin.setPixel(x, y, under.pixel(x / ratio, y / ratio));
                continue;
            }
            const float speck = noise.between(-sensorNoise, sensorNoise) / 255;
            const Rgb grain{speck, speck, speck};
            const Rgb mean = sum * (1.0f / float(inside)) + grain;
            const std::uint16_t peg = votes.winner();
            const int colour = peg == 0 ? 0 : scene.heap[peg - 1u].colour;
            // The palette reads the tray where its strips reach: lit brown plastic can come out
            // in the red or tan range, the seams of the heap in a neighbour's.
            drawing.skin.setPixel(
                x, y, board ? stored(mean) : readingAs(mean, votes.winnerMean() + grain, colour));
            if (peg != 0)
                drawing.pegs.setPixel(x, y, qRgb(colour, peg >> 8, peg & 0xff));
        }
    }
    return drawing;
}

void light(Scene& scene)
{
    Board::build(scene.surface);
    scene.surface.deriveNormals();
    scene.light = illuminate(scene.surface, Light{});
}

} // namespace

SkinDrawings drawSkins()
{
    const Tray tray;
    SkinDrawings drawings;
    std::vector<LoosePeg> heap;
    {
        Scene scene{Surface(MainLayout::skinSize, samplesAcross), {}, {}};
        tray.build(scene.surface);
        scene.heap = heapPegs(scene.surface, tray);
        light(scene);
        drawings.single = takePicture(scene);
        heap = std::move(scene.heap);
    }
    // The title strip is flat grey with pixel-sized glyphs: at twice the resolution it is
    // taken over from the skin, pixel by pixel, as every pixel that no sample reaches is.
    paintTitleStrip(drawings.single.skin);
    Scene scene{Surface(MainLayout::skinSize, 2 * samplesAcross), std::move(heap), {}};
    tray.build(scene.surface);
    layPegs(scene.surface, scene.heap);
    light(scene);
    drawings.doubled = takePicture(scene, drawings.single.skin);
    return drawings;
}
