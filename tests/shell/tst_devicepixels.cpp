#include "shell/DevicePixels.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QTest>
#include <QTransform>

namespace {

// Every pixel names its own place, so a painted copy tells where each device pixel came from.
QImage placeCoded(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x >> 8) | (y >> 8) << 4));
    }
    return image;
}

QPoint placeOf(QRgb pixel)
{
    return {qRed(pixel) | (qBlue(pixel) & 0xF) << 8, qGreen(pixel) | (qBlue(pixel) >> 4) << 8};
}

} // namespace

class DevicePixelsTest : public QObject
{
    Q_OBJECT

private slots:
    void ratios_data()
    {
        QTest::addColumn<qreal>("ratio");
        for (const qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0})
            QTest::newRow(qPrintable(QString::number(ratio))) << ratio;
    }

    // A press reaches the skin pixel that Qt paints under it, also where the window is painted
    // in pieces, as after a partial update.
    void pressesLandOnThePixelPainted_data() { ratios_data(); }
    void pressesLandOnThePixelPainted()
    {
        QFETCH(qreal, ratio);
        const QImage skin = placeCoded(QSize(449, 563));
        QImage screen((QSizeF(skin.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        screen.setDevicePixelRatio(ratio);
        screen.fill(Qt::transparent);
        QPainter painter(&screen);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect piece : {QRect(0, 0, 449, 300), QRect(0, 300, 217, 263),
                                  QRect(217, 300, 232, 263), QRect(83, 510, 32, 32)}) {
            painter.setClipRect(piece);
            painter.drawImage(piece.topLeft(), skin, piece);
        }
        painter.end();

        // Pressed on each device pixel's top-left corner and at a fraction inside it, which
        // must not read as the next one.
        int wrong = 0;
        for (int y = 0; y < screen.height(); ++y) {
            for (int x = 0; x < screen.width(); ++x) {
                const QPoint painted = placeOf(screen.pixel(x, y));
                for (const qreal inside : {0.0, 0.7}) {
                    const QPointF position = QPointF(x + inside, y + inside) / ratio;
                    if (skinPixelAt(position, ratio) != painted && ++wrong <= 3)
                        qWarning() << "device" << x << y << "shows" << painted << "a press at"
                                   << position << "reads" << skinPixelAt(position, ratio);
                    if (devicePixelAt(position, ratio) != QPoint(x, y) && ++wrong <= 3)
                        qWarning() << "a press at" << position << "on device" << x << y
                                   << "reads as" << devicePixelAt(position, ratio);
                }
            }
        }
        QCOMPARE(wrong, 0);
    }

    // A press within the window's shape, as Qt scales it for the screen, lies on a pixel of the
    // unscaled shape, and one outside it on none.
    void pressesFollowTheScaledShape_data() { ratios_data(); }
    void pressesFollowTheScaledShape()
    {
        QFETCH(qreal, ratio);
        // Rows one pixel high of odd lengths and places, as a skin's shape is made of.
        QRegion shape;
        for (int y = 0; y < 60; ++y)
            shape += QRect((y * 7) % 13, y, 1 + (y * 5) % 11, 1);
        const QRegion scaled = QTransform::fromScale(ratio, ratio).map(shape);
        const QRect device = scaled.boundingRect().adjusted(-2, -2, 2, 2);
        int wrong = 0;
        for (int y = device.top(); y <= device.bottom(); ++y) {
            for (int x = device.left(); x <= device.right(); ++x) {
                const QPoint pixel = skinPixelAt(QPointF(x, y) / ratio, ratio);
                wrong += scaled.contains(QPoint(x, y)) != shape.contains(pixel);
            }
        }
        QCOMPARE(wrong, 0);
    }
};

QTEST_GUILESS_MAIN(DevicePixelsTest)
#include "tst_devicepixels.moc"
