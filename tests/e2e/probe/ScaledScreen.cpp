#include "ScaledScreen.h"

#include "Clearance.h"
#include "SkinFacts.h"
#include "layout/MainLayout.h"
#include "pegs/PegColour.h"

#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

ScaledSkin::ScaledSkin(const QImage& skin, double scale)
    : m_skin(skin.convertToFormat(QImage::Format_RGB32)), m_scale(scale)
{}

int ScaledSkin::firstDevicePixel(int x) const
{
    return lastDevicePixel(x - 1) + 1;
}

int ScaledSkin::lastDevicePixel(int x) const
{
    return static_cast<int>(std::floor((x + 1) * m_scale - 0.5));
}

QSize ScaledSkin::deviceSize() const
{
    return {static_cast<int>(std::lround(m_skin.width() * m_scale)),
            static_cast<int>(std::lround(m_skin.height() * m_scale))};
}

QPoint ScaledSkin::skinPixelAt(QPoint device) const
{
    // Searched rather than computed, so the answer rests on the two edges above alone.
    const auto along = [&](int d, int extent) {
        int x = std::max(0, static_cast<int>(d / m_scale) - 2);
        while (x < extent - 1 && lastDevicePixel(x) < d)
            ++x;
        return x;
    };
    return {along(device.x(), m_skin.width()), along(device.y(), m_skin.height())};
}

namespace {

int colourAt(const QImage& skin, QPoint p)
{
    const QRgb pixel = skin.pixel(p);
    return classifyPegColour(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

void writePoint(QTextStream& out, const QString& name, QPoint p)
{
    out << name << "=\"" << p.x() << ' ' << p.y() << "\"\n";
}

struct Taker
{
    std::span<const Element> elements;
    bool isPalette(QPoint p) const
    {
        const auto index = MainLayout::elementAt(elements, p);
        return index && elements[*index].name == "koliky";
    }
};

} // namespace

void writeScaledFacts(const QImage& skin, std::span<const Element> elements, double scale,
                      QTextStream& out)
{
    const ScaledSkin scaled(skin, scale);
    const Taker taker{elements};
    const auto middle = [&](QPoint p) {
        return QPoint((scaled.firstDevicePixel(p.x()) + scaled.lastDevicePixel(p.x())) / 2,
                      (scaled.firstDevicePixel(p.y()) + scaled.lastDevicePixel(p.y())) / 2);
    };
    out << "device_width=" << scaled.deviceSize().width()
        << "\ndevice_height=" << scaled.deviceSize().height()
        << "\npeg_device_size=" << std::lround(32 * scale) << '\n';

    for (int colour = 2; colour <= 7; ++colour) {
        const auto deep = deepestPoint(skin.size(), [&](QPoint p) {
            return taker.isPalette(p) && colourAt(skin, p) == colour;
        });
        if (!deep)
            continue;
        writePoint(out, QStringLiteral("deep_%1").arg(colour), middle(*deep));

        // The ways of getting it wrong that the chosen press must tell apart from the right one.
        const auto misreadings = [&](QPoint device) {
            return std::array{QPoint(qRound(device.x() / scale), qRound(device.y() / scale)),
                              QPoint(int(device.x() / scale), int(device.y() / scale))};
        };
        int bestCaught = 0;
        QPoint best;
        for (int y = 0; y < skin.height() && bestCaught < 2; ++y) {
            for (int x = 0; x < skin.width() && bestCaught < 2; ++x) {
                const QPoint p(x, y);
                if (!taker.isPalette(p) || colourAt(skin, p) != colour)
                    continue;
                const int first[2] = {scaled.firstDevicePixel(x), scaled.firstDevicePixel(y)};
                const int last[2] = {scaled.lastDevicePixel(x), scaled.lastDevicePixel(y)};
                for (const QPoint device : {QPoint(last[0], last[1]), QPoint(first[0], first[1]),
                                            QPoint(last[0], first[1]), QPoint(first[0], last[1])}) {
                    int caught = 0;
                    for (const QPoint wrong : misreadings(device)) {
                        if (skin.rect().contains(wrong) && wrong != p &&
                            colourAt(skin, wrong) != colour)
                            ++caught;
                    }
                    if (caught > bestCaught) {
                        bestCaught = caught;
                        best = device;
                    }
                }
            }
        }
        if (bestCaught > 0)
            writePoint(out, QStringLiteral("edge_%1").arg(colour), best);
    }

    const auto bare = deepestPoint(skin.size(), [&](QPoint p) {
        return skin.pixel(p) != skin.pixel(0, 0) && !MainLayout::elementAt(elements, p);
    });
    if (bare)
        writePoint(out, QStringLiteral("bare_device"), middle(*bare));
    for (const Element& element : elements) {
        writePoint(out, QStringLiteral("centre_") + elementLabel(element),
                   middle(element.rect.center()));
        const QRect r(QPoint(scaled.firstDevicePixel(element.rect.left()),
                             scaled.firstDevicePixel(element.rect.top())),
                      QPoint(scaled.lastDevicePixel(element.rect.right()),
                             scaled.lastDevicePixel(element.rect.bottom())));
        out << "box_" << elementLabel(element) << "=\"" << r.x() << ' ' << r.y() << ' ' << r.width()
            << ' ' << r.height() << "\"\n";
    }
}

void writeColourExtent(const QImage& shot, QRect area, int colour, QTextStream& out)
{
    qsizetype count = 0;
    QRect extent;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (shot.rect().contains(x, y) && colourAt(shot, QPoint(x, y)) == colour) {
                ++count;
                extent |= QRect(x, y, 1, 1);
            }
        }
    }
    out << count << ' ' << extent.width() << ' ' << extent.height() << '\n';
}

namespace {

// What a device pixel should show, drawn from the large skin: its pixel at scale 2, elsewhere the
// average of the large skin's kept pixels under the device pixel, weighted by how much of each
// it covers. Invalid where no kept pixel lies under it.
std::optional<QRgb> fromLargeSkin(const QImage& large, double scale, QPoint device)
{
    const QRgb key = large.pixel(0, 0);
    const double step = 2 / scale;
    const double left = device.x() * step, top = device.y() * step;
    double weight = 0, red = 0, green = 0, blue = 0;
    for (int y = int(top); y < top + step && y < large.height(); ++y) {
        const double h = std::min<double>(y + 1, top + step) - std::max<double>(y, top);
        for (int x = int(left); x < left + step && x < large.width(); ++x) {
            const QRgb pixel = large.pixel(x, y);
            if (pixel == key)
                continue;
            const double w = h * (std::min<double>(x + 1, left + step) - std::max<double>(x, left));
            weight += w;
            red += w * qRed(pixel);
            green += w * qGreen(pixel);
            blue += w * qBlue(pixel);
        }
    }
    if (weight <= 0)
        return std::nullopt;
    return qRgb(qRound(red / weight), qRound(green / weight), qRound(blue / weight));
}

int channelDifference(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

} // namespace

bool checkScaledWindow(const QImage& window, const QImage& skin, const QImage& largeSkin,
                       double scale, QRgb background, const std::vector<QRect>& shape,
                       QTextStream& out)
{
    const QImage large = largeSkin.convertToFormat(QImage::Format_RGB32);
    const ScaledSkin scaled(skin, scale);
    const QSize size = scaled.deviceSize();
    const QRgb key = skin.pixel(0, 0);
    const QImage shot = window.convertToFormat(QImage::Format_RGB32);
    QImage inShape(size, QImage::Format_Grayscale8);
    inShape.fill(0);
    qsizetype outsideWindow = 0;
    for (const QRect& rect : shape) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                if (inShape.rect().contains(x, y))
                    inShape.scanLine(y)[x] = 1;
                else
                    ++outsideWindow;
            }
        }
    }

    qsizetype shapeMissing = 0, shapeExtra = 0, seams = 0, backgroundMissing = 0;
    // How far, in the three channels together, the shown pixels lie from the large skin's and
    // from the plain skin's.
    double fromLarge = 0, fromPlain = 0;
    qsizetype compared = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QRgb skinPixel = skin.pixel(scaled.skinPixelAt(QPoint(x, y)));
            const bool kept = skinPixel != key;
            const bool shaped = inShape.scanLine(y)[x] != 0;
            shapeMissing += kept && !shaped;
            shapeExtra += !kept && shaped;
            const QRgb shown = shot.pixel(x, y) & RGB_MASK;
            if (!shaped) {
                backgroundMissing += shown != (background & RGB_MASK);
                continue;
            }
            // Transparent pixels show black in a window with no compositor behind it.
            seams +=
                shown == (background & RGB_MASK) || (shown == 0 && (skinPixel & RGB_MASK) != 0);
            if (const auto expected = fromLargeSkin(large, scale, QPoint(x, y))) {
                fromLarge += channelDifference(shown, *expected);
                fromPlain += channelDifference(shown, skinPixel);
                ++compared;
            }
        }
    }
    out << "device_size=" << size.width() << 'x' << size.height()
        << " shape_missing=" << shapeMissing << " shape_extra=" << (shapeExtra + outsideWindow)
        << " seams=" << seams << " background_missing=" << backgroundMissing
        << " off_large=" << fromLarge / compared << " off_plain=" << fromPlain / compared << '\n';
    // At scale 2 the large skin shows as it is; elsewhere smoothing may differ from a plain
    // average by a level or two a channel, and must lie nearer to it than to the plain skin.
    const double allowed = scale == 2 ? 0 : 6;
    return shapeMissing == 0 && shapeExtra == 0 && outsideWindow == 0 && seams == 0 &&
           backgroundMissing == 0 && compared > 0 && fromLarge / compared <= allowed &&
           fromLarge < fromPlain;
}

bool checkAboutText(const QImage& dialog, double scale, QTextStream& out)
{
    // The description's box and a blank point left of the separator, as the dialog lays them out.
    const QRect box = QTransform::fromScale(scale, scale).mapRect(QRectF(8, 83, 371, 110)).toRect();
    const QImage shot = dialog.convertToFormat(QImage::Format_RGB32);
    const QRgb blank = shot.pixel(QPointF(4 * scale, 196 * scale).toPoint());
    constexpr int bottomRows = 2;
    qsizetype ink = 0, inkAtBottom = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const bool inked = shot.pixel(x, y) != blank;
            ink += inked;
            inkAtBottom += inked && y > box.bottom() - bottomRows;
        }
    }
    out << "box=" << box.width() << 'x' << box.height() << " ink=" << ink
        << " ink_on_bottom_rows=" << inkAtBottom << '\n';
    return ink > box.width() * box.height() / 20 && inkAtBottom == 0;
}
