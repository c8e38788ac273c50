#include "BoardReader.h"

#include "SkinFacts.h"
#include "assets/Pictures.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

constexpr std::array candidates = {0, 2, 3, 4, 5, 6, 7, 8, 9};
// Channel differences up to this come from rounding in blending; a different peg or the bare
// skin differs by far more on most pixels.
constexpr int channelTolerance = 24;
// The share of a display's pixels that may disagree with the best picture and still count.
constexpr double acceptedMismatch = 0.1;

// Peg displays pRC, key places hR and code pegs mC: a letter of these three and digits.
bool isDisplay(const Element& element)
{
    const std::string_view name = element.name;
    return name.size() >= 2 && std::string_view("phm").find(name[0]) != std::string_view::npos &&
           std::ranges::all_of(name.substr(1), [](char c) { return c >= '0' && c <= '9'; });
}

int distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

struct Fit
{
    // The sum of the pixels' distances decides between pictures, so that a peg drawn on a
    // background of nearly its own colour is still told from the bare background.
    qint64 totalDistance = 0;
    qsizetype mismatches = 0;
};

// The skin under a display with the peg picture of a colour drawn over it at its natural size.
QImage expectedLook(const QImage& skin, QRect rect, int colour)
{
    QImage look = skin.copy(rect).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (colour != 0) {
        QPainter painter(&look);
        painter.drawPixmap(0, 0, Pictures::peg(colour));
    }
    return look;
}

int readDisplay(const QImage& window, const QImage& skin, std::span<const Element> elements,
                const Element& display)
{
    const QRgb key = skin.pixel(0, 0);
    std::vector<QPoint> judged;
    for (int y = display.rect.top(); y <= display.rect.bottom(); ++y) {
        for (int x = display.rect.left(); x <= display.rect.right(); ++x) {
            const QPoint p(x, y);
            const bool shared = std::ranges::any_of(elements, [&](const Element& other) {
                return &other != &display && isDisplay(other) && other.rect.contains(p);
            });
            if (!shared && skin.rect().contains(p) && skin.pixel(p) != key)
                judged.push_back(p);
        }
    }
    if (judged.empty())
        return -1;

    std::array<Fit, candidates.size()> fits{};
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const QImage look = expectedLook(skin, display.rect, candidates[i]);
        for (const QPoint p : judged) {
            const int d = distance(window.pixel(p), look.pixel(p - display.rect.topLeft()));
            fits[i].totalDistance += d;
            fits[i].mismatches += d > channelTolerance ? 1 : 0;
        }
    }
    const auto best = std::ranges::min_element(fits, {}, &Fit::totalDistance);
    const bool unique = std::ranges::count(fits, best->totalDistance, &Fit::totalDistance) == 1;
    if (!unique || best->mismatches > acceptedMismatch * double(judged.size()))
        return -1;
    return candidates[std::size_t(best - fits.begin())];
}

} // namespace

std::vector<PegReading> readBoard(const QImage& window, const QImage& skin,
                                  std::span<const Element> elements)
{
    const QImage shot = window.convertToFormat(QImage::Format_RGB32);
    std::vector<PegReading> readings;
    for (const Element& element : elements) {
        if (isDisplay(element))
            readings.push_back({elementLabel(element), readDisplay(shot, skin, elements, element)});
    }
    return readings;
}
