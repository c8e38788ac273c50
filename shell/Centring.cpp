#include "shell/Centring.h"

#include "layout/MainLayout.h"

#include <cmath>

int centredTwips(double screenTwips, double windowTwips)
{
    // Sizes are single precision in the design's units; the default rounding mode of
    // nearbyint is to nearest with halves to even.
    const float difference = static_cast<float>(screenTwips) - static_cast<float>(windowTwips);
    return static_cast<int>(std::nearbyint(difference)) / 2;
}

namespace {

int centredPixels(int screen, int window)
{
    constexpr int twips = MainLayout::twipsPerPixel;
    const int edge = centredTwips(double(screen) * twips, double(window) * twips);
    return static_cast<int>(std::lround(double(edge) / twips));
}

} // namespace

QPoint centredPosition(QSize screenPixels, QSize windowPixels)
{
    return {centredPixels(screenPixels.width(), windowPixels.width()),
            centredPixels(screenPixels.height(), windowPixels.height())};
}
