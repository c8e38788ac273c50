#include "CommittedSkin.h"
#include "assets/Pictures.h"

#include <QFile>
#include <QResource>
#include <QTest>

// The skin bitmap's file, field by field: the window shape and the palette read its pixels,
// and the platform expects exactly this layout.
class SkinFileTest : public QObject
{
    Q_OBJECT

private:
    QByteArray m_file;

    quint32 field(qsizetype offset, int bytes) const
    {
        quint32 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = value << 8 | quint8(m_file[offset + i]);
        return value;
    }

private slots:
    void initTestCase()
    {
        QFile file(QStringLiteral(VORE_ASSETS_DIR "/skin.bmp"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        m_file = file.readAll();
    }

    void headerFieldsHaveTheirFixedValues_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<quint32>("expected");
        QTest::newRow("signature BM") << 0 << 2 << quint32('B' | 'M' << 8);
        QTest::newRow("file size") << 2 << 4 << 758978u;
        QTest::newRow("reserved") << 6 << 4 << 0u;
        QTest::newRow("pixel data offset") << 10 << 4 << 54u;
        QTest::newRow("info header size") << 14 << 4 << 40u;
        QTest::newRow("width") << 18 << 4 << 449u;
        QTest::newRow("height, positive: bottom-up") << 22 << 4 << 563u;
        QTest::newRow("planes") << 26 << 2 << 1u;
        QTest::newRow("bits per pixel") << 28 << 2 << 24u;
        QTest::newRow("no compression") << 30 << 4 << 0u;
        QTest::newRow("pixel data size") << 34 << 4 << 758924u;
        QTest::newRow("horizontal resolution") << 38 << 4 << 3780u;
        QTest::newRow("vertical resolution") << 42 << 4 << 3780u;
        QTest::newRow("no colour table") << 46 << 4 << 0u;
        QTest::newRow("important colours") << 50 << 4 << 0u;
    }

    void headerFieldsHaveTheirFixedValues()
    {
        QFETCH(int, offset);
        QFETCH(int, bytes);
        QFETCH(quint32, expected);
        QCOMPARE(m_file.size(), 758978);
        QCOMPARE(field(offset, bytes), expected);
    }

    void rowsRunBottomUpPaddedTo1348Bytes()
    {
        const QImage skin = committedSkin();
        QCOMPARE(skin.size(), QSize(449, 563));
        // Each stored row is 449 pixels in blue, green, red order and one padding byte.
        for (int y : {0, 105, 300, 562}) {
            const qsizetype row = 54 + qsizetype(562 - y) * 1348;
            for (int x : {0, 100, 250, 448}) {
                const QRgb pixel = skin.pixel(x, y);
                QCOMPARE(quint8(m_file[row + 3 * x]), quint8(qBlue(pixel)));
                QCOMPARE(quint8(m_file[row + 3 * x + 1]), quint8(qGreen(pixel)));
                QCOMPARE(quint8(m_file[row + 3 * x + 2]), quint8(qRed(pixel)));
            }
            QCOMPARE(quint8(m_file[row + 1347]), quint8(0));
        }
    }

    // The program paints and reads the face made from the skin at build time: it must be the
    // committed skin pixel for pixel, with exactly the key's pixels transparent.
    void shippedFaceIsTheSkinWithItsKeyTransparent()
    {
        const QImage skin = committedSkin();
        const QImage face = Pictures::face();
        QCOMPARE(face.format(), QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(face.size(), skin.size());
        const QRgb key = skin.pixel(0, 0);
        QCOMPARE(key, qRgb(255, 0, 255));
        int transparent = 0;
        for (int y = 0; y < skin.height(); ++y) {
            for (int x = 0; x < skin.width(); ++x) {
                const QRgb pixel = skin.pixel(x, y);
                const QRgb expected = pixel == key ? 0 : pixel;
                if (face.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("face pixel (%1, %2) is %3, not %4")
                                         .arg(x)
                                         .arg(y)
                                         .arg(face.pixel(x, y), 8, 16)
                                         .arg(expected, 8, 16)));
                transparent += pixel == key;
            }
        }
        // Cut away around the picture, with the picture itself left.
        QVERIFY(transparent > 0 && transparent < 449 * 563 / 2);
    }

    // Used in place: the face's pixels are the program's own read-only data, not a copy.
    void faceIsDrawnFromTheProgramsDataWithoutACopy()
    {
        const QResource resource(QStringLiteral(":/assets/face.argb"));
        QVERIFY(resource.isValid());
        QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
        const QImage face = Pictures::face();
        QVERIFY(face.constBits() == resource.data() + 8);
    }
};

QTEST_MAIN(SkinFileTest)
#include "tst_skinfile.moc"
