#include "assets/draw/Materials.h"
#include "assets/draw/PegSolid.h"
#include "assets/draw/Random.h"
#include "assets/draw/Tray.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

// Loose pegs in the heap by colour number, 2 to 9: code pegs with fewer key pegs among them.
// Yellow and tan are read by the palette over narrower ranges of shading, so more of them lie
// in the tray for the player to find as easily as the others.
constexpr std::array<int, 8> pegsOfColour = {60, 24, 32, 38, 32, 70, 16, 16};
// Pegs whose centre lies left of this lie under the board, where nobody sees them.
constexpr float hiddenUnderBoard = 204;
// The pegs in the tray lie nearer to the eye than the board's holes, so they look larger.
constexpr float pegSize = 1.3f;
constexpr int placesTried = 4;
// Lying pegs sink this far into the gaps of the heap under them.
constexpr float settling = 1.6f;

// The highest point of the surface under a disc around a point, in skin pixels.
float supportUnder(const Surface& surface, float cx, float cy, float radius)
{
    const int scale = surface.scale;
    float highest = 0;
    for (int y = int((cy - radius) * scale); y <= int((cy + radius) * scale); ++y) {
        for (int x = int((cx - radius) * scale); x <= int((cx + radius) * scale); ++x) {
            if (!surface.height.contains(x, y))
                continue;
            const float dx = surface.skinX(x) - cx;
            const float dy = surface.skinY(y) - cy;
            if (dx * dx + dy * dy <= radius * radius)
                highest = std::max(highest, surface.height.at(x, y));
        }
    }
    return highest;
}

Vec3 randomAxis(Random& random)
{
    const float turn = random.between(0, 2 * std::numbers::pi_v<float>);
    // A third stand on their pin or lie on their head; the rest lie on their side, tipped a
    // little where they rest on others.
    const float roll = random.unit();
    const float rise = roll < 0.22f  ? random.between(0.85f, 1.0f)
                       : roll < 0.3f ? random.between(-1.0f, -0.85f)
                                     : random.between(-0.35f, 0.35f);
    const float flat = std::sqrt(1 - rise * rise);
    return {flat * std::cos(turn), flat * std::sin(turn), rise};
}

} // namespace

std::vector<LoosePeg> heapPegs(Surface& surface, const Tray& tray)
{
    std::vector<int> bag;
    for (int colour = 2; colour <= 9; ++colour)
        bag.insert(bag.end(), std::size_t(pegsOfColour[std::size_t(colour - 2)]), colour);
    Random random(7);
    // Shuffled by hand: std::shuffle's use of the engine differs between libraries.
    for (std::size_t i = bag.size() - 1; i > 0; --i)
        std::swap(bag[i], bag[std::size_t(random.integer(0, int(i)))]);

    std::vector<LoosePeg> heap;
    for (int colour : bag) {
        PegSolid peg;
        peg.mould = colour >= 8 ? PegMould::Key : PegMould::Code;
        peg.size = pegSize;
        peg.albedo = Materials::pegPaint(colour).skin;
        peg.axis = randomAxis(random);
        // Pegs poured into a tray spread out: of a few places well inside the walls and in
        // sight, the peg rolls into the lowest.
        QPointF place;
        float support = 1e9f;
        for (int candidate = 0; candidate < placesTried; ++candidate) {
            QPointF option;
            do {
                option = tray.pointAt(random.unit(), random.unit());
            } while (tray.depthInside(option) < Tray::floorStart + peg.reach() * 0.6f ||
                     option.x() < hiddenUnderBoard);
            const float under =
                supportUnder(surface, float(option.x()), float(option.y()), peg.reach() * 0.8f);
            if (under < support) {
                support = under;
                place = option;
            }
        }
        support = std::max(Tray::floorHeight, support - settling);
        peg.centre = {float(place.x()), float(place.y()), support + peg.depthBelowCentre()};
        heap.push_back({peg, colour});
        placePeg(surface, peg, Materials::pegGloss, std::uint16_t(heap.size()));
    }
    return heap;
}
