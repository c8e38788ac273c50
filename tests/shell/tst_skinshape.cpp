#include "CommittedSkin.h"
#include "assets/Pictures.h"
#include "assets/RawPicture.h"
#include "shell/SkinShape.h"

#include <QBitmap>
#include <QRandomGenerator>
#include <QTest>

namespace {

// Pixels by letter: k magenta, n one unit off magenta, g grey, b black. The key is whatever the
// top-left letter is.
QImage imageOf(const QStringList& rows)
{
    QImage image(rows.isEmpty() ? 0 : int(rows[0].size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const char letter = rows[y][x].toLatin1();
            image.setPixel(x, y,
                           letter == 'k'   ? qRgb(255, 0, 255)
                           : letter == 'n' ? qRgb(254, 0, 255)
                           : letter == 'b' ? qRgb(0, 0, 0)
                                           : qRgb(192, 192, 192));
        }
    }
    return image;
}

QList<QRect> rectsOf(const QRegion& region)
{
    return {region.begin(), region.end()};
}

qsizetype pixelsNotOfKey(const QImage& image)
{
    qsizetype count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != image.pixel(0, 0);
    }
    return count;
}

qsizetype areaOf(const QRegion& region)
{
    qsizetype area = 0;
    for (const QRect& rect : region)
        area += qsizetype(rect.width()) * rect.height();
    return area;
}

} // namespace

class SkinShapeTest : public QObject
{
    Q_OBJECT

private slots:
    void regionHoldsTheRunsOfNonKeyPixels_data()
    {
        QTest::addColumn<QStringList>("image");
        QTest::addColumn<QList<QRect>>("rects");
        QTest::newRow("one pixel")
            << QStringList{"kkk", "kgk", "kkk"} << QList<QRect>{{1, 1, 1, 1}};
        QTest::newRow("one unit off the key") << QStringList{"kn"} << QList<QRect>{{1, 0, 1, 1}};
        QTest::newRow("runs end at the right edge and never wrap")
            << QStringList{"kgg", "ggk"} << QList<QRect>{{1, 0, 2, 1}, {0, 1, 2, 1}};
        QTest::newRow("key inside the picture")
            << QStringList{"kgggg", "ggkgg"}
            << QList<QRect>{{1, 0, 4, 1}, {0, 1, 2, 1}, {3, 1, 2, 1}};
        QTest::newRow("top-left is the key, whatever its colour")
            << QStringList{"gkk", "kgk"} << QList<QRect>{{1, 0, 2, 1}, {0, 1, 1, 1}, {2, 1, 1, 1}};
        QTest::newRow("all key") << QStringList{"kk", "kk"} << QList<QRect>{};
        QTest::newRow("empty") << QStringList{} << QList<QRect>{};
    }

    void regionHoldsTheRunsOfNonKeyPixels()
    {
        QFETCH(QStringList, image);
        QFETCH(QList<QRect>, rects);
        const QRegion region = BuildSkinRegion(imageOf(image));
        QCOMPARE(rectsOf(region), rects);
        QCOMPARE(region.isEmpty(), rects.isEmpty());
    }

    void zeroWidthGivesNothing()
    {
        QVERIFY(BuildSkinRegion(QImage(0, 7, QImage::Format_RGB32)).isEmpty());
    }

    void regionHasExactlyTheNonKeyPixelsOfRandomImages()
    {
        QRandomGenerator random(20240611);
        for (int round = 0; round < 200; ++round) {
            QImage image(1 + random.bounded(40), 1 + random.bounded(30), QImage::Format_RGB32);
            const QRgb colours[] = {qRgb(255, 0, 255), qRgb(255, 0, 254), qRgb(10, 200, 30)};
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    image.setPixel(x, y, colours[random.bounded(3)]);
            }
            const QRegion region = BuildSkinRegion(image);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    QCOMPARE(region.contains(QPoint(x, y)), image.pixel(x, y) != image.pixel(0, 0));
                }
            }
            // No pixel is counted twice.
            QCOMPARE(areaOf(region), pixelsNotOfKey(image));
        }
    }

    void skinRegionAgreesWithQtsOwnMask()
    {
        const QImage skin = committedSkin();
        const QRgb key = skin.pixel(0, 0);
        const QRegion ours = BuildSkinRegion(skin);
        // The window is cut from the shipped face, whose key is already transparent.
        QVERIFY((BuildSkinRegion(Pictures::face()) ^ ours).isEmpty());
        const QRegion qts(QBitmap::fromImage(skin.createMaskFromColor(key, Qt::MaskInColor)));

        QVERIFY((ours ^ qts).isEmpty());
        QCOMPARE(areaOf(ours), pixelsNotOfKey(skin));
        const QRect all = skin.rect();
        for (QPoint corner : {all.topLeft(), all.topRight(), all.bottomLeft(), all.bottomRight()})
            QVERIFY(!ours.contains(corner));
    }

    void faceMakesOnlyKeyPixelsTransparent()
    {
        const QImage skin = imageOf({"kgn", "gkb"});
        const QImage face = RawPicture::transparentKeyFace(skin);
        QCOMPARE(face.size(), skin.size());
        for (int y = 0; y < skin.height(); ++y) {
            for (int x = 0; x < skin.width(); ++x) {
                const QRgb expected = skin.pixel(x, y) == skin.pixel(0, 0) ? 0 : skin.pixel(x, y);
                QCOMPARE(face.pixel(x, y), expected);
            }
        }
    }

    // A transparent key must not pass for black: the skin's black pixels stay in the window.
    void faceIsCutAsItsSkinIs_data()
    {
        QTest::addColumn<QStringList>("skin");
        QTest::newRow("black beside the key") << QStringList{"kbk", "bgk", "kkb"};
        QTest::newRow("black key") << QStringList{"bkb", "gbn"};
        QTest::newRow("no key but the corner") << QStringList{"kgb", "bgg"};
    }

    void faceIsCutAsItsSkinIs()
    {
        QFETCH(QStringList, skin);
        const QImage image = imageOf(skin);
        const QRegion fromFace = BuildSkinRegion(RawPicture::transparentKeyFace(image));
        QCOMPARE(rectsOf(fromFace), rectsOf(BuildSkinRegion(image)));
    }
};

QTEST_MAIN(SkinShapeTest)
#include "tst_skinshape.moc"
