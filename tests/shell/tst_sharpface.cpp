#include "CommittedSkin.h"
#include "assets/Pictures.h"
#include "assets/RunPicture.h"
#include "shell/SharpFace.h"
#include "shell/SkinShape.h"

#include <QPaintEngine>
#include <QPainter>
#include <QTest>
#include <QTransform>
#include <algorithm>

class SharpFaceTest : public QObject
{
    Q_OBJECT

private slots:
    void ratios_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("2") << 2.0 << QSize(898, 1126);
        QTest::newRow("1.5") << 1.5 << QSize(674, 845);
        QTest::newRow("1.25") << 1.25 << QSize(561, 704);
    }

    // Opaque exactly on the window's shape as Qt scales it for the screen, transparent beside
    // it, with no pixel half way: no seam, no fringe of the key colour.
    void coversTheScaledShapeExactly_data() { ratios_data(); }
    void coversTheScaledShapeExactly()
    {
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        const QImage face = Pictures::face();
        SharpFace sharpFace(face, ratio);
        const QImage sharp = sharpFace.image();
        QCOMPARE(sharp.size(), pixels);
        QCOMPARE(sharp.devicePixelRatio(), ratio);
        QImage shape(pixels, QImage::Format_Grayscale8);
        shape.fill(0);
        for (const QRect& rect : QTransform::fromScale(ratio, ratio).map(BuildSkinRegion(face))) {
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                std::fill_n(shape.scanLine(y) + rect.left(), rect.width(), 255);
        }
        int wrong = 0;
        for (int y = 0; y < sharp.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(sharp.constScanLine(y));
            for (int x = 0; x < sharp.width(); ++x)
                wrong += qAlpha(line[x]) != shape.constScanLine(y)[x];
        }
        QCOMPARE(wrong, 0);

        // Painted straight into a window's backing store, the face is what the copy shows, on
        // just the device pixels that the paint event may change.
        QImage store(pixels, QImage::Format_ARGB32_Premultiplied);
        store.fill(Qt::green);
        store.setDevicePixelRatio(ratio);
        const QRegion asked = QRegion(40, 500, 48, 48) + QRect(300, 0, 200, 300);
        {
            QPainter painter(&store);
            painter.paintEngine()->setSystemClip(asked);
            QVERIFY(sharpFace.paintInPlace(painter));
        }
        for (int y = 0; y < pixels.height(); ++y) {
            for (int x = 0; x < pixels.width(); ++x) {
                const QRgb expected =
                    asked.contains(QPoint(x, y)) ? sharp.pixel(x, y) : 0xFF00FF00u;
                wrong += store.pixel(x, y) != expected;
            }
        }
        QCOMPARE(wrong, 0);
    }

    void showsTheLargeSkinAsItIsAtRatio2()
    {
        const QImage large = committedLargeSkin();
        const QImage sharp = SharpFace(Pictures::face(), 2.0).image();
        int unlike = 0;
        for (int y = 0; y < sharp.height(); ++y) {
            for (int x = 0; x < sharp.width(); ++x) {
                const QRgb shown = sharp.pixel(x, y);
                unlike += qAlpha(shown) != 0 && shown != large.pixel(x, y);
            }
        }
        QCOMPARE(unlike, 0);
    }

    // Where the device's size rounds away from the face's size times the ratio, a pixel at the
    // outline may sample only the large face's outside: a face of one colour keeps it there too.
    void keepsTheColourOfItsOutline()
    {
        QImage plain = Pictures::face().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x)
                plain.setPixel(x, y, qAlpha(plain.pixel(x, y)) ? 0xFFFF0000u : 0u);
        }
        const QByteArray stored = RunPicture::encode(plain.scaled(plain.size() * 2));
        const RunPicture::Rows large(stored);
        QImage device(505, 633, QImage::Format_ARGB32_Premultiplied);
        ResampledFace(plain, 1.125, large).paint(device, QRegion(device.rect()));
        const auto* pixels = reinterpret_cast<const QRgb*>(device.constBits());
        QCOMPARE(std::count_if(pixels, pixels + 505 * 633,
                               [](QRgb pixel) { return pixel != 0 && pixel != 0xFFFF0000u; }),
                 0);
    }
};

QTEST_MAIN(SharpFaceTest)
#include "tst_sharpface.moc"
