#include "tools/draw/TitleStrip.h"

#include "layout/MainLayout.h"
#include "tools/draw/Random.h"

#include <QImage>
#include <array>
#include <string_view>

namespace {

constexpr QRect band{250, 1, 198, 50};
constexpr QRgb bandGrey = 0xffc0c0c0;
constexpr QRgb key = 0xffff00ff;

// Streaks cut into the band's edges. The vertical ones keep away from the ends and the
// horizontal ones stay shorter than that, so no corner is ever cut off the band.
constexpr int longestEndStreak = 9;
constexpr int deepestEdgeStreak = 4;
constexpr int edgeStreakMargin = 12;

struct Glyph
{
    TitleAction action;
    std::array<std::string_view, 7> rows;
};

// clang-format off
constexpr std::array glyphs = {
    Glyph{TitleAction::About,
          {"..##..", "..##..", "..##..", "..##..", "..##..", "......", "..##.."}},
    Glyph{TitleAction::Help,
          {".####.", "##..##", "....##", "...##.", "..##..", "......", "..##.."}},
    Glyph{TitleAction::Minimise,
          {"......", "......", "......", "......", "......", "......", "######"}},
    Glyph{TitleAction::Close,
          {"##....##", ".##..##.", "..####..", "...##...", "..####..", ".##..##.", "##....##"}},
};
// clang-format on

void fray(QImage& skin)
{
    Random random(5);
    for (int y = band.top() + 2; y < band.bottom() - 1; ++y) {
        if (random.unit() < 0.35f) {
            const int length = random.integer(2, longestEndStreak);
            for (int i = 0; i < length; ++i)
                skin.setPixel(band.left() + i, y, key);
        }
        if (random.unit() < 0.35f) {
            const int length = random.integer(2, longestEndStreak);
            for (int i = 0; i < length; ++i)
                skin.setPixel(band.right() - i, y, key);
        }
    }
    for (int x = band.left() + edgeStreakMargin; x <= band.right() - edgeStreakMargin; ++x) {
        if (random.unit() < 0.3f) {
            const int length = random.integer(1, deepestEdgeStreak);
            for (int i = 0; i < length; ++i)
                skin.setPixel(x, band.top() + i, key);
        }
        if (random.unit() < 0.3f) {
            const int length = random.integer(1, deepestEdgeStreak);
            for (int i = 0; i < length; ++i)
                skin.setPixel(x, band.bottom() - i, key);
        }
    }
}

// A raised button: light on the top and left, dark on the bottom and right, two pixels deep.
void paintButton(QImage& skin, QRect box, const Glyph& glyph)
{
    constexpr std::array<QRgb, 2> light = {0xffffffff, 0xffdfdfdf};
    constexpr std::array<QRgb, 2> dark = {0xff404040, 0xff808080};
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const int fromTopLeft = std::min(x - box.left(), y - box.top());
            const int fromBottomRight = std::min(box.right() - x, box.bottom() - y);
            QRgb colour = bandGrey;
            if (fromBottomRight < 2)
                colour = dark[std::size_t(fromBottomRight)];
            else if (fromTopLeft < 2)
                colour = light[std::size_t(fromTopLeft)];
            skin.setPixel(x, y, colour);
        }
    }
    const int width = int(glyph.rows[0].size());
    const int left = box.left() + (box.width() - width) / 2;
    const int top = box.top() + 3;
    for (std::size_t row = 0; row < glyph.rows.size(); ++row) {
        for (int column = 0; column < width; ++column) {
            if (glyph.rows[row][std::size_t(column)] == '#')
                skin.setPixel(left + column, top + int(row), 0xff000000);
        }
    }
}

} // namespace

void paintTitleStrip(QImage& skin)
{
    for (int y = band.top(); y <= band.bottom(); ++y) {
        for (int x = band.left(); x <= band.right(); ++x)
            skin.setPixel(x, y, bandGrey);
    }
    fray(skin);
    for (const Element& element : MainLayout::createElements()) {
        for (const Glyph& glyph : glyphs) {
            if (element.role.action == glyph.action)
                paintButton(skin, element.rect, glyph);
        }
    }
}
