#include "layout/MainLayout.h"
#include "tools/draw/Board.h"
#include "tools/draw/Raster.h"

#include <QPainter>

namespace {

// The row numbers stand between the key holes (up to x 57) and the guess holes (from x 91).
constexpr float digitCentreX = 75;
constexpr float digitSize = 17;

// The name's capitals span the board's width under the script.
constexpr QRectF capitalsBox{15, 146, 180, 22};

QPainterPath centred(const QPainterPath& path, QPointF centre)
{
    return path.translated(centre - path.boundingRect().center());
}

// Letters rise from the plastic with a rounded shoulder under a pixel wide.
Field raised(const Surface& surface, const std::function<void(QPainter&)>& draw)
{
    return blurred(coverage(surface.height.size(), float(surface.scale), draw),
                   surface.scale * 2 / 3);
}

} // namespace

namespace Board {

Field lettering(const Surface& surface)
{
    std::vector<QPainterPath> digits;
    for (const Element& element : MainLayout::createElements()) {
        // The first click target of a row gives the row's number and its middle.
        if (element.role.kind == ElementKind::Hole && element.role.column == 1) {
            const QPointF centre(digitCentreX, QRectF(element.rect).center().y());
            const QString number = QString::number(element.role.row);
            digits.push_back(centred(textOutline(Face::SansBold, digitSize, number), centre));
        }
    }
    QPainterPath capitals = textOutline(Face::SerifBold, 26, QStringLiteral("TRELLIQ"));
    const QRectF bounds = capitals.boundingRect();
    capitals =
        QTransform()
            .translate(capitalsBox.left(), capitalsBox.top())
            .scale(capitalsBox.width() / bounds.width(), capitalsBox.height() / bounds.height())
            .translate(-bounds.left(), -bounds.top())
            .map(capitals);
    return raised(surface, [&](QPainter& painter) {
        for (const QPainterPath& digit : digits)
            painter.drawPath(digit);
        painter.drawPath(capitals);
    });
}

Field printedLettering(const Surface& surface)
{
    // The script is the serif face leaning forward.
    QPainterPath script = textOutline(Face::SerifBold, 32, QStringLiteral("Vore"));
    script = QTransform().shear(-0.3, 0).map(script);
    const QPainterPath placed = centred(script, QPointF(62, 127));
    return raised(surface, [&](QPainter& painter) { painter.drawPath(placed); });
}

} // namespace Board
