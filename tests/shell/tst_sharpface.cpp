#include "CommittedSkin.h"
#include "assets/Pictures.h"
#include "shell/SharpFace.h"
#include "shell/SkinShape.h"

#include <QPaintEngine>
#include <QPainter>
#include <QTest>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace {

// The skin column or row that Qt paints on a device column or row, as it rounds scaled edges.
int skinAt(int device, qreal ratio)
{
    return int(std::ceil((device + 0.5) / ratio)) - 1;
}

// A device pixel as a plain bilinear resample of the large skin gives it: the four large pixels
// round its centre mixed by nearness, each as far as it lies over a kept pixel of the plain face,
// so that the cut-away outside leaves the colour as it is. Its alpha is the kept share of the mix;
// where it takes in no kept pixel, the face's own pixel shows.
QRgb resampled(const QImage& large, const QImage& face, qreal ratio, QSize device, int x, int y)
{
    const auto place = [](int at, int from, int to) {
        return std::max((at + 0.5) * from / to - 0.5, 0.0);
    };
    const double px = place(x, large.width(), device.width());
    const double py = place(y, large.height(), device.height());
    double sum[4] = {};
    for (int i = 0; i < 4; ++i) {
        const int lx = std::min(int(px) + i % 2, large.width() - 1);
        const int ly = std::min(int(py) + i / 2, large.height() - 1);
        const double weight = std::abs(1 - i % 2 - px + int(px)) *
                              std::abs(1 - i / 2 - py + int(py)) *
                              (qAlpha(face.pixel(lx / 2, ly / 2)) != 0);
        for (int channel = 0; channel < 3; ++channel)
            sum[channel] += weight * (large.pixel(lx, ly) >> (16 - 8 * channel) & 0xff);
        sum[3] += weight;
    }
    if (sum[3] == 0)
        return face.pixel(skinAt(x, ratio), skinAt(y, ratio));
    return qRgba(qRound(sum[0] / sum[3]), qRound(sum[1] / sum[3]), qRound(sum[2] / sum[3]),
                 qRound(sum[3] * 255));
}

// Opaque where the resample has a kept share and transparent elsewhere, in the resample's colour
// within a level or so a channel, as far as that share goes: a mix that took in little of the
// kept pixels says little of their colour.
bool unlike(QRgb shown, QRgb expected)
{
    const int apart = std::max({std::abs(qRed(shown) - qRed(expected)),
                                std::abs(qGreen(shown) - qGreen(expected)),
                                std::abs(qBlue(shown) - qBlue(expected))});
    return qAlpha(shown) != (qAlpha(expected) ? 255 : 0) || apart * qAlpha(expected) > 3 * 255;
}

} // namespace

class SharpFaceTest : public QObject
{
    Q_OBJECT

private slots:
    // The large skin resampled as above on exactly the window's shape as Qt scales it for the
    // screen: no seam, no fringe of the key colour, at the edge the colour of the kept pixels
    // alone. Painted straight into a window's backing store, the same on just the device pixels
    // that the paint event may change.
    void showsTheLargeSkinOnTheScaledShape_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("2") << 2.0 << QSize(898, 1126);
        QTest::newRow("1.5") << 1.5 << QSize(674, 845);
        QTest::newRow("1.25") << 1.25 << QSize(561, 704);
        QTest::newRow("1.125") << 1.125 << QSize(505, 633);
    }
    void showsTheLargeSkinOnTheScaledShape()
    {
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        const QImage face = Pictures::face(), large = committedLargeSkin();
        const QRegion shape = BuildSkinRegion(face);
        SharpFace sharpFace(face, shape, ratio);
        const QImage sharp = sharpFace.image();
        QCOMPARE(sharp.size(), pixels);
        QCOMPARE(sharp.devicePixelRatio(), ratio);
        // The data-parallel form, where the processor has one, gives the portable form's pixels.
        QCOMPARE(sharp, SharpFace(face, shape, ratio, &FaceMix::paintRunPortable).image());
        QImage expected(pixels, QImage::Format_ARGB32);
        expected.fill(0);
        for (const QRect& rect : QTransform::fromScale(ratio, ratio).map(shape)) {
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                for (int x = rect.left(); x <= rect.right(); ++x)
                    expected.setPixel(x, y, resampled(large, face, ratio, pixels, x, y));
            }
        }
        QImage store(pixels, QImage::Format_ARGB32_Premultiplied);
        store.fill(Qt::green);
        store.setDevicePixelRatio(ratio);
        // Bands directly below others that reach past their columns: the rows read for the band
        // above hold none of those columns. At each ratio the first row of one of the two lower
        // bands samples a row of the large face that the row above it sampled too.
        const QRegion asked = QRegion(40, 500, 48, 48) + QRect(300, 0, 200, 300) +
                              QRect(250, 300, 250, 1) + QRect(200, 301, 300, 60);
        {
            QPainter painter(&store);
            painter.paintEngine()->setSystemClip(asked);
            QVERIFY(sharpFace.paintInPlace(painter));
        }
        int wrong = 0, wrongInPlace = 0;
        for (int y = 0; y < pixels.height(); ++y) {
            for (int x = 0; x < pixels.width(); ++x) {
                wrong += unlike(sharp.pixel(x, y), expected.pixel(x, y));
                wrongInPlace += store.pixel(x, y) !=
                                (asked.contains(QPoint(x, y)) ? sharp.pixel(x, y) : 0xFF00FF00u);
            }
        }
        QCOMPARE(wrong, 0);
        QCOMPARE(wrongInPlace, 0);
    }
};

QTEST_MAIN(SharpFaceTest)
#include "tst_sharpface.moc"
