#include "SkinFacts.h"

#include "Clearance.h"
#include "layout/MainLayout.h"
#include "pegs/PegColour.h"

#include <QStringList>

namespace {

bool isPalette(const Element& element)
{
    return element.name == "koliky";
}

void writePoint(QTextStream& out, const QString& name, const std::optional<QPoint>& point)
{
    if (point)
        out << name << "=\"" << point->x() << ' ' << point->y() << "\"\n";
}

} // namespace

QString elementLabel(const Element& element)
{
    QString label = QString::fromUtf8(element.name.data(), qsizetype(element.name.size()));
    if (element.index >= 0)
        label += QLatin1Char('_') + QString::number(element.index);
    return label;
}

void writeSkinFacts(const QImage& skin, std::span<const Element> elements, QTextStream& out)
{
    const QRgb key = skin.pixel(0, 0);
    const auto isKey = [&](QPoint p) { return skin.pixel(p) == key; };
    // Routing every pixel once keeps the searches below fast enough for every test's start.
    std::vector<const Element*> takers(static_cast<std::size_t>(skin.width()) * skin.height());
    for (int y = 0; y < skin.height(); ++y) {
        for (int x = 0; x < skin.width(); ++x) {
            const auto index = MainLayout::elementAt(elements, QPoint(x, y));
            takers[static_cast<std::size_t>(y) * skin.width() + x] =
                index ? &elements[*index] : nullptr;
        }
    }
    const auto takerAt = [&](QPoint p) {
        return takers[static_cast<std::size_t>(p.y()) * skin.width() + p.x()];
    };

    qsizetype nonKey = 0;
    for (int y = 0; y < skin.height(); ++y) {
        for (int x = 0; x < skin.width(); ++x)
            nonKey += isKey(QPoint(x, y)) ? 0 : 1;
    }
    out << "skin_width=" << skin.width() << "\nskin_height=" << skin.height()
        << "\nnonkey_pixels=" << nonKey << '\n';

    QStringList corners;
    const int right = skin.width() - 1;
    const int bottom = skin.height() - 1;
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
        if (isKey(corner))
            corners << QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y());
    }
    out << "key_corners=\"" << corners.join(QLatin1Char(' ')) << "\"\n";

    for (int colour = 2; colour <= 7; ++colour) {
        writePoint(out, QStringLiteral("palette_%1").arg(colour),
                   deepestPoint(skin.size(), [&](QPoint p) {
                       const Element* taker = takerAt(p);
                       const QRgb pixel = skin.pixel(p);
                       return taker && isPalette(*taker) &&
                              classifyPegColour(qRed(pixel), qGreen(pixel), qBlue(pixel)) == colour;
                   }));
    }
    writePoint(out, QStringLiteral("bare_skin"), deepestPoint(skin.size(), [&](QPoint p) {
                   return !isKey(p) && takerAt(p) == nullptr;
               }));

    for (const Element& element : elements) {
        const QRect r = element.rect;
        out << "elem_" << elementLabel(element) << "=\"" << r.x() << ' ' << r.y() << ' '
            << r.width() << ' ' << r.height() << "\"\n";
    }
}
