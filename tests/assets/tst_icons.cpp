#include "IcoReader.h"
#include "assets/Pictures.h"

#include <QFile>
#include <QTest>
#include <array>

// The peg icons and the application icon: sizes, one-bit masks, where the peg is drawn and
// the colour it shows.
class IconTest : public QObject
{
    Q_OBJECT

private:
    static bool hasBinaryAlpha(const QImage& image)
    {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int alpha = qAlpha(image.pixel(x, y));
                if (alpha != 0 && alpha != 255)
                    return false;
            }
        }
        return true;
    }

    static bool cornersAreTransparent(const QImage& image)
    {
        const int last = image.width() - 1;
        return qAlpha(image.pixel(0, 0)) == 0 && qAlpha(image.pixel(last, 0)) == 0 &&
               qAlpha(image.pixel(0, last)) == 0 && qAlpha(image.pixel(last, last)) == 0;
    }

    static QImage appIcon(int size)
    {
        return QImage(QStringLiteral(VORE_ASSETS_DIR "/icons/%1.png").arg(size))
            .convertToFormat(QImage::Format_ARGB32);
    }

private slots:
    void pegIconShowsItsColour_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QColor>("mean");
        QTest::addColumn<int>("ratio");
        const std::array<std::pair<const char*, QColor>, 8> pegs = {{
            {"yellow", QColor(236, 228, 69)},
            {"orange", QColor(231, 177, 65)},
            {"red", QColor(204, 42, 63)},
            {"blue", QColor(77, 145, 188)},
            {"green", QColor(78, 198, 98)},
            {"tan", QColor(189, 156, 108)},
            {"black key", QColor(68, 59, 53)},
            {"white key", QColor(248, 246, 234)},
        }};
        for (int ratio : {1, 2}) {
            for (int colour = 2; colour <= 9; ++colour) {
                const auto& [name, mean] = pegs[std::size_t(colour - 2)];
                QTest::newRow(
                    qPrintable(QStringLiteral("%1 %2 at %3x").arg(colour).arg(name).arg(ratio)))
                    << colour << mean << ratio;
            }
        }
    }

    // The peg built into the program, and the same peg at twice the resolution, which lies
    // beside it for sharp screens.
    void pegIconShowsItsColour()
    {
        QFETCH(int, colour);
        QFETCH(QColor, mean);
        QFETCH(int, ratio);
        const QImage icon =
            (ratio == 1 ? Pictures::peg(colour).toImage()
                        : QImage(QStringLiteral(VORE_ASSETS_DIR "/pegs/%1@2x.png").arg(colour)))
                .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), QSize(32, 32) * ratio);
        QVERIFY(hasBinaryAlpha(icon));
        QVERIFY(cornersAreTransparent(icon));
        QRect opaqueBox;
        double sums[3] = {0, 0, 0};
        int opaque = 0;
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x) {
                const QRgb p = icon.pixel(x, y);
                if (qAlpha(p) == 0)
                    continue;
                opaqueBox |= QRect(x, y, 1, 1);
                sums[0] += qRed(p);
                sums[1] += qGreen(p);
                sums[2] += qBlue(p);
                ++opaque;
            }
        }
        const QColor actual(qRound(sums[0] / opaque), qRound(sums[1] / opaque),
                            qRound(sums[2] / opaque));
        qInfo("peg %d: %d opaque pixels in x %d to %d, y %d to %d; mean (%d, %d, %d)", colour,
              opaque, opaqueBox.left(), opaqueBox.right(), opaqueBox.top(), opaqueBox.bottom(),
              actual.red(), actual.green(), actual.blue());
        QVERIFY(QRect(QPoint(5, 4) * ratio, QSize(22, 23) * ratio).contains(opaqueBox));
        // A disc about 22 pixels across.
        QVERIFY(opaque > 300 * ratio * ratio);
        QVERIFY(std::abs(actual.red() - mean.red()) <= 15);
        QVERIFY(std::abs(actual.green() - mean.green()) <= 15);
        QVERIFY(std::abs(actual.blue() - mean.blue()) <= 15);
    }

    // The program carries the pictures made from the committed files at build time.
    void shippedPicturesAreTheCommittedFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QImage>("shipped");
        for (int colour = 2; colour <= 9; ++colour) {
            QTest::newRow(qPrintable(QStringLiteral("peg %1").arg(colour)))
                << QStringLiteral("pegs/%1.png").arg(colour) << Pictures::peg(colour).toImage();
        }
        for (int size : {16, 32, 48, 64}) {
            QTest::newRow(qPrintable(QStringLiteral("icon %1").arg(size)))
                << QStringLiteral("icons/%1.png").arg(size)
                << Pictures::applicationIcon().pixmap(size).toImage();
        }
    }

    void shippedPicturesAreTheCommittedFiles()
    {
        QFETCH(QString, file);
        QFETCH(QImage, shipped);
        const QImage committed(QStringLiteral(VORE_ASSETS_DIR "/") + file);
        QVERIFY(!committed.isNull());
        // Compared as drawn: a transparent pixel's colour does not count.
        QCOMPARE(shipped.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 committed.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    void applicationIconIsDrawnAtEverySize_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 48, 64, 128, 256})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }

    void applicationIconIsDrawnAtEverySize()
    {
        QFETCH(int, size);
        const QImage icon = appIcon(size);
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(hasBinaryAlpha(icon));
        QVERIFY(cornersAreTransparent(icon));
        int opaque = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x)
                opaque += qAlpha(icon.pixel(x, y)) == 255;
        }
        // The board and the tray fill much of the square, on a transparent ground.
        QVERIFY(opaque > size * size / 4);
        QVERIFY(opaque < size * size * 3 / 4);
        // The window icon carries the sizes up to 64; the larger ones serve desktop launchers.
        QCOMPARE(Pictures::applicationIcon().availableSizes().contains(QSize(size, size)),
                 size <= 64);
    }

    void icoFileHoldsThe64And16And32PixelPictures()
    {
        QFile file(QStringLiteral(VORE_ASSETS_DIR "/app.ico"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::optional<QList<IcoImage>> images = readIco(file.readAll());
        QVERIFY(images.has_value());
        QCOMPARE(images->size(), 3);
        const int sizes[] = {64, 16, 32};
        for (int i = 0; i < 3; ++i) {
            const IcoImage& image = (*images)[i];
            QCOMPARE(image.bitsPerPixel, 24);
            // Each image is the picture drawn at that size, the same as its PNG copy.
            QCOMPARE(image.image, appIcon(sizes[i]));
        }
    }
};

QTEST_MAIN(IconTest)
#include "tst_icons.moc"
