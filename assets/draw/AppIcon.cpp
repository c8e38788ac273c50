#include "assets/draw/AppIcon.h"

#include "assets/draw/Materials.h"
#include "assets/draw/Random.h"

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

void drawTray(QPainter& painter)
{
    painter.save();
    painter.translate(45, 25);
    painter.rotate(45);
    const QRectF outer(-24, -9, 48, 18);
    QLinearGradient wall(outer.topLeft(), outer.bottomRight());
    wall.setColorAt(0, plastic(1.45));
    wall.setColorAt(1, plastic(0.8));
    painter.setPen(QPen(plastic(0.55), 0.8));
    painter.setBrush(wall);
    painter.drawRoundedRect(outer, 2.5, 2.5);
    painter.setBrush(plastic(0.6));
    painter.drawRoundedRect(outer.adjusted(3, 3, -3, -3), 1.5, 1.5);
    Random random(3);
    for (int i = 0; i < 30; ++i) {
        const QPointF place(random.between(-19, 19), random.between(-4.5f, 4.5f));
        drawPeg(painter, place, i % 6 == 5 ? 1.6 : 2.6, 2 + i % 8);
    }
    painter.restore();
}

void drawBoard(QPainter& painter)
{
    painter.save();
    painter.translate(22, 36);
    painter.rotate(-14);
    const QRectF plate(-14, -26, 28, 52);
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
        const qreal y = -19 + qreal(row) * 8.2;
        for (std::size_t column = 0; column < 4; ++column)
            drawPeg(painter, QPointF(-2.5 + qreal(column) * 4.8, y), 2.1, rows[row][column]);
        drawPeg(painter, QPointF(-10, y - 1.3), 1.1, row % 2 == 0 ? 8 : 9);
        drawPeg(painter, QPointF(-7.4, y + 1.3), 1.1, 9);
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
        drawTray(painter);
        drawBoard(painter);
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
