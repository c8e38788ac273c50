#include "platform/PegPointers.h"

#include <QPixmap>
#include <QTest>

class PegPointersTest : public QObject
{
    Q_OBJECT

private slots:
    void pointerHasTheBoardPegsSizeOnTheScreen_data()
    {
        QTest::addColumn<PegPointers::Scaling>("scaling");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<qreal>("pictureRatio");
        QTest::addColumn<QPoint>("hotSpot");
        using enum PegPointers::Scaling;
        QTest::newRow("X11 1") << DevicePixels << 1.0 << QSize(32, 32) << 1.0 << QPoint(16, 16);
        QTest::newRow("X11 1.25") << DevicePixels << 1.25 << QSize(40, 40) << 1.0 << QPoint(20, 20);
        QTest::newRow("X11 1.5") << DevicePixels << 1.5 << QSize(48, 48) << 1.0 << QPoint(24, 24);
        QTest::newRow("X11 2") << DevicePixels << 2.0 << QSize(64, 64) << 1.0 << QPoint(32, 32);
        QTest::newRow("Wayland 1") << PictureRatio << 1.0 << QSize(32, 32) << 1.0 << QPoint(16, 16);
        QTest::newRow("Wayland 2") << PictureRatio << 2.0 << QSize(64, 64) << 2.0 << QPoint(16, 16);
    }

    void pointerHasTheBoardPegsSizeOnTheScreen()
    {
        QFETCH(PegPointers::Scaling, scaling);
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        QFETCH(qreal, pictureRatio);
        QFETCH(QPoint, hotSpot);
        PegPointers pointers(scaling);
        for (int colour = 2; colour <= 9; ++colour) {
            const QCursor& pointer = pointers.pointer(colour, ratio);
            QCOMPARE(pointer.shape(), Qt::BitmapCursor);
            QCOMPARE(pointer.pixmap().size(), pixels);
            QCOMPARE(pointer.pixmap().devicePixelRatio(), pictureRatio);
            QCOMPARE(pointer.hotSpot(), hotSpot);
        }
    }

    // The same cursor comes back, not a new one made from the picture again.
    void pointerIsMadeOncePerColourAndRatio()
    {
        PegPointers pointers(PegPointers::Scaling::DevicePixels);
        const qint64 first = pointers.pointer(2, 2.0).pixmap().cacheKey();
        QCOMPARE(pointers.pointer(2, 2.0).pixmap().cacheKey(), first);
        QCOMPARE(&pointers.pointer(2, 2.0), &pointers.pointer(2, 2.0));
        QVERIFY(pointers.pointer(3, 2.0).pixmap().cacheKey() != first);
        QVERIFY(pointers.pointer(2, 1.0).pixmap().cacheKey() != first);
        QCOMPARE(pointers.pointer(2, 2.0).pixmap().cacheKey(), first);
    }

    // Each colour shows its own peg: the middle of the pointer has the peg's colour.
    void pointersOfTheColoursDiffer()
    {
        PegPointers pointers(PegPointers::Scaling::DevicePixels);
        QSet<QRgb> middles;
        for (int colour = 2; colour <= 7; ++colour) {
            const QImage picture = pointers.pointer(colour, 1.5).pixmap().toImage();
            middles.insert(picture.pixel(picture.width() / 2, picture.height() / 2));
        }
        QCOMPARE(middles.size(), 6);
    }
};

QTEST_MAIN(PegPointersTest)
#include "tst_pegpointers.moc"
