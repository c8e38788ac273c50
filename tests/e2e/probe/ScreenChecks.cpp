#include "ScreenChecks.h"

bool checkShape(const QImage& skin, const std::vector<QRect>& rects, QTextStream& out)
{
    const QRgb key = skin.pixel(0, 0);
    std::vector<int> cover(static_cast<std::size_t>(skin.width()) * skin.height(), 0);
    qsizetype area = 0;
    qsizetype outsideSkin = 0;
    for (const QRect& rect : rects) {
        area += qsizetype(rect.width()) * rect.height();
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                if (skin.rect().contains(x, y))
                    ++cover[static_cast<std::size_t>(y) * skin.width() + x];
                else
                    ++outsideSkin;
            }
        }
    }

    qsizetype nonKey = 0, missing = 0, extra = 0, twice = 0;
    for (int y = 0; y < skin.height(); ++y) {
        for (int x = 0; x < skin.width(); ++x) {
            const int count = cover[static_cast<std::size_t>(y) * skin.width() + x];
            const bool kept = skin.pixel(x, y) != key;
            nonKey += kept ? 1 : 0;
            missing += kept && count == 0 ? 1 : 0;
            extra += !kept && count > 0 ? 1 : 0;
            twice += count > 1 ? 1 : 0;
        }
    }
    out << "rectangles=" << rects.size() << " area=" << area << " nonkey=" << nonKey
        << " missing=" << missing << " extra=" << (extra + outsideSkin) << " twice=" << twice
        << '\n';
    return area == nonKey && missing == 0 && extra == 0 && outsideSkin == 0 && twice == 0;
}

bool checkCutAway(const QImage& window, const QImage& skin, QRgb root, QTextStream& out)
{
    const QRgb key = skin.pixel(0, 0);
    const QImage shot = window.convertToFormat(QImage::Format_RGB32);
    qsizetype keyNotRoot = 0, keptShowingRoot = 0, rootInSkin = 0;
    for (int y = 0; y < skin.height(); ++y) {
        for (int x = 0; x < skin.width(); ++x) {
            const QRgb skinPixel = skin.pixel(x, y);
            const bool showsRoot = (shot.pixel(x, y) & RGB_MASK) == (root & RGB_MASK);
            rootInSkin += (skinPixel & RGB_MASK) == (root & RGB_MASK) ? 1 : 0;
            if (skinPixel == key)
                keyNotRoot += showsRoot ? 0 : 1;
            else
                keptShowingRoot += showsRoot ? 1 : 0;
        }
    }
    out << "key_not_background=" << keyNotRoot << " kept_showing_background=" << keptShowingRoot
        << " background_in_skin=" << rootInSkin << '\n';
    return keyNotRoot == 0 && keptShowingRoot == 0 && rootInSkin == 0;
}

qsizetype countDifferences(const QImage& a, const QImage& b, QRect area)
{
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    qsizetype differences = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const bool inBoth = first.rect().contains(x, y) && second.rect().contains(x, y);
            if (!inBoth || first.pixel(x, y) != second.pixel(x, y))
                ++differences;
        }
    }
    return differences;
}
