#include "assets/RawPicture.h"

#include <QTest>

namespace {

QByteArray stored(quint32 width, quint32 height, qsizetype pixelBytes)
{
    QByteArray bytes(reinterpret_cast<const char*>(&width), sizeof width);
    bytes.append(reinterpret_cast<const char*>(&height), sizeof height);
    bytes.append(QByteArray(pixelBytes, '\x7f'));
    return bytes;
}

} // namespace

// The stored form of the pictures the program draws in place.
class RawPictureTest : public QObject
{
    Q_OBJECT

private slots:
    void storedPictureReadsBackPremultiplied()
    {
        QImage picture(3, 2, QImage::Format_ARGB32);
        const QRgb pixels[] = {qRgba(255, 0, 0, 255),  qRgba(0, 0, 0, 0),
                               qRgba(10, 20, 30, 255), qRgba(200, 100, 50, 128),
                               qRgba(0, 0, 0, 255),    qRgba(1, 2, 3, 4)};
        for (int i = 0; i < 6; ++i)
            picture.setPixel(i % 3, i / 3, pixels[i]);
        const QByteArray bytes = RawPicture::encode(picture);
        QCOMPARE(bytes.size(), 8 + 3 * 2 * 4);

        const QImage read = RawPicture::view(bytes);
        QCOMPARE(read.format(), QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(read, picture.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        QVERIFY(read.constBits() == reinterpret_cast<const uchar*>(bytes.constData()) + 8);
    }

    void malformedBytesGiveNoPicture_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header cut short") << QByteArray("\x02\0\0\0\x02\0", 6);
        QTest::newRow("zero width") << stored(0, 2, 0);
        QTest::newRow("zero height") << stored(2, 0, 0);
        QTest::newRow("pixels missing") << stored(2, 2, 15);
        QTest::newRow("bytes left over") << stored(2, 2, 17);
        QTest::newRow("too wide") << stored(16385, 1, 16385 * 4);
        QTest::newRow("size overflowing 32 bits") << stored(65536, 65536, 0);
    }

    void malformedBytesGiveNoPicture()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(RawPicture::view(bytes).isNull());
    }

    void wellFormedBytesGiveThePicture()
    {
        const QByteArray bytes = stored(2, 3, 2 * 3 * 4);
        const QImage picture = RawPicture::view(bytes);
        QCOMPARE(picture.size(), QSize(2, 3));
        QCOMPARE(picture.pixel(1, 2), qRgba(0x7f, 0x7f, 0x7f, 0x7f));
    }
};

QTEST_GUILESS_MAIN(RawPictureTest)
#include "tst_rawpicture.moc"
