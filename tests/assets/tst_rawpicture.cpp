#include "assets/RawPicture.h"
#include "assets/RunPicture.h"

#include <QTest>

namespace {

QByteArray words(std::initializer_list<quint32> values)
{
    return QByteArray(reinterpret_cast<const char*>(std::data(values)),
                      qsizetype(values.size() * 4));
}

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

    void bytesAreReadOnlyWhenWellFormed_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        const QSize refused(0, 0); // a null image's
        QTest::newRow("empty") << QByteArray() << refused;
        QTest::newRow("header cut short") << QByteArray("\x02\0\0\0\x02\0", 6) << refused;
        QTest::newRow("zero width") << stored(0, 2, 0) << refused;
        QTest::newRow("zero height") << stored(2, 0, 0) << refused;
        QTest::newRow("pixels missing") << stored(2, 2, 15) << refused;
        QTest::newRow("bytes left over") << stored(2, 2, 17) << refused;
        QTest::newRow("well formed") << stored(2, 3, 2 * 3 * 4) << QSize(2, 3);
        QTest::newRow("largest side") << stored(16384, 1, 16384 * 4) << QSize(16384, 1);
        QTest::newRow("too wide") << stored(16385, 1, 16385 * 4) << refused;
        QTest::newRow("too tall") << stored(1, 16385, 16385 * 4) << refused;
        QTest::newRow("size overflowing 32 bits") << stored(65536, 65536, 0) << refused;
    }

    void bytesAreReadOnlyWhenWellFormed()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QCOMPARE(RawPicture::view(bytes).size(), size);
    }

    // Runs of opaque pixels, one going on into the next row; the half transparent pixel is kept
    // as transparent, the pictures stored this way have none.
    void runPictureExpandsToItsOpaquePixels()
    {
        QImage picture(3, 2, QImage::Format_ARGB32_Premultiplied);
        const QRgb pixels[] = {0,
                               qRgba(1, 2, 3, 255),
                               qRgba(4, 5, 6, 255),
                               qRgba(7, 8, 9, 255),
                               qRgba(5, 5, 5, 128),
                               qRgba(10, 0, 0, 255)};
        std::copy(std::begin(pixels), std::end(pixels), reinterpret_cast<QRgb*>(picture.bits()));
        const QByteArray bytes = RunPicture::encode(picture);
        QCOMPARE(bytes, words({3, 2, 2, 1, 3, 5, 1}) +
                            words({pixels[1], pixels[2], pixels[3], pixels[5]}));
        picture.setPixel(1, 1, 0);
        QCOMPARE(RunPicture::Rows(bytes).expand(), picture);
    }

    // What the reader refuses it refuses from the header alone: a picture of the largest side
    // costs no stored bytes, so past it a few bytes could ask for gigabytes.
    void runsAreReadOnlyWhenWellFormed_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::newRow("header cut short") << words({1, 1}) << QSize();
        QTest::newRow("zero width") << words({0, 1, 0}) << QSize();
        QTest::newRow("runs missing") << words({2, 1, 1}) << QSize();
        QTest::newRow("run past the end") << words({2, 1, 1, 1, 2, 7, 7}) << QSize();
        QTest::newRow("runs overlapping") << words({4, 1, 2, 0, 2, 1, 1, 7, 7, 7}) << QSize();
        QTest::newRow("pixels missing") << words({2, 1, 1, 0, 2, 7}) << QSize();
        QTest::newRow("bytes left over") << words({2, 1, 1, 0, 1, 7, 7}) << QSize();
        QTest::newRow("more runs than pixels") << words({1, 1, 2, 0, 1, 0, 1, 7, 7}) << QSize();
        QTest::newRow("largest side") << words({4096, 4096, 0}) << QSize(4096, 4096);
        QTest::newRow("too wide") << words({4097, 1, 0}) << QSize();
        QTest::newRow("too tall") << words({1, 4097, 0}) << QSize();
    }

    void runsAreReadOnlyWhenWellFormed()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QCOMPARE(RunPicture::Rows(bytes).size(), size);
    }
};

QTEST_GUILESS_MAIN(RawPictureTest)
#include "tst_rawpicture.moc"
