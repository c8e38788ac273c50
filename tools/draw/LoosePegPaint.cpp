#include "tools/draw/LoosePegPaint.h"

#include "pegs/PegColour.h"

#include <algorithm>
#include <cmath>

namespace {

// The room's light alone, in the deepest crevice of the heap, gives about this much of the lamp's.
constexpr float roomLight = 0.4f;
// Surfaces turned to the lamp get up to this much more light than a level one.
constexpr float towardsLamp = 0.6f;
// Highlights are strong enough to take the colour most of the way to the gleam.
constexpr float highlightStrength = 1.5f;

constexpr int leaningSteps = 20;

} // namespace

QRgb stored(Rgb colour)
{
    const auto channel = [](float value) {
        return std::clamp(int(std::lround(value * 255)), 0, 255);
    };
    return qRgb(channel(colour.r), channel(colour.g), channel(colour.b));
}

Rgb loosePegColour(const Materials::PegPaint& paint, Lit light)
{
    if (paint.colour >= 8)
        return paint.skin * light.diffuse + Rgb{1, 1, 1} * light.highlight;
    const Rgb lit =
        light.diffuse <= 1
            ? mix(paint.shadow, paint.skin,
                  std::clamp((light.diffuse - roomLight) / (1 - roomLight), 0.0f, 1.0f))
            : mix(paint.skin, paint.gleam, std::min((light.diffuse - 1) / towardsLamp, 1.0f));
    return mix(lit, paint.gleam, std::min(light.highlight * highlightStrength, 1.0f));
}

QRgb readingAs(Rgb mixed, Rgb pegOnly, int colour)
{
    const auto read = [](QRgb pixel) {
        return classifyPegColour(qRed(pixel), qGreen(pixel), qBlue(pixel));
    };
    QRgb pixel = stored(mixed);
    if (read(pixel) == 0 || read(pixel) == colour)
        return pixel;
    if (colour >= 2 && colour <= 7) {
        for (int step = 1; step <= leaningSteps; ++step) {
            pixel = stored(mix(mixed, pegOnly, float(step) / leaningSteps));
            if (read(pixel) == colour)
                return pixel;
        }
    }
    int red = qRed(pixel);
    int green = qGreen(pixel);
    int blue = qBlue(pixel);
    while (classifyPegColour(red, green, blue) != 0) {
        red = red * 97 / 100;
        green = green * 97 / 100;
        blue = blue * 97 / 100;
    }
    return qRgb(red, green, blue);
}
