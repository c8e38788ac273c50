#include "tools/draw/Lighting.h"

#include <algorithm>
#include <cmath>
#include <thread>
#include <vector>

namespace {

// To the nearest whole number, halves away from zero as std::lround, without its library call:
// the shadow rays round billions of steps.
int nearest(float value)
{
    return value >= 0 ? int(value + 0.5f) : -int(0.5f - value);
}

// How much of the lamp a sample sees past the relief between it and the lamp: 1 in full light,
// falling softly to 0 behind a taller part.
float lampVisibility(const Surface& surface, int x, int y, Vec3 towards, float hardness)
{
    const float flat = std::hypot(towards.x, towards.y);
    const float rise = towards.z / flat; // height gained per skin pixel walked towards the lamp
    const float stepX = towards.x / flat;
    const float stepY = towards.y / flat;
    const float startHeight = surface.height.at(x, y) + 0.05f;
    const float scale = float(surface.scale);
    float visibility = 1;
    // The tallest relief stands about 30 pixels above the lowest floor.
    for (float walked = 0.5f; walked < 40; walked += walked < 6 ? 0.5f : 1.0f) {
        const float rayHeight = startHeight + rise * walked;
        const int sx = x + nearest(stepX * walked * scale);
        const int sy = y + nearest(stepY * walked * scale);
        if (!surface.height.contains(sx, sy))
            break;
        const float above = rayHeight - surface.height.at(sx, sy);
        visibility = std::min(visibility, hardness * above / walked);
        if (visibility <= 0)
            return 0;
    }
    return std::clamp(visibility, 0.0f, 1.0f);
}

// Calls work(y) for every y from 0 to rows - 1, on as many threads as there are processors,
// each taking every n-th row.
template <typename Work> void forEachRowInParallel(int rows, const Work& work)
{
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> workers;
    for (unsigned first = 0; first < threads; ++first) {
        workers.emplace_back([&work, rows, threads, first] {
            for (int y = int(first); y < rows; y += int(threads))
                work(y);
        });
    }
    for (std::thread& worker : workers)
        worker.join();
}

} // namespace

Grid<Lit> illuminate(const Surface& surface, const Light& light)
{
    // Samples below the mean height around them sit in a crevice that the room's light reaches
    // less.
    const Field around = blurred(surface.height, 4 * surface.scale);
    const Vec3 toLampFromMiddle = light.lamp - light.middle;
    const float middleDistance = length(toLampFromMiddle);
    const float middleElevation = toLampFromMiddle.z / middleDistance;
    Grid<Lit> result(surface.height.width(), surface.height.height());
    // Every sample is lit on its own: rows are shared out among the processors.
    forEachRowInParallel(result.height(), [&](int y) {
        for (int x = 0; x < result.width(); ++x) {
            if (surface.material.at(x, y) == Material::Empty)
                continue;
            const Vec3 point{surface.skinX(x), surface.skinY(y), surface.height.at(x, y)};
            const Vec3 toLamp = light.lamp - point;
            const float distance = length(toLamp);
            const Vec3 towards = toLamp * (1 / distance);
            const Vec3 halfway = normalized(towards + normalized(light.camera - point));
            const Vec3 n = surface.normal.at(x, y);

            const float strength = (middleDistance / distance) * (middleDistance / distance);
            const float depth = std::max(0.0f, around.at(x, y) - surface.height.at(x, y));
            const float occlusion = std::clamp(1 - 0.035f * depth, 0.6f, 1.0f);
            const float facing = std::max(0.0f, dot(n, towards)) / middleElevation;
            const float lit = lampVisibility(surface, x, y, towards, light.shadowHardness);
            const float diffuse =
                light.ambient * occlusion + (1 - light.ambient) * facing * lit * strength;
            const float highlight = surface.gloss.at(x, y) * lit *
                                    std::pow(std::max(0.0f, dot(n, halfway)), light.shininess);
            result.at(x, y) = {diffuse, highlight};
        }
    });
    return result;
}

Grid<Rgb> shade(const Surface& surface, const Light& light)
{
    const Grid<Lit> lit = illuminate(surface, light);
    Grid<Rgb> colours(lit.width(), lit.height());
    for (int y = 0; y < lit.height(); ++y) {
        for (int x = 0; x < lit.width(); ++x) {
            const Lit& l = lit.at(x, y);
            colours.at(x, y) = surface.albedo.at(x, y) * l.diffuse + Rgb{1, 1, 1} * l.highlight;
        }
    }
    return colours;
}
