#include "tools/draw/Board.h"

#include "layout/MainLayout.h"
#include "tools/draw/Materials.h"
#include "tools/draw/Random.h"
#include "tools/draw/Raster.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr float rowPanelHalfHeight = 28;
constexpr QRectF titlePanel{6, 108, 197, 66};

struct Hole
{
    QPointF centre;
    float outerRadius; // where the chamfer starts
    float innerRadius; // where the wall drops straight
    float depth;
};

// The holes lie under the elements of the main window that take the pegs: a guess hole under
// every click target, a key hole under every key place.
std::vector<Hole> holes()
{
    std::vector<Hole> result;
    for (const Element& element : MainLayout::createElements()) {
        const QPointF centre = QRectF(element.rect).center();
        if (element.role.kind == ElementKind::Hole)
            result.push_back({centre, 7.6f, 5.7f, 7.0f});
        else if (element.role.kind == ElementKind::KeyPlace)
            result.push_back({centre, 4.6f, 3.1f, 5.0f});
    }
    return result;
}

std::vector<float> rowCentres()
{
    std::vector<float> centres;
    for (const Element& element : MainLayout::createElements()) {
        if (element.role.kind == ElementKind::Hole && element.role.column == 1)
            centres.push_back(float(QRectF(element.rect).center().y()));
    }
    return centres;
}

float smoothStep(float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

// How far below the surrounding plate a point lies in the holes: 0 away from every hole.
struct HoleDepth
{
    float depth = 0;
    float floor = 0; // 1 at the bottom of a hole, where little light comes
};

HoleDepth holeDepthAt(const std::vector<Hole>& all, QPointF point)
{
    constexpr float chamferDepth = 1.2f;
    constexpr float wallWidth = 0.8f;
    for (const Hole& hole : all) {
        const QPointF offset = point - hole.centre;
        const double squared = offset.x() * offset.x() + offset.y() * offset.y();
        if (squared >= double(hole.outerRadius) * double(hole.outerRadius))
            continue;
        const float r = float(std::hypot(offset.x(), offset.y()));
        if (r >= hole.outerRadius)
            continue;
        const float chamfer = (hole.outerRadius - r) / (hole.outerRadius - hole.innerRadius);
        const float drop = (hole.innerRadius - r) / wallWidth;
        return {chamferDepth * smoothStep(chamfer) + (hole.depth - chamferDepth) * smoothStep(drop),
                smoothStep((hole.innerRadius - r) / 2)};
    }
    return {};
}

Field panels(const Surface& surface)
{
    const std::vector<float> centres = rowCentres();
    return coverage(surface.height.size(), float(surface.scale), [&](QPainter& painter) {
        for (float centre : centres)
            painter.drawRoundedRect(
                QRectF(5, centre - rowPanelHalfHeight, 198, 2 * rowPanelHalfHeight), 5, 5);
    });
}

} // namespace

namespace Board {

void build(Surface& surface)
{
    const int s = surface.scale;
    const QSize size = surface.height.size();
    const Field plateShape =
        coverage(size, float(s), [](QPainter& painter) { painter.drawRoundedRect(plate, 6, 6); });
    const Field plateEdge = blurred(plateShape, 3 * s);
    const Field panelRise = blurred(panels(surface), 2 * s);
    const Field titleSink =
        blurred(coverage(size, float(s),
                         [](QPainter& painter) { painter.drawRoundedRect(titlePanel, 5, 5); }),
                2 * s);
    const Field letters = lettering(surface);
    const Field printed = printedLettering(surface);
    const std::vector<Hole> allHoles = holes();
    const ValueNoise mottling(11, 16.0f, 449, 563);
    const ValueNoise speckle(12, 3.0f, 449, 563);
    const ValueNoise grain(13, 0.7f, 449, 563);

    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (plateShape.at(x, y) < 0.5f)
                continue;
            const QPointF point(surface.skinX(x), surface.skinY(y));
            const float edge = std::clamp((plateEdge.at(x, y) - 0.5f) * 2, 0.0f, 1.0f);
            const HoleDepth hole = holeDepthAt(allHoles, point);
            float height = baseHeight + (plateHeight - baseHeight) * std::sqrt(edge);
            height += 2.5f * smoothStep(panelRise.at(x, y) * 1.4f - 0.2f);
            height -= 1.2f * smoothStep(titleSink.at(x, y) * 1.4f - 0.2f);
            height += 2.2f * letters.at(x, y) + 0.8f * printed.at(x, y);
            height -= hole.depth;
            height += 0.035f * grain.at(float(point.x()), float(point.y()));
            surface.height.at(x, y) = height;
            surface.normal.at(x, y) = {};

            const float tone = 1 + 0.05f * mottling.at(float(point.x()), float(point.y())) +
                               0.025f * speckle.at(float(point.x()), float(point.y()));
            // The tops of raised letters are rubbed smooth and catch a little more light.
            const float lift = 1 + 0.12f * letters.at(x, y);
            const Rgb plastic = Materials::plastic * (tone * lift * (1 - 0.65f * hole.floor));
            surface.albedo.at(x, y) = mix(plastic, Materials::printInk, printed.at(x, y));
            surface.gloss.at(x, y) = Materials::plasticGloss + 0.2f * printed.at(x, y);
            surface.material.at(x, y) = Material::Board;
        }
    }
}

} // namespace Board
