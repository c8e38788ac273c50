#include "tools/draw/AppIcon.h"

#include "tools/draw/Materials.h"
#include "tools/draw/Random.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <array>

namespace {

// The icon is designed on a grid of 64 units and drawn at any size.
constexpr qreal designSize = 64;

QColor toColour(Rgb colour)
{
    return QColor::fromRgbF(colour.r, colour.g, colour.b);
}

QColor plastic(qreal lightness)
{
    return toColour(Materials::plastic).lighter(int(lightness * 100));
}

void drawPeg(QPainter& painter, QPointF centre, qreal radius, int colour)
{
    const QColor base = toColour(Materials::pegPaint(colour).icon);
    QRadialGradient shine(centre - QPointF(radius * 0.4, radius * 0.4), radius * 1.6);
    shine.setColorAt(0, base.lighter(135));
    shine.setColorAt(0.5, base);
    shine.setColorAt(1, base.darker(170));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawEllipse(centre + QPointF(radius * 0.35, radius * 0.35), radius, radius);
    painter.setBrush(shine);
    painter.drawEllipse(centre, radius, radius);
}

// Below this size a pixel is too coarse for key pegs and the smallest loose pegs.
constexpr int smallestDetailedSize = 32;

enum class Detail
{
    Full,
    Reduced
};

void drawTray(QPainter& painter, Detail detail)
{
    painter.save();
    painter.translate(43.5, 22);
    painter.rotate(45);
    const QRectF outer(-19, -8, 38, 16);
    QLinearGradient wall(outer.topLeft(), outer.bottomRight());
    wall.setColorAt(0, plastic(1.45));
    wall.setColorAt(1, plastic(0.8));
    painter.setPen(QPen(plastic(0.55), 0.8));
    painter.setBrush(wall);
    painter.drawRoundedRect(outer, 2.5, 2.5);
    painter.setBrush(plastic(0.6));
    painter.drawRoundedRect(outer.adjusted(3, 3, -3, -3), 1.5, 1.5);
    Random random(3);
    const int pegs = detail == Detail::Full ? 26 : 10;
    for (int i = 0; i < pegs; ++i) {
        const QPointF place(random.between(-14.5f, 14.5f), random.between(-3.5f, 3.5f));
        const int colour = detail == Detail::Full ? 2 + i % 8 : 2 + i % 6;
        drawPeg(painter, place, colour >= 8 ? 1.6 : 2.6, colour);
    }
    painter.restore();
}

void drawBoard(QPainter& painter, Detail detail)
{
    painter.save();
    painter.translate(21, 35);
    painter.rotate(-14);
    const QRectF plate(-13, -25, 26, 50);
    QLinearGradient face(plate.topLeft(), plate.bottomRight());
    face.setColorAt(0, plastic(1.5));
    face.setColorAt(1, plastic(0.85));
    painter.setPen(QPen(plastic(0.5), 1));
    painter.setBrush(face);
    painter.drawRoundedRect(plate, 3, 3);
    // Six rows of guesses, each with its key pegs on the left.
    constexpr std::array<std::array<int, 4>, 6> rows = {{
        {5, 3, 2, 6},
        {2, 4, 5, 7},
        {3, 2, 6, 4},
        {6, 7, 4, 2},
        {4, 6, 3, 5},
        {7, 5, 2, 3},
    }};
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const qreal y = -18.5 + qreal(row) * 7.9;
        for (std::size_t column = 0; column < 4; ++column)
            drawPeg(painter, QPointF(-2 + qreal(column) * 4.5, y), 2.0, rows[row][column]);
        if (detail == Detail::Full) {
            drawPeg(painter, QPointF(-9.4, y - 1.3), 1.1, row % 2 == 0 ? 8 : 9);
            drawPeg(painter, QPointF(-6.8, y + 1.3), 1.1, 9);
        }
    }
    painter.restore();
}

} // namespace

QImage drawApplicationIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    {
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / designSize, size / designSize);
        const Detail detail = size < smallestDetailedSize ? Detail::Reduced : Detail::Full;
        drawTray(painter, detail);
        drawBoard(painter, detail);
    }
    // The icon's mask has one bit a pixel: a pixel mostly covered keeps its colour, unblended,
    // and the rest becomes fully transparent.
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = icon.pixel(x, y);
            icon.setPixel(x, y, qAlpha(pixel) >= 128 ? (pixel | 0xff000000) : 0);
        }
    }
    return icon;
}
