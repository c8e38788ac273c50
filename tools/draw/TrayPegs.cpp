#include "layout/MainLayout.h"
#include "tools/draw/Materials.h"
#include "tools/draw/PegSolid.h"
#include "tools/draw/Random.h"
#include "tools/draw/Tray.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

// Loose pegs in the heap by colour number, 2 to 9: code pegs with fewer key pegs among them.
constexpr std::array<int, 8> pegsOfColour = {22, 22, 22, 22, 22, 22, 12, 12};
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

// Where the palette's strips lie over the tray, in skin pixels.
class StripArea
{
public:
    StripArea() : m_covered(MainLayout::skinSize.width(), MainLayout::skinSize.height(), 0)
    {
        for (const Element& element : MainLayout::createElements()) {
            if (element.role.kind != ElementKind::PaletteStrip)
                continue;
            for (int y = element.rect.top(); y <= element.rect.bottom(); ++y) {
                for (int x = element.rect.left(); x <= element.rect.right(); ++x)
                    m_covered.at(x, y) = 1;
            }
        }
    }

    // Whether every pixel that the peg may cover is under a strip, where a press takes it.
    bool holds(const PegSolid& peg) const
    {
        // A pixel shows a peg that covers most of it; half a pixel more keeps to the safe side.
        constexpr float margin = 0.5f;
        const float reach = peg.reach();
        for (int y = int(peg.centre.y - reach); y <= int(peg.centre.y + reach); ++y) {
            for (int x = int(peg.centre.x - reach); x <= int(peg.centre.x + reach); ++x) {
                if (!m_covered.contains(x, y) || m_covered.at(x, y))
                    continue;
                if (peg.mayCover(float(x) + 0.5f, float(y) + 0.5f, margin))
                    return false;
            }
        }
        return true;
    }

private:
    Grid<std::uint8_t> m_covered;
};

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

    const StripArea strips;
    std::vector<LoosePeg> heap;
    for (int colour : bag) {
        PegSolid peg;
        peg.mould = colour >= 8 ? PegMould::Key : PegMould::Code;
        peg.size = pegSize;
        peg.albedo = Materials::pegPaint(colour).skin;
        peg.axis = randomAxis(random);
        // Pegs poured into a tray spread out: of a few places well inside the walls and under
        // the strips, the peg rolls into the lowest.
        QPointF place;
        float support = 1e9f;
        for (int candidate = 0; candidate < placesTried; ++candidate) {
            QPointF option;
            do {
                option = tray.pointAt(random.unit(), random.unit());
                peg.centre = {float(option.x()), float(option.y()), 0};
            } while (tray.depthInside(option) < Tray::floorStart + peg.reach() * 0.6f ||
                     !strips.holds(peg));
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

void layPegs(Surface& surface, const std::vector<LoosePeg>& heap)
{
    for (std::size_t i = 0; i < heap.size(); ++i)
        placePeg(surface, heap[i].solid, Materials::pegGloss, std::uint16_t(i + 1));
}
